#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace discpull {

constexpr int RawSectorSize = 2352;
constexpr int SectorsPerSecond = 75;
constexpr int LeadInSectors = 150;
constexpr int SectorsPerRead = 20;
constexpr int ReadBufferSize = SectorsPerRead * RawSectorSize;
// Four header bytes and 100 track descriptors of eight bytes: the largest
// table of contents a disc can have (99 tracks and the lead-out).
constexpr int TocBufferSize = 804;
constexpr int TocDescriptorSize = 8;
constexpr int TocMaxDescriptors = (TocBufferSize - 4) / TocDescriptorSize;

// One opened optical drive. Destroying it releases the native handle.
class CdDevice
{
public:
    virtual ~CdDevice() = default;

    virtual bool setRemovalLocked(bool locked) = 0;
    // Fills the table of contents in the common CD-ROM layout: bytes 0-1 the
    // data length (big-endian), 2 the first and 3 the last track number, then
    // eight-byte descriptors ending with the lead-out, whose bytes 5, 6 and 7
    // are minute, second and frame. size is TocBufferSize.
    virtual bool readToc(unsigned char *toc, std::size_t size) = 0;
    // Reads count raw CD-DA sectors from lba; outSize is count x RawSectorSize.
    virtual bool readRawSectors(std::int32_t lba, std::uint32_t count, unsigned char *out,
                                std::size_t outSize) = 0;
    virtual bool eject() = 0;
    virtual bool loadMedia() = 0;
    // True when the drive reports usable media.
    virtual bool checkMedia() = 0;
};

// A file being written. Destroying it closes it when close() was not called.
class OutputFile
{
public:
    virtual ~OutputFile() = default;
    // True only when every byte was written.
    virtual bool write(const unsigned char *data, std::size_t size) = 0;
    virtual bool close() = 0;
};

// What the drive logic needs of the system: drives by name and new files.
class CdPlatform
{
public:
    virtual ~CdPlatform() = default;
    // Null when the drive cannot be opened.
    virtual std::unique_ptr<CdDevice> openDevice(const std::string &drive) = 0;
    // Creates or truncates the file; null when it cannot be created. The
    // default writes through the C++ standard library.
    virtual std::unique_ptr<OutputFile> createFile(const std::string &path);
    // One line for the usage text: what the drive argument may be.
    virtual std::string driveArgumentHelp() const;
};

// The platform of the build: defined by the one device backend linked in.
std::unique_ptr<CdPlatform> createNativePlatform();

} // namespace discpull
