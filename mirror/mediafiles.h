#pragma once

#include <QString>

// Which files of a folder the mirror takes, by name alone.
namespace mediafiles {

// A sound or video file of a type the file-manager verbs offer conversion
// for (the desktop entry's MIME types, by their usual extensions).
bool isMedia(const QString &name);

// A cover picture, copied beside the tracks as it is.
bool isCover(const QString &name);

// A playlist (.m3u, .m3u8), rewritten for the mirror's names.
bool isPlaylist(const QString &name);

// The part after the last "." in lower case; empty when there is none.
QString extension(const QString &name);

} // namespace mediafiles
