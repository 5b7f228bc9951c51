#pragma once

#include <QString>

// Picks the target file of a conversion. The first free name of
// base.format, base_1.format, base_2.format, ... is created exclusively and
// left behind as an empty file: that file is the reservation, so two
// conversions started at the same moment can never pick the same name, and
// the encoder (told to overwrite) later replaces it with the result.
namespace targetreservation {

// directory must end with a separator. Returns the reserved path, or an empty
// text when the directory does not let us create a file.
QString reserve(const QString &directory, const QString &base, const QString &format);

// Removes what is at the reserved path when it is a plain file (our empty
// reservation or a partial result); never follows or removes anything else.
void release(const QString &path);

} // namespace targetreservation
