#pragma once

#include "conversionrequest.h"
#include "encoderoptions.h"
#include "sourceprobe.h"

#include <QString>
#include <QStringList>

// The encoder's command line for a conversion, and the report of a failed one.
namespace encoderarguments {

// Formats whose files hold a cover picture where players look for it.
bool keepsPicture(const QString &format);

// Whether the arguments for this format and bitrate depend on what the
// source holds (Opus above one channel's most), so that it is worth probing.
bool needsSourceInfo(const QString &format, int bitrate);

// The encoder arguments for the volume and tags, in the options dialog's
// order: title, album, artist, year, then the volume filter; one list
// element per argument, texts exactly as given.
QStringList optionArguments(const EncoderOptions &options);
// The options that such arguments stand for; other arguments are passed over.
EncoderOptions optionsFromArguments(const QStringList &arguments);

// The encoder's container for a target format (the muxer it would pick for
// the extension); empty for a format it is not given.
QString muxerFor(const QString &format);

// The containers the encoder may open a source as: every real audio and
// video container people keep music in, none that names other files.
QString mediaContainers();

// The options before the input: only those containers, only local files.
QStringList inputGuards();

// The encoder's argument list: the input guards, input, bitrate, the
// options' arguments, the codec for wma and opus, the first audio stream
// and, for formats that keep one and unless keepCover is false, the
// source's covers copied as they are (otherwise no video), the container
// and the target. target is the path the encoder writes to (see
// Reservation::encoderPath()). With measureLoudness the audio, after the
// volume change, also goes to the encoder's standard output, for
// LoudnessMeter to measure in the same pass; the target stays the last
// argument. With a span only those samples are converted: the input is
// seeked to the hundredth of a second before the span (when it starts
// after the first second), so that only the span is decoded, and cut to
// the sample after that.
QStringList build(const QString &input, int bitrate, const EncoderOptions &options,
                  const QString &format, const QString &target,
                  const sourceprobe::SourceInfo &source = {}, bool keepCover = true,
                  bool measureLoudness = false, const std::optional<SampleSpan> &span = {});

// The report of a failed conversion: the encoder's arguments joined with
// "&&", then "##", then its error output. The user's home folder shows as "~"
// in both, wherever it begins a path ("/home/ann/x.flac" gives "~/x.flac",
// "/home/annie" stays), so that neither the user's name nor the home path
// leaves the machine.
QString bugReportText(const QStringList &arguments, const QString &errorText, const QString &home);

// The same with nothing private in it. Every path in the arguments and in
// the text (the input after "-i", userSource, the source's own name, the
// path the encoder wrote to, which is the last argument, and userTarget,
// the target's own name), and each of their file names, also as the
// encoder prints control characters ('?'), becomes a placeholder that keeps
// only a real extension ("<source>.mp4", "<target>.mp3", "<source>"). The
// values of "-metadata" arguments and every line that may quote a tag (see
// withoutTagLines()) are left out.
QString privateFreeReport(const QStringList &arguments, const QString &errorText,
                          const QString &home, const QString &userSource,
                          const QString &userTarget);

// The encoder's text without the lines that may quote a tag: its
// "Metadata:" blocks (such a line and the lines below it indented further),
// lines with characters other than printable ASCII (the encoder's own words
// are ASCII, so anything else came from the file) and warnings that quote a
// picture's declared type.
QString withoutTagLines(const QString &text);

} // namespace encoderarguments
