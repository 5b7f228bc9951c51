#include "fileio_p.h"

#include <unistd.h>

#include <cerrno>

namespace tags {

bool readAt(int fd, char *data, qint64 length, qint64 offset)
{
    for (qint64 done = 0; done < length;) {
        const ssize_t got = ::pread(fd, data + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

bool writeAt(int fd, const char *data, qint64 length, qint64 offset)
{
    for (qint64 done = 0; done < length;) {
        const ssize_t wrote =
            ::pwrite(fd, data + done, size_t(length - done), off_t(offset + done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

} // namespace tags
