#pragma once

#include <array>
#include <cstdint>

namespace discpull {

// The 44-byte header of a PCM WAV file (RIFF, "fmt " and "data" chunks).
struct WaveHeader
{
    std::uint32_t riffSize = 0;
    std::uint32_t formatSize = 16;
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataSize = 0;

    static constexpr int Size = 44;

    // The header as it is stored in the file, numbers little-endian.
    std::array<unsigned char, Size> bytes() const;
};

// Fills every field from the format and the size of the sample data that
// follows the header.
WaveHeader makeWaveHeader(std::uint32_t sampleRate, std::uint16_t bitsPerSample,
                          std::uint16_t channels, std::uint32_t dataSize);

} // namespace discpull
