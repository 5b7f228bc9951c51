#include "imagetracks.h"

#include "albumimage.h"
#include "mediafiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace imagetracks {

namespace {

const QString TrackMark = QStringLiteral(" #track:");

// What the sheet makes of a track, as one digest: a corrected title or a
// moved boundary changes it, and with it the track's recipe.
QString digestOf(const ImageTrack &track)
{
    QByteArray text = QByteArray::number(track.span.start) + ' ' +
                      QByteArray::number(track.span.end) + ' ' +
                      QByteArray::number(track.span.rate) + '\n' + track.name.toUtf8() + '\n';
    for (auto it = track.tags.cbegin(); it != track.tags.cend(); ++it)
        text += it.key().toUtf8() + '=' + it.value().join(QChar(0)).toUtf8() + '\n';
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex());
}

// The track's share of its image's bytes, so that a guess of what the
// outputs take counts the image once over all its tracks.
qint64 shareOf(const ImageTrack &track, qint64 imageSize, qint64 imageSamples, int tracks)
{
    const qint64 end = track.span.end >= 0 ? track.span.end : imageSamples;
    if (imageSamples <= 0 || end <= track.span.start)
        return imageSize / qMax(tracks, 1);
    return qint64(double(imageSize) * double(end - track.span.start) / double(imageSamples));
}

} // namespace

QString recipe(const QString &runRecipe, const treewalk::SourceFile &track)
{
    return runRecipe + TrackMark + track.trackDigest;
}

bool isTrack(const MirrorRecord &record)
{
    static const QRegularExpression mark(QStringLiteral(" #track:[0-9a-f]{40}$"));
    return mark.match(record.recipe).hasMatch();
}

QString imageOf(const QString &track)
{
    return track.left(track.lastIndexOf(u'/'));
}

Cut cut(const QString &folder, const treewalk::Result &walk,
        const QHash<QString, MirrorRecord> &records, const QByteArray &encoding)
{
    Cut result;
    result.walk.error = walk.error;
    result.walk.stopped = walk.stopped;
    result.walk.leftOut = walk.leftOut;
    const QDir root(folder);
    QHash<QString, const treewalk::SourceFile *> byPath;
    for (const treewalk::SourceFile &file : walk.files)
        byPath.insert(file.path, &file);
    // Images cut at the last run, whose records say so.
    QSet<QString> wereCut;
    for (const MirrorRecord &record : records) {
        if (isTrack(record))
            wereCut.insert(imageOf(record.source));
    }

    QList<treewalk::SourceFile> tracks;
    const auto take = [&](const albumimage::Tracks &cut) {
        for (const ConversionRequest &request : cut.requests) {
            const QString image = QDir::fromNativeSeparators(root.relativeFilePath(request.source));
            const treewalk::SourceFile *file = byPath.value(image);
            if (!file)
                continue; // not one of the folder's files (hidden, a link)
            treewalk::SourceFile track;
            track.path = image + u'/' + request.track->name + u'.' + QFileInfo(image).suffix();
            track.modified = file->modified;
            track.size = shareOf(*request.track, file->size, request.track->sourceSamples,
                                 int(cut.requests.size()));
            track.trackDigest = digestOf(*request.track);
            track.outputStem = request.track->name;
            result.images.insert(image);
            result.requests.insert(track.path, request);
            tracks << track;
        }
    };
    // The file's tracks taken, or, when its sheet cannot be used, the
    // reason, naming the file as the folder holds it.
    const auto cutFile = [&](const treewalk::SourceFile &file) {
        ConversionRequest like;
        like.source = root.filePath(file.path);
        const std::optional<albumimage::Tracks> cut = albumimage::tracksOf(like, encoding);
        if (!cut)
            return;
        if (cut->error.isEmpty()) {
            take(*cut);
            return;
        }
        QString reason = cut->error;
        const QString name = file.path.section(u'/', -1);
        if (reason.startsWith(name + u':'))
            reason.replace(0, name.size(), file.path);
        result.walk.leftOut.append({file.path, treewalk::Reason::UnusableSheet, reason});
    };
    // The sheets first: an image they cut is not looked into.
    for (const treewalk::SourceFile &file : walk.files) {
        if (file.sheet)
            cutFile(file);
    }
    for (const treewalk::SourceFile &file : walk.files) {
        if (file.sheet || file.cover || file.playlist || result.images.contains(file.path))
            continue;
        // An image unchanged since it was converted whole holds no sheet.
        const auto known = records.constFind(file.path);
        const bool unchanged = known != records.cend() && known->sourceSize == file.size &&
                               known->sourceModified == file.modified;
        if (!unchanged || wereCut.contains(file.path))
            cutFile(file);
    }
    for (const treewalk::SourceFile &file : walk.files) {
        if (!file.sheet && !result.images.contains(file.path))
            result.walk.files << file;
    }
    result.walk.files << tracks;
    return result;
}

} // namespace imagetracks
