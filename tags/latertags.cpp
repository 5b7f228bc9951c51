#include "latertags.h"

#include "tagwriter.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tags {

FileIdentity identityOf(int fd)
{
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0)
        return FileIdentity();
    return FileIdentity{quint64(status.st_dev), quint64(status.st_ino)};
}

FileIdentity identityAt(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return FileIdentity();
    return FileIdentity{quint64(status.st_dev), quint64(status.st_ino)};
}

bool addTags(const QString &path, const FileIdentity &identity, const QString &format,
             const TagMap &values)
{
    if (!identity.isValid() || !canWrite(format))
        return false;
    // Non-blocking: a pipe put in the file's place must not hold us up
    // before it can be told apart.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    bool written = false;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        quint64(status.st_dev) == identity.device && quint64(status.st_ino) == identity.inode) {
        written = rewriteTags(fd, format, [&values](const TagMap &current) {
            TagMap map = current;
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                map.insert(it.key().toUpper(), it.value());
            return map;
        });
    }
    ::close(fd);
    return written;
}

} // namespace tags
