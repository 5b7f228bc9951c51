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

QStringList encoderArguments(const QString &input, int bitrate, const QStringList &extraArgs,
                             const QString &format, const QString &target)
{
    using namespace encodercontract;
    QStringList arguments{QLatin1String(InputOption), input, QLatin1String(OverwriteOption),
                          QLatin1String(BitrateOption),
                          QString::number(bitrate) + QLatin1Char('k')};
    arguments += extraArgs;
    if (format == QLatin1String("wma"))
        arguments << QLatin1String(CodecOption) << QLatin1String(WmaCodec);
    arguments << QLatin1String(NoVideoOption) << target;
    return arguments;
}

} // namespace conversionjob
