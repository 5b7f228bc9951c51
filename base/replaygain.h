#pragma once

#include <QString>

#include <optional>

// Which gain tags a conversion writes: the album's too (the tracks of one
// folder make an album), the track's only, or none, and then nothing is
// measured. The settings store the same words the command line takes.
enum class ReplayGain { Album, Track, Off };

namespace replaygain {

// Exactly "album", "track" or "off"; none for anything else.
std::optional<ReplayGain> fromWord(const QString &word);
QString word(ReplayGain choice);

} // namespace replaygain
