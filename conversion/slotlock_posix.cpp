// Slots as flock() locks: the kernel drops them with the last descriptor,
// whatever way the process ends. A lock file exists only while its slot is
// held: the holder unlinks it before letting go, and a process that locked a
// file which was unlinked meanwhile lets go and tries again.
#include "slotlock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace slotlock {

Outcome preparePrivateFolder(const Path &folder)
{
    // Where the folder is shared (the temporary directory) another user may
    // have made it first: check what is there now, without following links.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return Outcome::Unusable;
    struct stat info = {};
    if (::lstat(folder.c_str(), &info) != 0)
        return errno == ENOENT ? Outcome::Vanished : Outcome::Unusable;
    const bool mine =
        S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
    return mine ? Outcome::Ok : Outcome::Unusable;
}

Attempt tryLock(const Path &file)
{
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return {errno == ENOENT || errno == EINTR ? Outcome::Vanished : Outcome::Unusable};
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) {
        ::close(fd);
        return {Outcome::Unusable};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return {Outcome::Busy};
        return {error == EINTR ? Outcome::Vanished : Outcome::Unusable};
    }
    struct stat named = {};
    if (::lstat(file.c_str(), &named) != 0 || named.st_dev != opened.st_dev ||
        named.st_ino != opened.st_ino) {
        ::close(fd);
        return {Outcome::Vanished};
    }
    return {Outcome::Ok, fd};
}

void unlock(Handle handle, const Path &file)
{
    ::unlink(file.c_str());
    ::close(int(handle));
}

void removeFolder(const Path &folder)
{
    ::rmdir(folder.c_str());
}

} // namespace slotlock
