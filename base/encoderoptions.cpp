#include "encoderoptions.h"

namespace encoderoptions {

namespace {

// The encoder's volume filter takes a factor; the list offers percentages.
// Integer arithmetic keeps the text free of locale and rounding noise:
// 25 -> 0.25, 150 -> 1.5, 400 -> 4.
QString volumeFactor(int percent)
{
    QString text = QString::number(percent / 100);
    const int hundredths = percent % 100;
    if (hundredths == 0)
        return text;
    QString fraction = QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return text + QLatin1Char('.') + fraction;
}

} // namespace

const QList<int> &volumes()
{
    static const QList<int> list = {25, 50, 75, 100, 125, 150, 175, 200, 250, 300, 350, 400};
    return list;
}

QStringList encoderArguments(const EncoderOptions &options)
{
    // Texts go out exactly as typed; the process launcher does the quoting.
    QStringList arguments;
    const auto addTag = [&arguments](const QString &key, const QString &value) {
        if (value.isEmpty())
            return;
        arguments << QStringLiteral("-metadata") << key + QLatin1Char('=') + value;
    };
    addTag(QStringLiteral("title"), options.title);
    addTag(QStringLiteral("album"), options.album);
    // "artist" and "date" are the keys the encoder maps onto every container's
    // own tag; "author" and "year" were silently dropped by most of them.
    addTag(QStringLiteral("artist"), options.artist);
    if (options.year > 0)
        addTag(QStringLiteral("date"), QString::number(options.year));
    if (options.volume != 100 && options.volume > 0)
        arguments << QStringLiteral("-filter:a")
                  << QStringLiteral("volume=") + volumeFactor(options.volume);
    return arguments;
}

} // namespace encoderoptions
