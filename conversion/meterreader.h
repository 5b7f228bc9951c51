#pragma once

#include "loudness.h"

#include <optional>
#include <thread>

// The encoder's metered audio (see encoderarguments::build()), read from a
// pipe of its own and measured on a thread of its own: however busy the
// event loop is, the encoder never waits on a full pipe, and the measuring
// costs the event loop nothing.
class MeterReader
{
public:
    MeterReader();
    // Stops reading at once, whether or not the stream has ended.
    ~MeterReader();
    MeterReader(const MeterReader &) = delete;
    MeterReader &operator=(const MeterReader &) = delete;

    // The end the encoder writes to, as its standard output; negative when
    // no pipe could be made (nothing is measured then).
    int encoderEnd() const { return m_write; }
    // The encoder has been started (or could not be): this process lets go
    // of its end, so that the stream ends when the encoder does.
    void encoderStarted();
    // Once the encoder has exited: waits for the rest of the stream and
    // gives what it measured (see LoudnessMeter::result()).
    std::optional<loudness::TrackLoudness> result();

private:
    void read();

    int m_read = -1;
    int m_write = -1;
    int m_wake[2] = {-1, -1}; // written to stop the reader
    std::optional<loudness::TrackLoudness> m_result;
    std::thread m_thread;
};
