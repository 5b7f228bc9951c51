#pragma once

#include "mirrorplan.h"

#include <QString>

// What a run will write, guessed before it writes anything, and whether
// that fits the medium. The guess works from names and sizes alone: no
// source is opened at plan time.
namespace spaceestimate {

// The size of what the run's settings make of a source of this name and size.
qint64 outputSize(const QString &source, qint64 size, const mirrorplan::Settings &settings);

// What the step adds to the medium once done: its output less the one it
// replaces (negative when the new one is smaller); 0 for a step that writes nothing.
qint64 added(const mirrorplan::Step &step, const mirrorplan::Settings &settings);

// What the plan's writing steps add together.
qint64 needed(const mirrorplan::Plan &plan, const mirrorplan::Settings &settings);

// Whether needed is more than free even if the guess is well over the mark.
// free < 0: unknown, which never refuses.
bool clearlyShort(qint64 needed, qint64 free);

// Turns the writing steps from the first that would take the total past
// free (keeping room for the largest output once more) into Later, so that
// the run writes what fits in plan order; returns how many it turned.
int leaveWhatDoesNotFit(mirrorplan::Plan *plan, const mirrorplan::Settings &settings, qint64 free);

// What path's file system still lets an ordinary writer have; -1 when it cannot be read.
qint64 freeSpace(const QString &path);

// "Music (MP3) needs about 2.1 GB; the stick has 1.4 GB free."
QString shortText(const QString &root, qint64 needed, qint64 free, bool portable);

} // namespace spaceestimate
