#include "replaygain.h"

namespace replaygain {

namespace {
const char *const Words[] = {"album", "track", "off"};
}

std::optional<ReplayGain> fromWord(const QString &word)
{
    for (int i = 0; i < 3; ++i) {
        if (word == QLatin1String(Words[i]))
            return ReplayGain(i);
    }
    return std::nullopt;
}

QString word(ReplayGain choice)
{
    return QLatin1String(Words[int(choice)]);
}

} // namespace replaygain
