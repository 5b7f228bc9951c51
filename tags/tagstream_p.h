#pragma once

#include <memory>

namespace TagLib {
class FileStream;
}

namespace tags {

// A TagLib stream on a duplicate of fd, so that closing the stream leaves
// fd open. Null when fd cannot be used as asked (writing needs a descriptor
// opened for reading and writing).
std::unique_ptr<TagLib::FileStream> streamOn(int fd, bool readOnly);

} // namespace tags
