#include "heldsource.h"

#include <QFile>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace heldsource {
namespace {

Failure typeFailure(const struct stat &info)
{
    return S_ISREG(info.st_mode) ? Failure::None : Failure::NotAFile;
}

Failure missing()
{
    return errno == ENOENT || errno == ENOTDIR ? Failure::Gone : Failure::Replaced;
}

} // namespace

HeldSource select(const QString &path, Failure *failure)
{
    const QByteArray name = QFile::encodeName(path);
    HeldSource source;
    struct stat named;
    struct stat info;
    Failure reason = Failure::None;
    if (::lstat(name.constData(), &named) != 0) {
        reason = Failure::Gone;
    } else if (!S_ISLNK(named.st_mode)) {
        info = named;
        reason = typeFailure(info);
    } else if (::stat(name.constData(), &info) != 0) {
        reason = Failure::Gone; // a link pointing nowhere
    } else {
        reason = typeFailure(info);
    }
    if (failure)
        *failure = reason;
    if (reason != Failure::None)
        return source;
    source.m_path = path;
    source.m_device = quint64(info.st_dev);
    source.m_inode = quint64(info.st_ino);
    source.m_wasLink = S_ISLNK(named.st_mode);
    return source;
}

HeldSource::HeldSource(HeldSource &&other) noexcept
    : m_path(std::exchange(other.m_path, QString()))
    , m_device(other.m_device)
    , m_inode(other.m_inode)
    , m_wasLink(other.m_wasLink)
    , m_fd(std::exchange(other.m_fd, -1))
{
}

HeldSource &HeldSource::operator=(HeldSource &&other) noexcept
{
    if (this != &other) {
        close();
        m_path = std::exchange(other.m_path, QString());
        m_device = other.m_device;
        m_inode = other.m_inode;
        m_wasLink = other.m_wasLink;
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

HeldSource::~HeldSource()
{
    close();
}

void HeldSource::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

// A regular file was selected: anything else now is another file, also
// where a number freed by a deleted file was given to the newcomer. (A
// regular file that gets the number is one its maker could read anyway.)
bool HeldSource::sameFile(const struct stat &info) const
{
    return S_ISREG(info.st_mode) && quint64(info.st_dev) == m_device &&
           quint64(info.st_ino) == m_inode;
}

Failure HeldSource::open()
{
    close();
    if (m_path.isEmpty())
        return Failure::Gone;
    const QByteArray name = QFile::encodeName(m_path);
    // A look first, so that a device put in the file's place is not even
    // opened; the descriptor's own check below is what counts.
    struct stat info;
    if ((m_wasLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return missing();
    if (!sameFile(info))
        return Failure::Replaced;

    // Non-blocking, so that a FIFO swapped in meanwhile cannot hold us.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (m_wasLink ? 0 : O_NOFOLLOW);
    int fd = -1;
    do {
        fd = ::open(name.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno == ELOOP ? Failure::Replaced : missing();
    if (::fstat(fd, &info) != 0 || !sameFile(info)) {
        ::close(fd);
        return Failure::Replaced;
    }
    m_fd = fd;
    return Failure::None;
}

int HeldSource::descriptor() const
{
    return m_fd;
}

QString HeldSource::toolPath() const
{
    if (m_fd < 0)
        return QString();
    return QStringLiteral("/proc/self/fd/") + QString::number(m_fd);
}

} // namespace heldsource
