#include "conversionjob.h"

#include "encodercontract.h"

#include <QDir>

namespace conversionjob {

QString extensionLabel(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? path : path.mid(dot + 1)).toUpper();
}

QString fileNamePart(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const qsizetype separator = native.lastIndexOf(QDir::separator());
    return separator < 0 ? native : native.mid(separator + 1);
}

QString baseName(const QString &source)
{
    const QString name = fileNamePart(source);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? name : name.left(dot);
}

QString withTrailingSeparator(const QString &directory)
{
    QString native = QDir::toNativeSeparators(directory);
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    return native;
}

namespace {
bool isOpus(const QString &format)
{
    return format == QLatin1String("opus");
}
} // namespace

bool keepsPicture(const QString &format)
{
    return format == QLatin1String("mp3") || format == QLatin1String("m4a") ||
           format == QLatin1String("flac");
}

bool needsSourceInfo(const QString &format, int bitrate)
{
    return keepsPicture(format) ||
           (isOpus(format) && bitrate > encodercontract::MaxOpusBitratePerChannel);
}

QStringList encoderArguments(const QString &input, int bitrate, const QStringList &extraArgs,
                             const QString &format, const QString &target,
                             const sourceprobe::SourceInfo &source)
{
    using namespace encodercontract;
    // An unknown channel count is taken as one: the rate is then one that
    // every source accepts.
    if (isOpus(format))
        bitrate = qMin(bitrate, MaxOpusBitratePerChannel * qMax(1, source.channels));
    QStringList arguments{QLatin1String(InputOption), input, QLatin1String(OverwriteOption),
                          QLatin1String(BitrateOption),
                          QString::number(bitrate) + QLatin1Char('k')};
    arguments += extraArgs;
    if (format == QLatin1String("wma"))
        arguments << QLatin1String(CodecOption) << QLatin1String(WmaCodec);
    else if (isOpus(format))
        arguments << QLatin1String(CodecOption) << QLatin1String(OpusCodec)
                  << QLatin1String(OpusRateModeOption) << QLatin1String(OpusRateMode);
    // Every format takes the first audio stream, so a source with several
    // gives the same one whatever it is converted to.
    arguments << QLatin1String(MapOption) << QLatin1String(FirstAudioStream);
    if (keepsPicture(format) && source.pictureStream >= 0) {
        arguments << QLatin1String(MapOption) << QStringLiteral("0:%1").arg(source.pictureStream)
                  << QLatin1String(PictureCodecOption) << QLatin1String(CopyCodec);
    } else {
        arguments << QLatin1String(NoVideoOption);
    }
    arguments << target;
    return arguments;
}

} // namespace conversionjob
