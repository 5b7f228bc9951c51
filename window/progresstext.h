#pragma once

#include <QString>

// The conversion window's texts for the numbers the progress parser gives.
namespace progresstext {

// The time-remaining label; empty from one hour on, where the label keeps
// what it showed.
QString timeRemaining(qint64 remainingMs);

// The speed label for whole seconds of media per second.
QString speed(qint64 secondsPerSecond);

} // namespace progresstext
