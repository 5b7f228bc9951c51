#pragma once

#include "cuesheet.h"
#include "tagmap.h"

#include <optional>

namespace tags {

// The cue sheet inside the image open at fd (read only, stays open): the
// text of a CUESHEET Vorbis comment or APEv2 Cuesheet item (source: its
// tags as readTags() read them, so that the file is not read twice), else a
// FLAC CUESHEET block, which gives positions, numbers, ISRCs and the
// catalogue number but no titles. A text that cannot be used gives way to a
// usable block. Sheet::files is one entry standing for the image itself:
// the name as the text gave it, empty for a block. Nothing when the image
// holds no sheet; nothing with a reason (error non-empty) when it holds one
// that cannot be used (unreadable, several FILE entries, a damaged block).
std::optional<cuesheet::Sheet> embeddedCueSheet(int fd, const SourceTags &source, QString *error);

// Whether the tag key is that of an embedded sheet, which a track cut from
// the image must not carry: CUESHEET in any case.
bool isCueSheetKey(const QString &key);

} // namespace tags
