#pragma once

#include "cdplatform.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace discpull {

class ByteBuffer;

struct TrackEntry
{
    std::int32_t start = 0;  // LBA of the first sector
    std::int32_t length = 0; // sectors up to the next track or the lead-out

    bool operator==(const TrackEntry &other) const
    {
        return start == other.start && length == other.length;
    }
};

// Minute, second and frame of a disc address to a logical block address.
std::int32_t msfToLba(std::uint8_t minute, std::uint8_t second, std::uint8_t frame);

// The track table of a table of contents (layout: CdDevice::readToc). False
// when the table is damaged: more tracks than descriptors, addresses that go
// backwards, or a track too long for its bytes to be counted in an int. A last track number below
// the first gives an empty table.
bool parseToc(const unsigned char *toc, std::size_t size, std::vector<TrackEntry> &tracks);

// One request of a track read: count sectors from lba, stored at byteOffset
// of the track's data.
struct ReadRequest
{
    std::int32_t lba = 0;
    std::uint32_t count = 0;
    std::int64_t byteOffset = 0;
};

// The contiguous, ascending requests that read a whole track: full requests
// of SectorsPerRead sectors, then the remainder. A zero remainder makes no
// request, since some drives reject a read of nothing.
std::vector<ReadRequest> planTrackReads(const TrackEntry &track);

// One opened drive with its track table; media removal stays locked while it
// is open, and destruction closes it, so the lock is released on every way out.
class CdDrive
{
public:
    // With a drive name, opens it at once.
    explicit CdDrive(CdPlatform &platform, const std::string &drive = std::string());
    ~CdDrive();
    CdDrive(const CdDrive &) = delete;
    CdDrive &operator=(const CdDrive &) = delete;

    // True when the drive is open and the track table has at least one entry.
    // An empty table leaves the drive open and locked until close().
    bool open(const std::string &drive);
    void close();
    bool isOpen() const { return m_device != nullptr; }

    // -1 while closed.
    int trackCount() const;
    // Whole seconds; -1 while closed or when the index is not below the count.
    int trackSeconds(std::uint32_t index) const;
    // Sectors x RawSectorSize; -1 as above.
    int trackBytes(std::uint32_t index) const;
    const std::vector<TrackEntry> &tracks() const { return m_tracks; }

    // Writes the track as a 44.1 kHz 16-bit stereo WAV file, replacing any
    // file at the path. A bad index fails before any file is created; a failed
    // read or a failed or short write fails the extraction and leaves what was
    // written in place.
    bool extractToWav(std::uint32_t index, const std::string &path);
    // The track's sectors into the buffer; on failure the buffer is released.
    bool extractToMemory(std::uint32_t index, ByteBuffer &buffer);

    bool preventRemoval();
    bool allowRemoval();
    bool eject();
    bool loadMedia();
    // With a drive name, checks that drive through a handle of its own;
    // without one, checks this drive (false while closed).
    bool checkMedia(const std::string &drive = std::string());

private:
    const TrackEntry *track(std::uint32_t index) const;

    CdPlatform &m_platform;
    std::unique_ptr<CdDevice> m_device;
    std::vector<TrackEntry> m_tracks;
};

} // namespace discpull
