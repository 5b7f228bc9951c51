#include "waveheader.h"

#include <cstring>

namespace discpull {

namespace {

unsigned char *put16(unsigned char *at, std::uint16_t value)
{
    at[0] = static_cast<unsigned char>(value & 0xff);
    at[1] = static_cast<unsigned char>(value >> 8);
    return at + 2;
}

unsigned char *put32(unsigned char *at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xff);
    return at + 4;
}

unsigned char *putTag(unsigned char *at, const char *tag)
{
    std::memcpy(at, tag, 4);
    return at + 4;
}

} // namespace

WaveHeader makeWaveHeader(std::uint32_t sampleRate, std::uint16_t bitsPerSample,
                          std::uint16_t channels, std::uint32_t dataSize)
{
    WaveHeader header;
    header.riffSize = 36u + dataSize;
    header.channels = channels;
    header.sampleRate = sampleRate;
    const std::uint32_t bitsPerFrame = std::uint32_t(channels) * bitsPerSample;
    header.byteRate = bitsPerFrame * sampleRate / 8u;
    header.blockAlign = static_cast<std::uint16_t>(bitsPerFrame / 8u);
    header.bitsPerSample = bitsPerSample;
    header.dataSize = dataSize;
    return header;
}

std::array<unsigned char, WaveHeader::Size> WaveHeader::bytes() const
{
    std::array<unsigned char, Size> out{};
    unsigned char *at = out.data();
    at = putTag(at, "RIFF");
    at = put32(at, riffSize);
    at = putTag(at, "WAVE");
    at = putTag(at, "fmt ");
    at = put32(at, formatSize);
    at = put16(at, formatTag);
    at = put16(at, channels);
    at = put32(at, sampleRate);
    at = put32(at, byteRate);
    at = put16(at, blockAlign);
    at = put16(at, bitsPerSample);
    at = putTag(at, "data");
    put32(at, dataSize);
    return out;
}

} // namespace discpull
