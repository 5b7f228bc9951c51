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

// The tags of a track cut from an album image: the sheet's values for the
// track over the image's own, less what belonged to the whole image (its
// title, numbers, loudness values and the cue sheet itself). Always
// readable: the sheet's values are known whatever the image's format.
SourceTags imageTrackTags(const SourceTags &image, const TagMap &track);

// Whether key is one of the fields players show or use.
bool isCommonKey(const QString &key);

} // namespace tags
