#include "settings.h"

#include <QFileInfo>
#include <QSettings>

namespace {
constexpr char StoreName[] = "Tonewright";
}

QString readSetting(const QString &key)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(StoreName));
    const QVariant value = store.value(key);
    if (!value.isValid() || !value.canConvert<QString>())
        return QString();
    return value.toString();
}

void writeSetting(const QString &key, const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(StoreName));
    store.setValue(key, value);
}

namespace settings {

int bitrateFromText(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 32 || value > 320 || value % 32 != 0)
        return DefaultBitrate;
    return value;
}

TargetRule targetRuleFromText(const QString &text)
{
    // QFileInfo("") would stand for the working directory; a first run has
    // no stored value and must not write into wherever it was started from.
    if (!text.isEmpty() && QFileInfo(text).isDir())
        return TargetRule::Directory;
    if (text == QLatin1String("ask"))
        return TargetRule::Ask;
    return TargetRule::SameAsSource;
}

bool sendReportsFromText(const QString &text)
{
    return text != QLatin1String("false");
}

ReplayGain replayGainFromText(const QString &text)
{
    return replaygain::fromWord(text).value_or(ReplayGain::Album);
}

} // namespace settings
