// A stand-in for discpull in tests of the CD stage: it writes its arguments,
// one a line, to "<output>.args", writes a small valid WAV file (a 440 Hz
// sine, 44.1 kHz, 16-bit stereo) at the output path, prints what discpull
// prints and exits. Environment, all optional:
//   FAKEDISCPULL_EXIT_CODE  exit code (default 0)
//   FAKEDISCPULL_SECONDS    length of the WAV in whole seconds (default 1)
//   FAKEDISCPULL_NO_WAV     when set to 1, leaves the output path untouched
//   FAKEDISCPULL_DELAY_MS   waits this long before writing the WAV
//   FAKEDISCPULL_CUT_BYTES  keeps only this many bytes of the sample data,
//                           under a header that claims them all
//   FAKEDISCPULL_CRASH      when set to 1, aborts after writing the WAV
#include "waveheader.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

long envNumber(const char *name, long fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

bool writeSine(const std::string &path, long seconds, long cutBytes)
{
    const std::uint32_t frames = std::uint32_t(seconds) * 44100u;
    const auto header = discpull::makeWaveHeader(44100, 16, 2, frames * 4u).bytes();
    std::vector<unsigned char> data(std::size_t(frames) * 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::uint16_t>(static_cast<std::int16_t>(
            std::lround(8000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / 44100.0))));
        for (int channel = 0; channel < 2; ++channel) {
            data[i * 4 + std::size_t(channel) * 2] = static_cast<unsigned char>(sample & 0xff);
            data[i * 4 + std::size_t(channel) * 2 + 1] = static_cast<unsigned char>(sample >> 8);
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(header.data()), std::streamsize(header.size()));
    const std::size_t kept =
        cutBytes >= 0 && std::size_t(cutBytes) < data.size() ? std::size_t(cutBytes) : data.size();
    out.write(reinterpret_cast<const char *>(data.data()), std::streamsize(kept));
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::printf("Error: 10");
        return 10;
    }
    if (argc != 4) {
        std::printf("Error: 9");
        return 9;
    }
    const std::string output = argv[3];
    {
        std::ofstream args(output + ".args", std::ios::trunc);
        for (int i = 1; i < argc; ++i)
            args << argv[i] << '\n';
    }
    const long delay = envNumber("FAKEDISCPULL_DELAY_MS", 0);
    if (delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));

    const long seconds = envNumber("FAKEDISCPULL_SECONDS", 1);
    const int code = int(envNumber("FAKEDISCPULL_EXIT_CODE", 0));
    std::printf("Track-Extracting: %li", seconds * 44100 * 4);
    if (envNumber("FAKEDISCPULL_NO_WAV", 0) != 1 &&
        !writeSine(output, seconds < 0 ? 0 : seconds, envNumber("FAKEDISCPULL_CUT_BYTES", -1))) {
        std::printf("Error: 12");
        return 12;
    }
    if (envNumber("FAKEDISCPULL_CRASH", 0) == 1) {
#ifndef _WIN32
        // A crash on purpose leaves no core file behind.
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
#endif
        std::abort();
    }
    if (code == 0)
        std::printf("\nTrack-Extracted: %s", argv[2]);
    else
        std::printf("Error: %i", code);
    return code;
}
