#pragma once

#include "tagmap.h"

namespace tags {

// The tags of the open file fd, in any format TagLib knows (found from its
// content), within the limits of tagmap.h. fd stays open and is only read.
SourceTags readTags(int fd);
// The same for the file at path, opened for reading.
SourceTags readTags(const QString &path);

// map within the limits of tagmap.h, the common keys (title, numbers,
// identifiers, loudness, ...) kept before any other; dropped is raised by
// the values left out.
TagMap bounded(const TagMap &map, int *dropped = nullptr);

// Whether key is one of the fields players show or use.
bool isCommonKey(const QString &key);

} // namespace tags
