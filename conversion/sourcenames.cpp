#include "sourcenames.h"

#include <QDir>

namespace sourcenames {

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

QString shownName(const ConversionRequest &request)
{
    return request.track ? request.track->name : fileNamePart(request.source);
}

} // namespace sourcenames
