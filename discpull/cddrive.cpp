#include "cddrive.h"

#include "bytebuffer.h"
#include "waveheader.h"

#include <array>
#include <limits>

namespace discpull {

std::int32_t msfToLba(std::uint8_t minute, std::uint8_t second, std::uint8_t frame)
{
    return std::int32_t(minute) * 60 * SectorsPerSecond + std::int32_t(second) * SectorsPerSecond +
           std::int32_t(frame) - LeadInSectors;
}

bool parseToc(const unsigned char *toc, std::size_t size, std::vector<TrackEntry> &tracks)
{
    tracks.clear();
    if (size < 4)
        return false;
    const int first = toc[2];
    const int last = toc[3];
    if (last < first)
        return true;
    const int count = last - first + 1;
    // Each track needs its own descriptor and the next one (the lead-out for
    // the last track); a table claiming more is damaged.
    const std::size_t needed = 4 + std::size_t(count + 1) * TocDescriptorSize;
    if (count + 1 > TocMaxDescriptors || needed > size)
        return false;
    auto lbaOf = [toc](int descriptor) {
        const unsigned char *d = toc + 4 + descriptor * TocDescriptorSize;
        return msfToLba(d[5], d[6], d[7]);
    };
    std::vector<TrackEntry> parsed;
    parsed.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        TrackEntry entry;
        entry.start = lbaOf(i);
        const std::int64_t length = std::int64_t(lbaOf(i + 1)) - entry.start;
        // No audio disc holds a track whose bytes pass the int range (over
        // 200 minutes): such an address is damage, and its byte count would
        // overflow every size computed from it.
        if (length < 0 || length * RawSectorSize > std::numeric_limits<std::int32_t>::max())
            return false;
        entry.length = std::int32_t(length);
        parsed.push_back(entry);
    }
    tracks = std::move(parsed);
    return true;
}

std::vector<ReadRequest> planTrackReads(const TrackEntry &track)
{
    std::vector<ReadRequest> plan;
    if (track.length <= 0)
        return plan;
    const std::int32_t full = track.length / SectorsPerRead;
    const std::int32_t remainder = track.length % SectorsPerRead;
    plan.reserve(std::size_t(full) + 1);
    for (std::int32_t k = 0; k < full; ++k)
        plan.push_back({track.start + k * SectorsPerRead, std::uint32_t(SectorsPerRead),
                        std::int64_t(k) * ReadBufferSize});
    if (remainder > 0)
        plan.push_back({track.start + full * SectorsPerRead, std::uint32_t(remainder),
                        std::int64_t(full) * ReadBufferSize});
    return plan;
}

CdDrive::CdDrive(CdPlatform &platform, const std::string &drive)
    : m_platform(platform)
{
    if (!drive.empty())
        open(drive);
}

CdDrive::~CdDrive()
{
    close();
}

bool CdDrive::open(const std::string &drive)
{
    close();
    std::unique_ptr<CdDevice> device = m_platform.openDevice(drive);
    if (!device)
        return false;
    if (!device->setRemovalLocked(true)) {
        device->setRemovalLocked(false);
        return false;
    }
    std::array<unsigned char, TocBufferSize> toc{};
    std::vector<TrackEntry> tracks;
    if (!device->readToc(toc.data(), toc.size()) || !parseToc(toc.data(), toc.size(), tracks)) {
        device->setRemovalLocked(false);
        return false;
    }
    m_device = std::move(device);
    m_tracks = std::move(tracks);
    return !m_tracks.empty();
}

void CdDrive::close()
{
    if (m_device)
        m_device->setRemovalLocked(false);
    m_tracks.clear();
    m_device.reset();
}

const TrackEntry *CdDrive::track(std::uint32_t index) const
{
    if (!m_device || index >= m_tracks.size())
        return nullptr;
    return &m_tracks[index];
}

int CdDrive::trackCount() const
{
    return m_device ? int(m_tracks.size()) : -1;
}

int CdDrive::trackSeconds(std::uint32_t index) const
{
    const TrackEntry *entry = track(index);
    return entry ? int(std::uint32_t(entry->length) / std::uint32_t(SectorsPerSecond)) : -1;
}

int CdDrive::trackBytes(std::uint32_t index) const
{
    const TrackEntry *entry = track(index);
    return entry ? int(std::int64_t(entry->length) * RawSectorSize) : -1;
}

bool CdDrive::extractToWav(std::uint32_t index, const std::string &path)
{
    const TrackEntry *entry = track(index);
    if (!entry)
        return false;
    std::unique_ptr<OutputFile> file = m_platform.createFile(path);
    if (!file)
        return false;

    const auto dataSize = std::uint32_t(std::int64_t(entry->length) * RawSectorSize);
    const auto header = makeWaveHeader(44100, 16, 2, dataSize).bytes();
    // A short write must fail the extraction: otherwise a full disk leaves a
    // truncated file that is reported as extracted.
    if (!file->write(header.data(), header.size()))
        return false;

    ByteBuffer buffer;
    if (!buffer.allocate(ReadBufferSize))
        return false;
    for (const ReadRequest &request : planTrackReads(*entry)) {
        const std::size_t bytes = std::size_t(request.count) * RawSectorSize;
        if (!m_device->readRawSectors(request.lba, request.count, buffer.data(), bytes))
            return false;
        if (!file->write(buffer.data(), bytes))
            return false;
    }
    return file->close();
}

bool CdDrive::extractToMemory(std::uint32_t index, ByteBuffer &buffer)
{
    const TrackEntry *entry = track(index);
    if (!entry)
        return false;
    if (!buffer.resize(std::int32_t(std::int64_t(entry->length) * RawSectorSize))) {
        buffer.release();
        return false;
    }
    for (const ReadRequest &request : planTrackReads(*entry)) {
        const std::size_t bytes = std::size_t(request.count) * RawSectorSize;
        if (!m_device->readRawSectors(request.lba, request.count,
                                      buffer.data() + request.byteOffset, bytes)) {
            buffer.release();
            return false;
        }
    }
    return true;
}

bool CdDrive::preventRemoval()
{
    return m_device && m_device->setRemovalLocked(true);
}

bool CdDrive::allowRemoval()
{
    return m_device && m_device->setRemovalLocked(false);
}

bool CdDrive::eject()
{
    return m_device && m_device->eject();
}

bool CdDrive::loadMedia()
{
    return m_device && m_device->loadMedia();
}

bool CdDrive::checkMedia(const std::string &drive)
{
    if (drive.empty())
        return m_device && m_device->checkMedia();
    std::unique_ptr<CdDevice> other = m_platform.openDevice(drive);
    return other && other->checkMedia();
}

} // namespace discpull
