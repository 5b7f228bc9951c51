#include "tagstream_p.h"

#include <taglib/tfilestream.h>

#include <fcntl.h>
#include <unistd.h>

namespace tags {

std::unique_ptr<TagLib::FileStream> streamOn(int fd, bool readOnly)
{
    if (fd < 0)
        return nullptr;
    // TagLib closes the descriptor it is given.
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return nullptr;
    // The stream reads from where the descriptor stands, which is shared
    // with the copy.
    if (::lseek(copy, 0, SEEK_SET) != 0) {
        ::close(copy);
        return nullptr;
    }
    auto stream = std::make_unique<TagLib::FileStream>(copy, readOnly);
    // A stream that did not open left the copy to us.
    if (!stream->isOpen()) {
        ::close(copy);
        return nullptr;
    }
    // A stream asked to write falls back to reading only when it cannot.
    if (!readOnly && stream->readOnly())
        return nullptr;
    return stream;
}

} // namespace tags
