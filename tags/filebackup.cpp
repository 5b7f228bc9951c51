#include "filebackup_p.h"

#include <QDir>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace tags {
namespace {

// What a rewrite may add to the file: the bounded tags (tagmap.h), in UTF-8
// and spelt out twice in WAV's two lists, with room to spare.
constexpr qint64 RoomForTags = 64LL * 1024 * 1024;

// Copies length bytes from the start of from into to, from its start.
bool copyBytes(int from, int to, qint64 length)
{
    char buffer[1 << 16];
    for (qint64 done = 0; done < length;) {
        const ssize_t got = ::pread(from, buffer, size_t(qMin<qint64>(sizeof buffer, length - done)),
                                    off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        for (ssize_t put = 0; put < got;) {
            const ssize_t wrote = ::pwrite(to, buffer + put, size_t(got - put), off_t(done + put));
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0)
                return false;
            put += wrote;
        }
        done += got;
    }
    return true;
}

// A full disk makes the writes under TagLib fail without it noticing; the
// file is not touched unless there is room for what it may grow by.
bool hasRoom(int fd)
{
    struct statvfs disk;
    return ::fstatvfs(fd, &disk) == 0 &&
           qint64(disk.f_bavail) * qint64(disk.f_frsize) >= RoomForTags;
}

} // namespace

FileBackup::FileBackup(int fd)
    : m_fd(fd)
    , m_copy(QDir::tempPath() + QLatin1String("/tw-tags-XXXXXX"))
{
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || !hasRoom(fd) || !m_copy.open())
        return;
    m_size = qint64(status.st_size);
    m_valid = copyBytes(fd, int(m_copy.handle()), m_size);
}

bool FileBackup::restore()
{
    return m_valid && ::ftruncate(m_fd, off_t(m_size)) == 0 &&
           copyBytes(int(m_copy.handle()), m_fd, m_size) && ::fsync(m_fd) == 0;
}

} // namespace tags
