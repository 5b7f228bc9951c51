#pragma once

#include <QString>

// Finds the helper programs (the encoder, discpull): beside the program
// first, then on PATH.
namespace toollocator {

// "ffmpeg" on Linux, "ffmpeg.exe" on Windows.
QString executableName(const QString &baseName);

// The program's own directory with native separators and a trailing separator.
QString programDirectory();

// The full path of the tool, or the path beside the program when it is found
// nowhere (so that a "not found" message and the start attempt name one place).
QString locate(const QString &baseName);

} // namespace toollocator
