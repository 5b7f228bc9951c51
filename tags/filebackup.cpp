#include "filebackup_p.h"

#include "fileio_p.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tags {
namespace {

// A file up to this size is kept aside in memory: most targets are, and a
// temporary file costs a create, a write and an unlink on disk for each.
constexpr qint64 KeptInMemory = 16LL * 1024 * 1024;
// A larger one too when its medium has no room for a copy beside it.
constexpr qint64 KeptInMemoryAtMost = 512LL * 1024 * 1024;

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

// Free bytes on fd's medium; none when it cannot be told (some FUSE
// drivers report a medium of no blocks at all).
std::optional<qint64> freeRoom(int fd)
{
    struct statvfs disk;
    if (::fstatvfs(fd, &disk) != 0 || disk.f_blocks == 0)
        return std::nullopt;
    return qint64(disk.f_bavail) * qint64(disk.f_frsize);
}

// The folder of the open file fd, where a copy of it may go.
QString folderOf(int fd)
{
    const QString path =
        QFile::symLinkTarget(QStringLiteral("/proc/self/fd/") + QString::number(fd));
    return path.isEmpty() ? QString() : QFileInfo(path).path();
}

} // namespace

FileBackup::FileBackup(int fd, qint64 growth)
    : m_fd(fd)
{
    // A full disk makes the writes under TagLib fail without it noticing;
    // the file is not touched unless there is room for what it may grow by.
    struct stat status;
    const std::optional<qint64> room = freeRoom(fd);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || (room && *room < growth))
        return;
    m_size = qint64(status.st_size);
    const QString folder = folderOf(fd);
    // Where the room is not told, only what memory holds is risked.
    const bool besideFits = room && !folder.isEmpty() && *room - growth >= m_size;
    if (m_size <= KeptInMemory || (!besideFits && m_size <= KeptInMemoryAtMost)) {
        m_bytes.resize(m_size);
        m_valid = readAt(fd, m_bytes.data(), m_size, 0);
        return;
    }
    if (!besideFits)
        return;
    m_copy = std::make_unique<QTemporaryFile>(folder + QLatin1String("/.tonewright-tags-XXXXXX"));
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
