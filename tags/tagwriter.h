#pragma once

#include "encoderoptions.h"
#include "tagmap.h"

#include <functional>

namespace tags {

// Whether this library writes the tags of a target format. For Matroska
// (mka) the encoder copies every source tag itself; only values measured
// while encoding are added, into the room it was asked to leave (see
// matroskaroom.h).
bool canWrite(const QString &format);

// The tags a target gets: the source's (or, when the source's format is
// unknown here, what the encoder copied), the options over them (title,
// artist, album, year), then extra (measured values such as
// REPLAYGAIN_TRACK_GAIN or, for opus, R128_TRACK_GAIN) over everything. A
// source's loudness values no longer hold when the volume was changed and
// are left out then; an album image's cue sheet (CUESHEET) always is. Track
// and disc numbers are spelt the way format keeps them: "3/12" in one
// field, or a number and a total in Vorbis comments.
TagMap targetTags(const QString &format, const SourceTags &source, const TagMap &encoderCopy,
                  const EncoderOptions &options, const TagMap &extra = {});

// Writes the tags of targetTags() into the finished target, the open file
// fd (opened for reading and writing; it stays open), in the format's own
// fields. Covers already in the file stay as they are. False when the
// format is not one canWrite() accepts or the file could not be written.
bool writeTags(int fd, const QString &format, const SourceTags &source,
               const EncoderOptions &options, const TagMap &extra = {});

// Rewrites the tags of the open file fd: change is given the tags it holds
// and returns those it should hold.
bool rewriteTags(int fd, const QString &format,
                 const std::function<TagMap(const TagMap &)> &change);

} // namespace tags
