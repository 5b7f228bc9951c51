// Linux drive access through the cdrom ioctls of a device node.
#include "cdplatform.h"
#include "linuxdevicepath.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace discpull {

namespace {

class LinuxCdDevice : public CdDevice
{
public:
    explicit LinuxCdDevice(int fd)
        : m_fd(fd)
    {
    }
    ~LinuxCdDevice() override { ::close(m_fd); }

    bool setRemovalLocked(bool locked) override
    {
        return ioctl(m_fd, CDROM_LOCKDOOR, locked ? 1 : 0) == 0;
    }

    bool readToc(unsigned char *toc, std::size_t size) override
    {
        cdrom_tochdr header{};
        if (ioctl(m_fd, CDROMREADTOCHDR, &header) != 0)
            return false;
        const int first = header.cdth_trk0;
        const int last = header.cdth_trk1;
        const int descriptors = last >= first ? last - first + 2 : 1;
        if (descriptors > TocMaxDescriptors ||
            size < 4 + std::size_t(descriptors) * TocDescriptorSize)
            return false;
        std::memset(toc, 0, size);
        const int length = 2 + descriptors * TocDescriptorSize;
        toc[0] = static_cast<unsigned char>(length >> 8);
        toc[1] = static_cast<unsigned char>(length & 0xff);
        toc[2] = header.cdth_trk0;
        toc[3] = header.cdth_trk1;
        for (int i = 0; i < descriptors; ++i) {
            cdrom_tocentry entry{};
            entry.cdte_track = i + 1 == descriptors ? CDROM_LEADOUT : std::uint8_t(first + i);
            entry.cdte_format = CDROM_MSF;
            if (ioctl(m_fd, CDROMREADTOCENTRY, &entry) != 0)
                return false;
            unsigned char *d = toc + 4 + i * TocDescriptorSize;
            d[1] = static_cast<unsigned char>((entry.cdte_adr << 4) | entry.cdte_ctrl);
            d[2] = entry.cdte_track;
            d[5] = entry.cdte_addr.msf.minute;
            d[6] = entry.cdte_addr.msf.second;
            d[7] = entry.cdte_addr.msf.frame;
        }
        return true;
    }

    bool readRawSectors(std::int32_t lba, std::uint32_t count, unsigned char *out,
                        std::size_t outSize) override
    {
        if (outSize < std::size_t(count) * RawSectorSize)
            return false;
        cdrom_read_audio request{};
        request.addr.lba = lba;
        request.addr_format = CDROM_LBA;
        request.nframes = int(count);
        request.buf = out;
        return ioctl(m_fd, CDROMREADAUDIO, &request) == 0;
    }

    bool eject() override { return ioctl(m_fd, CDROMEJECT, 0) == 0; }
    bool loadMedia() override { return ioctl(m_fd, CDROMCLOSETRAY, 0) == 0; }
    bool checkMedia() override
    {
        return ioctl(m_fd, CDROM_DRIVE_STATUS, CDSL_CURRENT) == CDS_DISC_OK;
    }

private:
    int m_fd;
};

class LinuxPlatform : public CdPlatform
{
public:
    std::unique_ptr<CdDevice> openDevice(const std::string &drive) override
    {
        const std::string path = linuxDevicePath(drive);
        if (path.empty())
            return nullptr;
        // Non-blocking, or the open fails while the tray is empty or open,
        // and the eject and load requests could never be issued.
        int fd;
        do {
            fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return nullptr;
        return std::make_unique<LinuxCdDevice>(fd);
    }

    std::string driveArgumentHelp() const override
    {
        return "<drive> is the drive's device, such as /dev/sr0 (a name without \"/\",\n"
               "such as sr1, means /dev/sr1); a drive letter (E, E: or E:\\) means the\n"
               "default drive, /dev/cdrom.";
    }
};

bool isDriveLetter(const std::string &drive)
{
    if (drive.empty() || !std::isalpha(static_cast<unsigned char>(drive[0])))
        return false;
    return drive.size() == 1 || drive == std::string(1, drive[0]) + ":" ||
           drive == std::string(1, drive[0]) + ":\\" || drive == std::string(1, drive[0]) + ":/";
}

} // namespace

// The device node for a drive argument. Linux has no drive letters, but
// callers written for them pass one: "E", "E:" and "E:\" all mean the system's
// default optical drive, /dev/cdrom. A bare name such as "sr1" lies in /dev;
// anything else is used as the path it is.
std::string linuxDevicePath(const std::string &drive)
{
    if (drive.empty())
        return std::string();
    if (isDriveLetter(drive))
        return "/dev/cdrom";
    if (drive.find('/') == std::string::npos)
        return "/dev/" + drive;
    return drive;
}

std::unique_ptr<CdPlatform> createNativePlatform()
{
    return std::make_unique<LinuxPlatform>();
}

} // namespace discpull
