#pragma once

#include <QString>

// What the conversion relies on of the two outside programs, in one place:
// their names, the encoder's arguments and the two stamps of its diagnostic
// text, and what its exit code means. The job builds the command line from
// these, the progress parser looks for the stamps, the window reads the
// exit code.
namespace encodercontract {

// Program names, looked up beside Tonewright, then on PATH (".exe" is added on Windows).
inline QString encoderName()
{
    return QStringLiteral("ffmpeg");
}
inline QString extractorName()
{
    return QStringLiteral("discpull");
}

// The encoder's arguments, in the order they are given.
inline constexpr char InputOption[] = "-i";     // then the input path
inline constexpr char OverwriteOption[] = "-y"; // the target is our own reservation
inline constexpr char BitrateOption[] = "-b:a"; // then the bitrate with "k"
inline constexpr char CodecOption[] = "-c:a";   // only for WMA, with WmaCodec
inline constexpr char WmaCodec[] = "wmav2";
inline constexpr char NoVideoOption[] = "-vn"; // then the target path

// Standard-error stamps, each followed by HH:MM:SS?hh: the input's length,
// printed once, and the position reached, printed repeatedly.
inline constexpr char16_t DurationStamp[] = u"Duration: ";
inline constexpr char16_t ProgressStamp[] = u"time=";

// Only this exit code means the target is complete.
inline constexpr int SuccessExitCode = 0;

} // namespace encodercontract
