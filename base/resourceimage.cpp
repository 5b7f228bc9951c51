#include "resourceimage.h"

#include <QImageReader>

#include <cmath>

namespace resourceimage {

namespace {

QImage read(const QString &path)
{
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// "name@2x.png" for "name.png".
QString variant(const QString &path, int scale)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

} // namespace

QPixmap pixmap(const QString &path, qreal devicePixelRatio)
{
    // A ratio of 1.25 takes the @2x picture down rather than the 1x one up.
    const int wanted = qBound(1, int(std::ceil(devicePixelRatio - 0.01)), 3);
    for (int scale = wanted; scale > 1; --scale) {
        QImage image = read(variant(path, scale));
        if (!image.isNull()) {
            image.setDevicePixelRatio(scale);
            return QPixmap::fromImage(image);
        }
    }
    return QPixmap::fromImage(read(path));
}

QIcon icon(const QString &path)
{
    QIcon icon(pixmap(path));
    for (int scale : {2, 3}) {
        const QImage image = read(variant(path, scale));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace resourceimage
