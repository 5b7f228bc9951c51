#pragma once

#include "tagmap.h"

namespace tags {

// The tags of the open file fd, in any format TagLib knows (found from its
// content), within the limits of tagmap.h. fd stays open and is only read.
SourceTags readTags(int fd);
// The same for the file at path, opened for reading.
SourceTags readTags(const QString &path);

// map within the limits of tagmap.h; count is raised by the values left out.
TagMap bounded(const TagMap &map, int *dropped = nullptr);

} // namespace tags
