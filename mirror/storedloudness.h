#pragma once

#include "loudness.h"

#include <QByteArray>

#include <optional>

// A track's measured loudness as the mirror's database keeps it, so that
// an album's values can be computed again when some of its tracks change
// without converting the others again.
namespace storedloudness {

// Two bytes a block (one every 100 ms): its loudness to 1/512 LU, every
// block at or under the absolute gate as one value; the peak in full.
QByteArray pack(const loudness::TrackLoudness &track);
// None when the bytes are not a packed track.
std::optional<loudness::TrackLoudness> unpack(const QByteArray &bytes);

} // namespace storedloudness
