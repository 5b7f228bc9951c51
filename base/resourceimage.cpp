#include "resourceimage.h"

#include <QHash>
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
    // The program's icon is asked for by the application and again by its
    // window; it is read once. Kept to the end of the process: pictures are
    // not to be freed after the application object is gone.
    static auto *made = new QHash<QString, QIcon>;
    const auto found = made->constFind(path);
    if (found != made->cend())
        return *found;
    QIcon icon(pixmap(path));
    for (int scale : {2, 3}) {
        const QImage image = read(variant(path, scale));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    made->insert(path, icon);
    return icon;
}

} // namespace resourceimage
