// Extraction throughput against a plain file copy on the same disk: a
// 74-minute track is extracted from a simulated drive (audio served from
// memory) to a WAV file, and a file of the same size is copied with cp.
// Each is run twice, alternating, and the faster run of each counts.
// Usage: bench_discpull <scratch folder on the disk to measure>
#include "cddrive.h"
#include "simulatedplatform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace discpull;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::int32_t TrackSectors = 74 * 60 * SectorsPerSecond;

double seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool writeFile(const std::string &path, long long size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::vector<unsigned char> block(1 << 20, 0x5a);
    bool ok = true;
    for (long long left = size; ok && left > 0;) {
        const std::size_t n =
            std::size_t(std::min<long long>(left, static_cast<long long>(block.size())));
        ok = std::fwrite(block.data(), 1, n, file) == n;
        left -= static_cast<long long>(n);
    }
    return std::fclose(file) == 0 && ok;
}

std::string quoted(const std::string &path)
{
    std::string out = "'";
    for (char c : path)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace

int main(int argc, char **argv)
{
    const std::string dir = argc > 1 ? argv[1] : ".";
    const std::string source = dir + "/bench-source.bin";
    const std::string copy = dir + "/bench-copy.bin";
    const std::string wav = dir + "/bench-track.wav";
    const long long size = 44 + static_cast<long long>(TrackSectors) * RawSectorSize;

    if (!writeFile(source, size)) {
        std::fprintf(stderr, "cannot write %s\n", source.c_str());
        return 1;
    }
    SimulatedPlatform platform(SimulatedDisc::withTrackLengths({TrackSectors}));
    CdDrive drive(platform, "E");
    if (drive.trackCount() != 1) {
        std::fprintf(stderr, "the simulated drive did not open\n");
        return 1;
    }

    double bestCopy = 1e9, bestExtract = 1e9;
    bool ok = true;
    const std::string command = "cp " + quoted(source) + " " + quoted(copy);
    for (int round = 0; round < 2 && ok; ++round) {
        std::remove(copy.c_str());
        auto start = Clock::now();
        ok = std::system(command.c_str()) == 0;
        bestCopy = std::min(bestCopy, seconds(start));

        std::remove(wav.c_str());
        platform.clearRequests();
        start = Clock::now();
        ok = ok && drive.extractToWav(0, wav);
        bestExtract = std::min(bestExtract, seconds(start));
    }
    std::remove(source.c_str());
    std::remove(copy.c_str());
    std::remove(wav.c_str());
    if (!ok) {
        std::fprintf(stderr, "copy or extraction failed\n");
        return 1;
    }

    const double megabytes = double(size) / 1e6;
    std::printf("cp: %.0f MB in %.3f s (%.0f MB/s)\n", megabytes, bestCopy, megabytes / bestCopy);
    std::printf("discpull extract: %.0f MB in %.3f s (%.0f MB/s)\n", megabytes, bestExtract,
                megabytes / bestExtract);
    std::printf("discpull extract vs cp throughput ratio: %.2f (target >= 0.8)\n",
                bestCopy / bestExtract);
    return 0;
}
