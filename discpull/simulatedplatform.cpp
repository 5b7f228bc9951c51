#include "simulatedplatform.h"

#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace discpull {

namespace {

constexpr double Pi = 3.14159265358979323846;

// One second of the test tone, computed once.
const std::vector<unsigned char> &tonePattern()
{
    static const std::vector<unsigned char> pattern = [] {
        const int frames = SectorsPerSecond * RawSectorSize / 4;
        std::vector<unsigned char> bytes(std::size_t(frames) * 4);
        for (int i = 0; i < frames; ++i) {
            const auto sample = static_cast<std::int16_t>(
                std::lround(9830.0 * std::sin(2.0 * Pi * 440.0 * i / 44100.0)));
            const auto u = static_cast<std::uint16_t>(sample);
            for (int channel = 0; channel < 2; ++channel) {
                bytes[std::size_t(i) * 4 + std::size_t(channel) * 2] =
                    static_cast<unsigned char>(u & 0xff);
                bytes[std::size_t(i) * 4 + std::size_t(channel) * 2 + 1] =
                    static_cast<unsigned char>(u >> 8);
            }
        }
        return bytes;
    }();
    return pattern;
}

class SimulatedDevice : public CdDevice
{
public:
    SimulatedDevice(SimulatedPlatform &platform, const SimulatedDisc &disc)
        : m_platform(platform)
        , m_disc(disc)
    {
    }
    ~SimulatedDevice() override { m_platform.record("release"); }

    bool setRemovalLocked(bool locked) override
    {
        m_platform.record(locked ? "lock" : "unlock");
        return !(locked && m_disc.failLock);
    }

    bool readToc(unsigned char *toc, std::size_t size) override
    {
        m_platform.record("toc");
        if (m_disc.failToc || size < std::size_t(TocBufferSize))
            return false;
        std::memset(toc, 0, size);
        const std::size_t descriptors =
            std::min<std::size_t>(m_disc.addresses.size() / 3, TocMaxDescriptors);
        const std::size_t length = 2 + descriptors * TocDescriptorSize;
        toc[0] = static_cast<unsigned char>(length >> 8);
        toc[1] = static_cast<unsigned char>(length & 0xff);
        toc[2] = m_disc.firstTrack;
        toc[3] = m_disc.lastTrack;
        for (std::size_t i = 0; i < descriptors; ++i) {
            unsigned char *d = toc + 4 + i * TocDescriptorSize;
            d[1] = 0x10;
            d[2] = i + 1 == descriptors ? 0xaa : static_cast<unsigned char>(m_disc.firstTrack + i);
            d[5] = m_disc.addresses[i * 3];
            d[6] = m_disc.addresses[i * 3 + 1];
            d[7] = m_disc.addresses[i * 3 + 2];
        }
        return true;
    }

    bool readRawSectors(std::int32_t lba, std::uint32_t count, unsigned char *out,
                        std::size_t outSize) override
    {
        m_platform.record("read " + std::to_string(lba) + " " + std::to_string(count));
        if (outSize != std::size_t(count) * RawSectorSize || lba < 0)
            return false;
        const std::int64_t end = std::int64_t(lba) + count;
        if (m_disc.failReadAt >= lba && m_disc.failReadAt < end)
            return false;
        if (end > leadOut())
            return false;
        const auto fill = m_disc.byteRamp ? fillRampSector : fillSimulatedSector;
        for (std::uint32_t i = 0; i < count; ++i)
            fill(lba + std::int32_t(i), out + std::size_t(i) * RawSectorSize);
        return true;
    }

    bool eject() override
    {
        m_platform.record("eject");
        return true;
    }
    bool loadMedia() override
    {
        m_platform.record("load");
        return true;
    }
    bool checkMedia() override
    {
        m_platform.record("check");
        return !m_disc.addresses.empty();
    }

private:
    std::int64_t leadOut() const
    {
        const auto &a = m_disc.addresses;
        if (a.size() < 3)
            return 0;
        const std::size_t last = a.size() / 3 - 1;
        return std::int64_t(a[last * 3]) * 4500 + a[last * 3 + 1] * 75 + a[last * 3 + 2] -
               LeadInSectors;
    }

    SimulatedPlatform &m_platform;
    SimulatedDisc m_disc;
};

// A real file whose writes come up short once the disc's write limit is
// reached, as on a full disk.
class SimulatedOutputFile : public OutputFile
{
public:
    SimulatedOutputFile(std::unique_ptr<OutputFile> file, std::int64_t limit, bool failClose)
        : m_file(std::move(file))
        , m_remaining(limit)
        , m_failClose(failClose)
    {
    }

    bool write(const unsigned char *data, std::size_t size) override
    {
        if (m_remaining < 0)
            return m_file->write(data, size);
        const std::size_t accepted = std::min<std::size_t>(size, std::size_t(m_remaining));
        m_remaining -= std::int64_t(accepted);
        const bool ok = m_file->write(data, accepted);
        return ok && accepted == size;
    }

    bool close() override { return m_file->close() && !m_failClose; }

private:
    std::unique_ptr<OutputFile> m_file;
    std::int64_t m_remaining;
    bool m_failClose;
};

} // namespace

void fillSimulatedSector(std::int32_t lba, unsigned char *out)
{
    const std::vector<unsigned char> &pattern = tonePattern();
    const std::int32_t inSecond = ((lba % SectorsPerSecond) + SectorsPerSecond) % SectorsPerSecond;
    std::memcpy(out, pattern.data() + std::size_t(inSecond) * RawSectorSize, RawSectorSize);
    const auto tag = static_cast<std::uint32_t>(lba);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>((tag >> (8 * i)) & 0xff);
}

void fillRampSector(std::int32_t lba, unsigned char *out)
{
    for (int i = 0; i < RawSectorSize; ++i)
        out[i] = static_cast<unsigned char>((std::uint32_t(lba) + std::uint32_t(i)) & 0xff);
}

SimulatedDisc SimulatedDisc::withTrackLengths(const std::vector<std::int32_t> &lengths)
{
    SimulatedDisc disc;
    disc.firstTrack = 1;
    disc.lastTrack = static_cast<std::uint8_t>(lengths.size());
    std::int32_t address = LeadInSectors;
    auto add = [&disc](std::int32_t sectors) {
        disc.addAddress(static_cast<std::uint8_t>(sectors / 4500),
                        static_cast<std::uint8_t>(sectors / 75 % 60),
                        static_cast<std::uint8_t>(sectors % 75));
    };
    for (std::int32_t length : lengths) {
        add(address);
        address += length;
    }
    add(address);
    return disc;
}

void SimulatedDisc::addAddress(std::uint8_t minute, std::uint8_t second, std::uint8_t frame)
{
    addresses.push_back(minute);
    addresses.push_back(second);
    addresses.push_back(frame);
}

bool SimulatedDisc::load(const std::string &path, SimulatedDisc &disc)
{
    std::ifstream in(path);
    if (!in)
        return false;
    SimulatedDisc loaded;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string directive;
        if (!(words >> directive))
            continue;
        if (directive == "tracks") {
            std::vector<std::int32_t> lengths;
            std::int32_t length = 0;
            while (words >> length)
                lengths.push_back(length);
            SimulatedDisc tracks = withTrackLengths(lengths);
            loaded.firstTrack = tracks.firstTrack;
            loaded.lastTrack = tracks.lastTrack;
            loaded.addresses = tracks.addresses;
        } else if (directive == "toc") {
            unsigned first = 0, last = 0;
            if (!(words >> first >> last) || first > 255 || last > 255)
                return false;
            loaded.firstTrack = static_cast<std::uint8_t>(first);
            loaded.lastTrack = static_cast<std::uint8_t>(last);
        } else if (directive == "msf") {
            unsigned m = 0, s = 0, f = 0;
            if (!(words >> m >> s >> f) || m > 255 || s > 255 || f > 255)
                return false;
            loaded.addAddress(static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s),
                              static_cast<std::uint8_t>(f));
        } else if (directive == "fail") {
            std::string what;
            words >> what;
            if (what == "open")
                loaded.failOpen = true;
            else if (what == "lock")
                loaded.failLock = true;
            else if (what == "toc")
                loaded.failToc = true;
            else if (what == "create")
                loaded.failCreate = true;
            else if (what == "close")
                loaded.failFileClose = true;
            else
                return false;
        } else if (directive == "fail-read") {
            if (!(words >> loaded.failReadAt))
                return false;
        } else if (directive == "write-limit") {
            if (!(words >> loaded.writeLimit))
                return false;
        } else if (directive == "pattern") {
            std::string what;
            if (!(words >> what) || what != "ramp")
                return false;
            loaded.byteRamp = true;
        } else if (directive == "log") {
            std::getline(words >> std::ws, loaded.logPath);
        } else {
            return false;
        }
    }
    disc = std::move(loaded);
    return true;
}

SimulatedPlatform::SimulatedPlatform(SimulatedDisc disc)
    : m_disc(std::move(disc))
{
}

SimulatedPlatform::SimulatedPlatform()
    : m_discFromDriveName(true)
{
}

std::unique_ptr<CdDevice> SimulatedPlatform::openDevice(const std::string &drive)
{
    record("open " + drive);
    if (m_discFromDriveName && !SimulatedDisc::load(drive, m_disc))
        return nullptr;
    if (m_disc.failOpen)
        return nullptr;
    return std::make_unique<SimulatedDevice>(*this, m_disc);
}

std::unique_ptr<OutputFile> SimulatedPlatform::createFile(const std::string &path)
{
    record("create " + path);
    if (m_disc.failCreate)
        return nullptr;
    std::unique_ptr<OutputFile> file =
        m_files ? m_files->createFile(path) : CdPlatform::createFile(path);
    if (!file)
        return nullptr;
    return std::make_unique<SimulatedOutputFile>(std::move(file), m_disc.writeLimit,
                                                 m_disc.failFileClose);
}

std::string SimulatedPlatform::driveArgumentHelp() const
{
    return "<drive> is a disc description file (simulated drive).";
}

} // namespace discpull
