#pragma once

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

// The encoder's argument list: input, bitrate, the options' arguments, the
// codec for wma and opus, the first audio stream and, for formats that keep
// one and unless keepCover is false, the source's covers copied as they are
// (otherwise no video), target.
QStringList build(const QString &input, int bitrate, const EncoderOptions &options,
                  const QString &format, const QString &target,
                  const sourceprobe::SourceInfo &source = {}, bool keepCover = true);

// The report of a failed conversion: the encoder's arguments joined with
// "&&", then "##", then its error output. The user's home folder shows as "~"
// in both, wherever it begins a path ("/home/ann/x.flac" gives "~/x.flac",
// "/home/annie" stays), so that neither the user's name nor the home path
// leaves the machine.
QString bugReportText(const QStringList &arguments, const QString &errorText, const QString &home);

} // namespace encoderarguments
