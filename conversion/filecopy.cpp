#include "filecopy.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filecopy {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

int openRegular(const QString &path, bool *notRegular)
{
    if (notRegular)
        *notRegular = false;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    const bool read = ::fstat(fd, &st) == 0;
    if (read && S_ISREG(st.st_mode))
        return fd;
    const int why = read ? EINVAL : errno;
    if (notRegular)
        *notRegular = read;
    ::close(fd);
    errno = why;
    return -1;
}

bool copy(const QString &from, const QString &to, bool exclusive, QString *error)
{
    bool notRegular = false;
    const int in = openRegular(from, &notRegular);
    if (in < 0) {
        *error = notRegular ? QCoreApplication::translate("MirrorSession", "not a regular file")
                            : systemError();
        return false;
    }
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC);
    const int out = ::open(QFile::encodeName(to).constData(), flags, 0666);
    bool ok = out >= 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (ok) {
        const ssize_t got = ::read(in, buffer.data(), size_t(buffer.size()));
        if (got == 0)
            break;
        ok = got > 0;
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t put = ::write(out, buffer.constData() + done, size_t(got - done));
            ok = put > 0;
            done += put;
        }
    }
    if (!ok)
        *error = systemError();
    ::close(in);
    if (out >= 0) {
        ::close(out);
        // What this call made alone is its to take away again.
        if (!ok && exclusive)
            ::unlink(QFile::encodeName(to).constData());
    }
    return ok;
}

bool flush(const QString &path, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const bool done = fd >= 0 && ::fsync(fd) == 0;
    if (!done)
        *error = systemError();
    if (fd >= 0)
        ::close(fd);
    return done;
}

} // namespace filecopy
