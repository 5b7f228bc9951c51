#pragma once

#include "tagmap.h"

#include <functional>

// The simple tags of a finished Matroska file, edited in place: TagLib 1.13
// has no Matroska, and the encoder writes the tags ahead of the audio.
namespace tags::matroska {

// Rewrites the simple tags of the open Matroska file fd (opened for reading
// and writing; it stays open): change is given the text tags of all its
// Tag elements (upper-case names, the room left out) and returns those it
// should hold. Tags whose values change become EBML Void elements; new ones
// take the place of the room (see matroskaroom.h) or of Void elements in
// the global tag, and the room always goes. Nothing moves: every size keeps
// its width and the file its length, so seek positions and cues hold.
// False, with the file untouched, when the file is not one the editor
// understands (damaged, truncated, tags after the audio, more than it
// reads) or the new tags do not fit.
bool rewriteTags(int fd, const std::function<TagMap(const TagMap &)> &change);

} // namespace tags::matroska
