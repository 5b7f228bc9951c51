#pragma once

#include "replaygain.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The volume, tags and gain tags chosen for a conversion, whether in the advanced
// options dialog or as options on the command line. Only the conversion
// turns them into encoder arguments (encoderarguments::optionArguments), so
// a script gets exactly what the dialog would have given.
struct EncoderOptions
{
    int volume = 100; // percent; 100 leaves the volume alone
    QString title;    // empty: not set
    QString artist;
    QString album;
    int year = 0; // 0: not set
    // --replaygain=; none: the stored setting decides.
    std::optional<ReplayGain> replayGain;

    bool operator==(const EncoderOptions &other) const
    {
        return volume == other.volume && title == other.title && artist == other.artist &&
               album == other.album && year == other.year && replayGain == other.replayGain;
    }
};

namespace encoderoptions {

// The volumes the dialog offers, in percent.
const QList<int> &volumes();
constexpr int FirstYear = 1000;
constexpr int LastYear = 9999;

} // namespace encoderoptions

// The options as the command line takes them, one argument each, only those set.
QStringList commandLineOptions(const EncoderOptions &options);
