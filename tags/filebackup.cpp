#include "filebackup_p.h"

#include "fileio_p.h"

#include <QDir>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tags {
namespace {

// What a rewrite may add to the file: the bounded tags (tagmap.h), in UTF-8
// and spelt out twice in WAV's two lists, with room to spare.
constexpr qint64 RoomForTags = 64LL * 1024 * 1024;

// A file up to this size is kept aside in memory: most targets are, and a
// temporary file costs a create, a write and an unlink on disk for each.
constexpr qint64 KeptInMemory = 16LL * 1024 * 1024;

// Copies length bytes from the start of from into to, from its start.
bool copyBytes(int from, int to, qint64 length)
{
    char buffer[1 << 16];
    for (qint64 done = 0; done < length;) {
        const qint64 piece = qMin<qint64>(sizeof buffer, length - done);
        if (!readAt(from, buffer, piece, done) || !writeAt(to, buffer, piece, done))
            return false;
        done += piece;
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
{
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || !hasRoom(fd))
        return;
    m_size = qint64(status.st_size);
    if (m_size <= KeptInMemory) {
        m_bytes.resize(m_size);
        m_valid = readAt(fd, m_bytes.data(), m_size, 0);
        return;
    }
    m_copy = std::make_unique<QTemporaryFile>(QDir::tempPath() + QLatin1String("/tw-tags-XXXXXX"));
    m_valid = m_copy->open() && copyBytes(fd, int(m_copy->handle()), m_size);
}

FileBackup::~FileBackup() = default;

bool FileBackup::restore()
{
    if (!m_valid || ::ftruncate(m_fd, off_t(m_size)) != 0)
        return false;
    return m_copy ? copyBytes(int(m_copy->handle()), m_fd, m_size)
                  : writeAt(m_fd, m_bytes.constData(), m_size, 0);
}

} // namespace tags
