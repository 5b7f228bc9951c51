#pragma once

#include <QString>

// The conversion windows' texts for the numbers of a conversion, which the
// terminal view shows too.
namespace progresstext {

// The time-remaining label; empty from one hour on, where the label keeps
// what it showed.
QString timeRemaining(qint64 remainingMs);

// The speed label for whole seconds of media per second.
QString speed(qint64 secondsPerSecond);

// A selection's count: "12 of 40 converted", with ", 3 failed" once any has.
QString selectionCount(int converted, int failed, int total);
// A selection's failures at its end: "3 of 40 files could not be converted."
QString failedFiles(int failed, int total);
// "Rock: no album values, as not every track was converted."
QString albumWithoutValues(const QString &folder);

} // namespace progresstext
