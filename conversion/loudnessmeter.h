#pragma once

#include "blockloudness.h"
#include "loudness.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

// Reads the WAV stream that the encoder writes to its standard output while
// it converts (see encoderarguments::build()): the audio after the volume
// change, as 32-bit float frames at the source's rate. Fed each chunk as it
// arrives, it measures as it goes and keeps no more than a part of a frame
// or of a chunk header between chunks.
class LoudnessMeter
{
public:
    void feed(QByteArrayView chunk);

    // The track's blocks and peak, to be read once the encoder has exited
    // with success (no blocks: shorter than a block); none when no audio in
    // a form it measures came.
    std::optional<loudness::TrackLoudness> result() const;

private:
    enum class Part { Riff, ChunkHeader, Format, Skipped, Samples, Refused };

    // How many of the bytes it took; the rest waits for more.
    qsizetype read(QByteArrayView data);
    bool readFormat(QByteArrayView body);

    Part m_part = Part::Riff;
    qint64 m_left = 0; // of the format or skipped chunk
    int m_channels = 0;
    std::optional<BlockLoudness> m_blocks;
    QByteArray m_pending; // the start of what read() could not take yet
    std::vector<float> m_frames;
};
