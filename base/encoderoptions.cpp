#include "encoderoptions.h"

namespace encoderoptions {

const QList<int> &volumes()
{
    static const QList<int> list = {25, 50, 75, 100, 125, 150, 175, 200, 250, 300, 350, 400};
    return list;
}

} // namespace encoderoptions

QStringList commandLineOptions(const EncoderOptions &options)
{
    QStringList arguments;
    const auto add = [&arguments](const char *name, const QString &value) {
        if (!value.isEmpty())
            arguments << QLatin1String("--") + QLatin1String(name) + QLatin1Char('=') + value;
    };
    if (options.volume != 100)
        add("volume", QString::number(options.volume));
    add("title", options.title);
    add("artist", options.artist);
    add("album", options.album);
    if (options.year > 0)
        add("year", QString::number(options.year));
    if (options.replayGain)
        add("replaygain", replaygain::word(*options.replayGain));
    return arguments;
}
