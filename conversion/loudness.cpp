#include "loudness.h"

#include <QtMath>

#include <limits>

namespace loudness {

namespace {

constexpr double AbsoluteGate = -70.0;
constexpr double RelativeGate = -10.0;
constexpr double ReplayGainReference = -18.0;
constexpr double R128Reference = -23.0;

double energy(double lufs)
{
    return std::pow(10.0, lufs / 10.0);
}

// Mean loudness of the blocks above the gate, none when there are none.
std::optional<double> meanAbove(const QList<QList<float>> &programme, double gate)
{
    double sum = 0.0;
    qint64 count = 0;
    for (const QList<float> &blocks : programme) {
        for (const float block : blocks) {
            if (block > gate) {
                sum += energy(block);
                ++count;
            }
        }
    }
    if (count == 0)
        return std::nullopt;
    return 10.0 * std::log10(sum / double(count));
}

bool isOpus(const QString &format)
{
    return format == QLatin1String("opus");
}

QMap<QString, QString> tags(const char *scope, std::optional<double> loudness, double peak,
                            const QString &format)
{
    QMap<QString, QString> result;
    if (!loudness)
        return result;
    const QLatin1String name(scope);
    if (isOpus(format)) {
        // Opus has no peak tag; its header's output gain stays 0.
        result.insert(QLatin1String("R128_") + name + QLatin1String("_GAIN"),
                      QString::number(r128Gain(*loudness)));
        return result;
    }
    result.insert(QLatin1String("REPLAYGAIN_") + name + QLatin1String("_GAIN"),
                  gainText(*loudness));
    result.insert(QLatin1String("REPLAYGAIN_") + name + QLatin1String("_PEAK"), peakText(peak));
    return result;
}

} // namespace

std::optional<double> integrated(const QList<QList<float>> &programme)
{
    const std::optional<double> ungated = meanAbove(programme, AbsoluteGate);
    if (!ungated)
        return std::nullopt;
    return meanAbove(programme, qMax(AbsoluteGate, *ungated + RelativeGate));
}

QString gainText(double loudness)
{
    // Rounded first, so that a gain of -0.001 does not read "-0.00 dB".
    const double gain = std::round((ReplayGainReference - loudness) * 100.0) / 100.0;
    return QString::number(gain == 0.0 ? 0.0 : gain, 'f', 2) + QLatin1String(" dB");
}

QString peakText(double peak)
{
    return QString::number(peak, 'f', 6);
}

int r128Gain(double loudness)
{
    const double steps = std::round((R128Reference - loudness) * 256.0);
    return int(qBound<double>(std::numeric_limits<qint16>::min(), steps,
                              std::numeric_limits<qint16>::max()));
}

QMap<QString, QString> trackTags(const TrackLoudness &track, const QString &format)
{
    return tags("TRACK", integrated({track.blocks}), track.peak, format);
}

QMap<QString, QString> albumTags(const QList<TrackLoudness> &album, const QString &format)
{
    QList<QList<float>> programme;
    double peak = 0.0;
    for (const TrackLoudness &track : album) {
        programme.append(track.blocks);
        peak = qMax(peak, track.peak);
    }
    return tags("ALBUM", integrated(programme), peak, format);
}

} // namespace loudness
