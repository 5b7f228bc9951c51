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
// Reads what a source holds (its streams) before the encoder starts.
inline QString proberName()
{
    return QStringLiteral("ffprobe");
}
inline QString extractorName()
{
    return QStringLiteral("discpull");
}

// The encoder's arguments, in the order they are given.
// Before the input: it is opened only as one of the real media containers
// (FormatWhitelist), and only as a local file, so that a playlist, a list of
// files or a manifest posing as a song never makes the encoder read the
// files it names.
inline constexpr char FormatWhitelistOption[] = "-format_whitelist";
inline constexpr char ProtocolWhitelistOption[] = "-protocol_whitelist";
inline constexpr char FileProtocol[] = "file";
inline constexpr char InputOption[] = "-i";     // then the input path
inline constexpr char SeekOption[] = "-ss";     // before the input: where to start reading it
inline constexpr char OverwriteOption[] = "-y"; // the target is our own reservation
inline constexpr char BitrateOption[] = "-b:a"; // then the bitrate with "k"
inline constexpr char CodecOption[] = "-c:a";   // only for WMA and Opus
inline constexpr char WmaCodec[] = "wmav2";
inline constexpr char OpusCodec[] = "libopus";
// Opus varies its rate freely by default: a pure tone comes out far above
// the rate asked for and noise far below. Constrained, the file has the
// rate the settings name, as the other lossy formats do.
inline constexpr char OpusRateModeOption[] = "-vbr";
inline constexpr char OpusRateMode[] = "constrained";
inline constexpr char MapOption[] = "-map";           // then a stream of the input
inline constexpr char FirstAudioStream[] = "0:a:0";   // the one audio stream converted
inline constexpr char AllVideoStreams[] = "0:v?";     // with a cover, less the real video:
inline constexpr char NoRealVideoStreams[] = "-0:V?"; // the attached pictures alone
inline constexpr char PictureCodecOption[] = "-c:v";  // with CopyCodec: the cover as it is
inline constexpr char CopyCodec[] = "copy";
inline constexpr char NoVideoOption[] = "-vn"; // when no cover is kept
// Measuring the loudness: the first audio stream, after any volume change,
// is split in a graph of filters; one branch is encoded (mapped by its
// label), the other goes out on standard output as a WAV stream of float
// frames, without tags, for LoudnessMeter. So the source is decoded once
// and measured outside the encoder's thread.
inline constexpr char FilterGraphOption[] = "-filter_complex";
inline constexpr char FirstAudioInput[] = "[0:a:0]";
inline constexpr char SplitForMeter[] = "asplit=2[encoded][metered]";
inline constexpr char MeteredAudioStream[] = "[metered]";
inline constexpr char EncodedAudioStream[] = "[encoded]";
inline constexpr char MetadataSourceOption[] = "-map_metadata";
inline constexpr char NoMetadata[] = "-1";
inline constexpr char MeterCodec[] = "pcm_f32le";
inline constexpr char MeterMuxer[] = "wav";
inline constexpr char StandardOutput[] = "pipe:1";
// The target path names the open reservation, not a file with an
// extension, so the container is named outright; then the target path.
inline constexpr char MuxerOption[] = "-f";

// libopus refuses more than this many kb/s per channel.
inline constexpr int MaxOpusBitratePerChannel = 256;

// Standard-error stamps, each followed by HH:MM:SS?hh: the input's length,
// printed once, and the position reached, printed repeatedly.
inline constexpr char16_t DurationStamp[] = u"Duration: ";
inline constexpr char16_t ProgressStamp[] = u"time=";

// What the encoder writes when the input is not one of the allowed containers.
inline constexpr char16_t NotOnWhitelistText[] = u"Format not on whitelist";
// Its final statistics: the size of the audio written, and the line it adds
// when nothing at all was written.
inline constexpr char16_t AudioSizeStamp[] = u"audio:";
inline constexpr char16_t NothingEncodedText[] = u"Output file is empty, nothing was encoded";
// What it writes when the target's disk is full (the C library's words: the
// encoder sets no locale).
inline constexpr char16_t NoSpaceText[] = u"No space left on device";

// Only this exit code means the target is complete.
inline constexpr int SuccessExitCode = 0;

} // namespace encodercontract
