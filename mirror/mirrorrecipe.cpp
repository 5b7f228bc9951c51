#include "mirrorrecipe.h"

#include "conversionjob.h"
#include "settings.h"

namespace mirrorrecipe {

Recipe forRun(const QString &format, const EncoderOptions &given, const Services &services)
{
    Recipe recipe;
    recipe.options = given;
    const ReplayGain gain = ConversionJob::replayGain({{}, format, given, {}}, services);
    const bool album = gain == ReplayGain::Album;
    recipe.options.replayGain = album ? ReplayGain::Track : gain;
    const int bitrate =
        settings::bitrateFromText(services.readSetting(QLatin1String(settings::BitrateKey)));
    QStringList text{format, QString::number(bitrate)};
    text << commandLineOptions(recipe.options);
    // Loudness values leave the audio alone: a source already in the format
    // is copied whatever they are.
    const bool plain = given.volume == 100 && given.title.isEmpty() && given.artist.isEmpty() &&
                       given.album.isEmpty() && given.year == 0;
    recipe.settings = {format, text.join(u' '), plain, album};
    recipe.settings.bitrate = bitrate;
    return recipe;
}

} // namespace mirrorrecipe
