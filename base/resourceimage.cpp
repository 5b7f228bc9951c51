#include "resourceimage.h"

#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <cmath>
#include <future>
#include <memory>
#include <vector>

namespace resourceimage {

namespace {

QImage decode(const QString &file)
{
    QImageReader reader(file, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Files another thread reads or has read and nobody has taken yet, by name
// (GUI thread only).
QHash<QString, std::shared_future<QImage>> &readingAhead()
{
    static auto *files = new QHash<QString, std::shared_future<QImage>>;
    return *files;
}

QImage read(const QString &file)
{
    const auto ahead = readingAhead().find(file);
    if (ahead != readingAhead().end()) {
        const QImage image = ahead->get();
        // Taken once: the pixmap made of it is what is kept.
        readingAhead().erase(ahead);
        // A task dropped unrun left it null: read here.
        if (!image.isNull())
            return image;
    }
    return decode(file);
}

// "name@2x.png" for "name.png".
QString variant(const QString &path, int scale)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

int wantedScale(qreal devicePixelRatio)
{
    // A ratio of 1.25 takes the @2x picture down rather than the 1x one up.
    return qBound(1, int(std::ceil(devicePixelRatio - 0.01)), 3);
}

QString firstFile(const QString &path, qreal devicePixelRatio)
{
    const int scale = wantedScale(devicePixelRatio);
    return scale > 1 ? variant(path, scale) : path;
}

// The variants read when the icon is first asked for a size, and shared
// by its copies from then on.
class PictureIconEngine final : public QIconEngine
{
public:
    explicit PictureIconEngine(const QString &path)
        : m_path(path)
        , m_icon(std::make_shared<QIcon>())
    {
    }

    QIconEngine *clone() const override { return new PictureIconEngine(*this); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    // Without reading it: the picture is there when its file is.
    bool isNull() override { return m_icon->isNull() && !QFileInfo::exists(m_path); }

private:
    const QIcon &icon()
    {
        if (m_icon->isNull()) {
            QIcon made(resourceimage::pixmap(m_path, 1));
            for (int scale : {2, 3}) {
                const QImage image = resourceimage::read(variant(m_path, scale));
                if (!image.isNull())
                    made.addPixmap(QPixmap::fromImage(image));
            }
            *m_icon = made;
        }
        return *m_icon;
    }

    QString m_path;
    std::shared_ptr<QIcon> m_icon;
};

} // namespace

QPixmap pixmap(const QString &path, qreal devicePixelRatio)
{
    for (int scale = wantedScale(devicePixelRatio); scale > 1; --scale) {
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
    // window; both share one engine, and so what it reads. Kept to the end
    // of the process: pictures are not to be freed after the application
    // object is gone.
    static auto *made = new QHash<QString, QIcon>;
    const auto found = made->constFind(path);
    if (found != made->cend())
        return *found;
    const QIcon icon(new PictureIconEngine(path));
    made->insert(path, icon);
    return icon;
}

std::function<void()> readAhead(const QStringList &paths, qreal devicePixelRatio)
{
    struct Reading
    {
        QStringList files;
        std::vector<std::promise<QImage>> images;
        bool done = false;

        ~Reading()
        {
            if (!done) {
                for (auto &image : images)
                    image.set_value(QImage());
            }
        }
    };
    auto reading = std::make_shared<Reading>();
    for (const QString &path : paths) {
        const QString file = firstFile(path, devicePixelRatio);
        if (reading->files.contains(file) || readingAhead().contains(file))
            continue;
        reading->files << file;
        reading->images.emplace_back();
        readingAhead().insert(file, reading->images.back().get_future().share());
    }
    return [reading] {
        if (std::exchange(reading->done, true))
            return;
        for (qsizetype i = 0; i < reading->files.size(); ++i)
            reading->images[size_t(i)].set_value(decode(reading->files.at(i)));
    };
}

} // namespace resourceimage
