// Windows drive access through kernel32: the CD-ROM and storage device
// controls on "\\.\X:", and files written with WriteFile.
#include "cdplatform.h"

// The device headers need the base types of windows.h first.
#include <windows.h>

#include <winioctl.h>

#include <ntddcdrm.h>

#include <cstring>

namespace discpull {

namespace {

static_assert(IOCTL_STORAGE_MEDIA_REMOVAL == 0x2D4804, "media removal control");
static_assert(IOCTL_CDROM_READ_TOC == 0x24000, "table of contents control");
static_assert(IOCTL_CDROM_RAW_READ == 0x2403E, "raw read control");
static_assert(IOCTL_STORAGE_EJECT_MEDIA == 0x2D4808, "eject control");
static_assert(IOCTL_STORAGE_LOAD_MEDIA == 0x2D480C, "load control");
static_assert(IOCTL_STORAGE_CHECK_VERIFY2 == 0x2D0800, "media check control");
static_assert(sizeof(RAW_READ_INFO) == 16, "raw read request layout");

class WindowsCdDevice : public CdDevice
{
public:
    explicit WindowsCdDevice(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~WindowsCdDevice() override { CloseHandle(m_handle); }

    bool setRemovalLocked(bool locked) override
    {
        PREVENT_MEDIA_REMOVAL request{};
        request.PreventMediaRemoval = locked ? TRUE : FALSE;
        return control(IOCTL_STORAGE_MEDIA_REMOVAL, &request, sizeof request, nullptr, 0);
    }

    bool readToc(unsigned char *toc, std::size_t size) override
    {
        CDROM_TOC table{};
        static_assert(sizeof(CDROM_TOC) == TocBufferSize, "CDROM_TOC has the common layout");
        if (size < sizeof table || !control(IOCTL_CDROM_READ_TOC, nullptr, 0, &table, sizeof table))
            return false;
        std::memcpy(toc, &table, sizeof table);
        return true;
    }

    bool readRawSectors(std::int32_t lba, std::uint32_t count, unsigned char *out,
                        std::size_t outSize) override
    {
        RAW_READ_INFO request{};
        // The raw read addresses sectors by their offset in 2048-byte units.
        request.DiskOffset.QuadPart = LONGLONG(lba) * 2048;
        request.SectorCount = count;
        request.TrackMode = CDDA;
        return control(IOCTL_CDROM_RAW_READ, &request, sizeof request, out, DWORD(outSize));
    }

    bool eject() override { return control(IOCTL_STORAGE_EJECT_MEDIA, nullptr, 0, nullptr, 0); }
    bool loadMedia() override { return control(IOCTL_STORAGE_LOAD_MEDIA, nullptr, 0, nullptr, 0); }
    bool checkMedia() override
    {
        return control(IOCTL_STORAGE_CHECK_VERIFY2, nullptr, 0, nullptr, 0);
    }

private:
    bool control(DWORD code, void *in, DWORD inSize, void *out, DWORD outSize)
    {
        DWORD returned = 0;
        return DeviceIoControl(m_handle, code, in, inSize, out, outSize, &returned, nullptr) !=
               FALSE;
    }

    HANDLE m_handle;
};

class WindowsOutputFile : public OutputFile
{
public:
    explicit WindowsOutputFile(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~WindowsOutputFile() override { close(); }

    bool write(const unsigned char *data, std::size_t size) override
    {
        while (size > 0) {
            const DWORD chunk = size > 0x40000000u ? 0x40000000u : DWORD(size);
            DWORD written = 0;
            if (m_handle == INVALID_HANDLE_VALUE ||
                !WriteFile(m_handle, data, chunk, &written, nullptr) || written == 0)
                return false;
            data += written;
            size -= written;
        }
        return true;
    }

    bool close() override
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return false;
        const bool ok = CloseHandle(m_handle) != FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_handle;
};

class WindowsPlatform : public CdPlatform
{
public:
    // Only the first character counts: "E", "E:" and "E:\" all name drive E.
    std::unique_ptr<CdDevice> openDevice(const std::string &drive) override
    {
        if (drive.empty())
            return nullptr;
        const std::string path = std::string("\\\\.\\") + drive[0] + ":";
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::make_unique<WindowsCdDevice>(handle);
    }

    std::unique_ptr<OutputFile> createFile(const std::string &path) override
    {
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::make_unique<WindowsOutputFile>(handle);
    }

    std::string driveArgumentHelp() const override
    {
        return "<drive> is the drive letter: E, E: and E:\\ all mean drive E.";
    }
};

} // namespace

std::unique_ptr<CdPlatform> createNativePlatform()
{
    return std::make_unique<WindowsPlatform>();
}

} // namespace discpull
