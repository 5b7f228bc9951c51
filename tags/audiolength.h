#pragma once

#include <QString>
#include <QtGlobal>

namespace tags {

// How long a file's audio is, read from its headers (no decoding).
struct AudioLength
{
    int rate = 0;        // samples a second; 0 when unknown
    qint64 samples = -1; // -1 when unknown
};

// The audio of the open file fd (only read; it stays open): exact for the
// formats whose headers count their samples (FLAC, WAV, AIFF, WavPack,
// Monkey's Audio, TTA), from the length in milliseconds for others.
AudioLength audioLength(int fd);

} // namespace tags
