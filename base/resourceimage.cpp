#include "resourceimage.h"

#include <QImageReader>

namespace resourceimage {

QPixmap pixmap(const QString &path)
{
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon icon(const QString &path)
{
    return QIcon(pixmap(path));
}

} // namespace resourceimage
