#include "targetreservation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <limits>
#include <utility>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace targetreservation {
namespace {

#ifndef Q_OS_WIN
// Creates path exclusively; a link standing there counts as taken, and it
// is never followed. Open for reading too: the tags are written through it
// once the encoder is done. The descriptor, or -errno.
int createExclusively(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    for (;;) {
        const int fd =
            ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EINTR)
            return -errno;
    }
}

#else
// Name based: the encoder opens the name again, as the file itself cannot
// be handed to it.
int createExclusively(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return 0;
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return -EEXIST;
    return path.size() > 255 ? -ENAMETOOLONG : -EACCES;
}
#endif

#ifndef Q_OS_WIN
// Makes folder and its missing parents, never through a link.
bool makeFolders(const QString &folder, QStringList *made)
{
    struct stat info;
    const QByteArray name = QFile::encodeName(folder);
    if (::lstat(name.constData(), &info) == 0)
        return S_ISDIR(info.st_mode);
    const QString parent = QFileInfo(folder).path();
    if (parent == folder || !makeFolders(parent, made))
        return false;
    if (::mkdir(name.constData(), 0777) == 0) {
        made->append(folder);
        return true;
    }
    // Another run made it meanwhile.
    return errno == EEXIST && ::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}
#else
bool makeFolders(const QString &folder, QStringList *made)
{
    const QFileInfo info(folder);
    if (info.exists())
        return info.isDir() && !info.isSymLink();
    const QString parent = info.path();
    if (parent == folder || !makeFolders(parent, made) || !QDir().mkdir(folder))
        return false;
    made->append(folder);
    return true;
}
#endif

} // namespace

Reservation::Reservation(Reservation &&other) noexcept
    : m_path(std::exchange(other.m_path, QString()))
    , m_fd(std::exchange(other.m_fd, -1))
{
}

Reservation &Reservation::operator=(Reservation &&other) noexcept
{
    if (this != &other) {
        close();
        m_path = std::exchange(other.m_path, QString());
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

Reservation::~Reservation()
{
    close();
}

void Reservation::close()
{
#ifndef Q_OS_WIN
    if (m_fd >= 0)
        ::close(m_fd);
#endif
    m_fd = -1;
}

void Reservation::keep()
{
    close();
    m_path.clear();
}

#ifndef Q_OS_WIN

QString Reservation::encoderPath() const
{
    if (m_fd < 0)
        return QString();
    return QStringLiteral("/proc/self/fd/") + QString::number(m_fd);
}

namespace {

// Whether named (a file's status) is the regular file open as fd.
bool isOpenFile(const struct stat &named, int fd)
{
    struct stat open;
    return ::fstat(fd, &open) == 0 && S_ISREG(named.st_mode) && named.st_dev == open.st_dev &&
           named.st_ino == open.st_ino;
}

} // namespace

bool Reservation::isIntact() const
{
    struct stat named;
    return m_fd >= 0 && ::lstat(QFile::encodeName(m_path).constData(), &named) == 0 &&
           isOpenFile(named, m_fd);
}

int Reservation::descriptor() const
{
    return m_fd;
}

bool Reservation::isOnFullMedium() const
{
    // Less than what one more block of audio needs; a medium that tells no
    // size at all is not taken for full.
    constexpr qint64 Nearly = 256 * 1024;
    struct statvfs disk;
    return m_fd >= 0 && ::fstatvfs(m_fd, &disk) == 0 && disk.f_blocks > 0 &&
           qint64(disk.f_bavail) * qint64(disk.f_frsize) < Nearly;
}

bool Reservation::isOnGoneMedium() const
{
    struct statvfs disk;
    return m_fd >= 0 && (::fstatvfs(m_fd, &disk) != 0 ? isGoneError(errno)
                                                       : targetreservation::isOnGoneMedium(m_path));
}

int Reservation::reopen() const
{
    if (m_fd < 0)
        return -1;
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat named;
    if (fd >= 0 && ::fstat(fd, &named) == 0 && isOpenFile(named, m_fd))
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

qint64 Reservation::size() const
{
    struct stat open;
    if (m_fd < 0 || ::fstat(m_fd, &open) != 0)
        return -1;
    return open.st_size;
}

void Reservation::release()
{
    if (m_fd < 0)
        return;
    // unlink() removes a link itself, never what it points to; what stands
    // at the name and is not ours stays.
    if (isIntact())
        ::unlink(QFile::encodeName(m_path).constData());
    else
        (void)::ftruncate(m_fd, 0); // whatever name it has now, it holds nothing
    close();
    m_path.clear();
}

bool isGoneError(int error)
{
    return error == ENOTCONN || error == ENODEV || error == ENXIO || error == EIO ||
           error == ESHUTDOWN;
}

bool isOnGoneMedium(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0 && isGoneError(errno);
}

#else

QString Reservation::encoderPath() const
{
    return m_path;
}

bool Reservation::isIntact() const
{
    const QFileInfo info(m_path);
    return m_fd >= 0 && !info.isSymLink() && info.isFile();
}

int Reservation::descriptor() const
{
    return -1;
}

int Reservation::reopen() const
{
    return -1;
}

bool Reservation::isOnFullMedium() const
{
    return false;
}

bool Reservation::isOnGoneMedium() const
{
    return false;
}

bool isGoneError(int)
{
    return false;
}

bool isOnGoneMedium(const QString &)
{
    return false;
}

qint64 Reservation::size() const
{
    return m_fd >= 0 ? QFileInfo(m_path).size() : -1;
}

void Reservation::release()
{
    if (isIntact())
        QFile::remove(m_path);
    close();
    m_path.clear();
}

#endif

Reservation reserve(const QString &directory, const QString &base, const QString &format,
                    Failure *failure)
{
    Failure reason = Failure::NotWritable;
    for (int counter = 0;; ++counter) {
        const QString suffix =
            counter == 0 ? QString() : QLatin1Char('_') + QString::number(counter);
        const QString path = directory + base + suffix + QLatin1Char('.') + format;
        const int fd = createExclusively(path);
        if (fd >= 0) {
            Reservation reservation;
            reservation.m_path = path;
            reservation.m_fd = fd;
            if (failure)
                *failure = Failure::None;
            return reservation;
        }
        // A file, folder or link, even one pointing nowhere: the next name.
        if (fd == -EEXIST && counter < std::numeric_limits<int>::max())
            continue;
        if (fd == -ENAMETOOLONG)
            reason = Failure::NameTooLong;
        break;
    }
    if (failure)
        *failure = reason;
    return Reservation();
}

Reservation create(const QString &path, QStringList *madeFolders, Failure *failure)
{
    if (failure)
        *failure = Failure::NotWritable;
    if (!makeFolders(QFileInfo(path).path(), madeFolders))
        return Reservation();
    const int fd = createExclusively(path);
    if (fd < 0) {
        if (failure && fd == -ENAMETOOLONG)
            *failure = Failure::NameTooLong;
        return Reservation();
    }
    Reservation reservation;
    reservation.m_path = path;
    reservation.m_fd = fd;
    if (failure)
        *failure = Failure::None;
    return reservation;
}

} // namespace targetreservation
