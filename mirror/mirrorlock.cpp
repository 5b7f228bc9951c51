#include "mirrorlock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

MirrorLock::~MirrorLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

MirrorLock::Result MirrorLock::take(const QString &root, QString *error)
{
    if (m_fd >= 0)
        return Result::Taken;
    if (!QDir().mkpath(root)) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return Result::Failed;
    }
    m_fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return Result::Failed;
    }
    if (flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return Result::Taken;
    const int why = errno;
    ::close(m_fd);
    m_fd = -1;
    if (why == EWOULDBLOCK)
        return Result::Busy;
    *error = QString::fromLocal8Bit(std::strerror(why));
    return Result::Failed;
}
