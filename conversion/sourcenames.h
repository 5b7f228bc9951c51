#pragma once

#include "conversionrequest.h"

#include <QString>

// What the window shows and the target is named after, read off the source's path.
namespace sourcenames {

// The part after the last "." of the path (the whole path when it has none),
// in upper case: the "AVI" of "Converting AVI to MP3".
QString extensionLabel(const QString &path);

// The last component of a path with native separators (the whole text when
// it has no separator).
QString fileNamePart(const QString &path);

// The file name of the source without its last extension; a name without a
// "." (or only a leading one) is kept whole, so that the target never ends
// up with an empty name.
QString baseName(const QString &source);

// The name the user knows a conversion by: a track's name ("03 Title"),
// else the source's file name.
QString shownName(const ConversionRequest &request);

} // namespace sourcenames
