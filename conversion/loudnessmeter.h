#pragma once

#include "loudness.h"

#include <QByteArray>

#include <limits>
#include <optional>

// Reads what the encoder's loudness meter (see encoderarguments::build())
// writes into its error output: a line for every block, and a summary with
// the peak when the encoder ends. It is fed the same chunks as the progress
// parser, before it, and hands on the chunk without the block lines, which
// would otherwise fill the text kept for a bug report. Only the block values
// are kept, never their text.
class LoudnessMeter
{
public:
    QByteArray feed(const QByteArray &chunk);

    // The track's blocks and peak, to be read once the encoder has exited
    // with success; none when it summed up no block (it failed, was stopped,
    // or the audio is shorter than a block).
    std::optional<loudness::TrackLoudness> result() const;

private:
    void readLine(QByteArrayView line, QByteArray &passed);

    loudness::TrackLoudness m_track;
    bool m_summarised = false;
    bool m_inSummary = false;
    double m_peakDb = -std::numeric_limits<double>::infinity();
    // The start of a line that may be the meter's, until its end arrives.
    QByteArray m_pending;
};
