#include "entrypoint.h"

#include "cddrive.h"

#include <cctype>
#include <climits>
#include <ostream>

#ifndef DISCPULL_VERSION
#define DISCPULL_VERSION "unknown"
#endif

namespace discpull {

namespace {

void printUsage(std::ostream &out, const CdPlatform &platform)
{
    out << "Usage: discpull <drive>\n"
           "       discpull <drive> <index> <output.wav>\n"
           "\n"
           "With a drive alone, lists the tracks of the audio CD in it:\n"
           "\"Track-Count: N\" and \"Track-K: M\" (track K lasts M whole minutes).\n"
           "With an index (0 is the first track) and a path, writes that track\n"
           "to a 44.1 kHz 16-bit stereo WAV file, replacing the file.\n"
           "\n"
        << platform.driveArgumentHelp()
        << "\n"
           "\n"
           "Exit codes: 0 done, 9 wrong number of arguments, 10 no arguments,\n"
           "11 the drive or its disc cannot be used, 12 the extraction failed.\n";
}

} // namespace

int parseIndex(const std::string &text)
{
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        if (value <= LLONG_MAX / 10 - 9)
            value = value * 10 + (text[at] - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

int runDiscpull(const std::vector<std::string> &args, std::ostream &out, CdPlatform &platform)
{
    if (args.empty()) {
        out << "Error: " << ExitNoArguments;
        return ExitNoArguments;
    }
    // A device path never starts with "--", so these cannot hide a drive.
    if (args.size() == 1 && args[0] == "--help") {
        printUsage(out, platform);
        return ExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "discpull " << DISCPULL_VERSION << "\n";
        return ExitOk;
    }

    CdDrive drive(platform);
    if (!drive.open(args[0])) {
        out << "Error: " << ExitDriveNotOpened;
        return ExitDriveNotOpened;
    }

    if (args.size() == 1) {
        const int count = drive.trackCount();
        out << "Track-Count: " << count;
        for (int k = 0; k < count; ++k)
            out << "Track-" << (k + 1) << ": " << drive.trackSeconds(std::uint32_t(k)) / 60;
        return ExitOk;
    }

    if (args.size() == 3) {
        const int index = parseIndex(args[1]);
        // A negative index wraps to a huge unsigned one and fails the range test.
        const auto trackIndex = static_cast<std::uint32_t>(index);
        out << "Track-Extracting: " << drive.trackBytes(trackIndex);
        if (!drive.extractToWav(trackIndex, args[2])) {
            out << "Error: " << ExitExtractionFailed;
            return ExitExtractionFailed;
        }
        out << "\nTrack-Extracted: " << index;
        return ExitOk;
    }

    out << "Error: " << ExitWrongArguments;
    return ExitWrongArguments;
}

} // namespace discpull
