// Slots as flock() locks: the kernel drops them with the last descriptor,
// whatever way the process ends. A lock file exists only while its slot is
// held: the holder unlinks it before letting go, and a process that locked a
// file which was unlinked meanwhile lets go and tries again.
#include "encoderslot_p.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool stillNamedBy(int fd, const QByteArray &path)
{
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
} // namespace

std::unique_ptr<EncoderSlot::Lock> EncoderSlot::Lock::tryLock(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !stillNamedBy(fd, name)) {
        ::close(fd);
        return nullptr;
    }
    auto lock = std::make_unique<Lock>();
    lock->handle = fd;
    lock->path = name;
    return lock;
}

EncoderSlot::Lock::~Lock()
{
    if (handle < 0)
        return;
    ::unlink(path.constData());
    ::close(int(handle));
}
