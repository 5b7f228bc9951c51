#include "albumimage.h"

#include "audiolength.h"
#include "cdtrack.h"
#include "cuesheet.h"
#include "embeddedcue.h"
#include "filecopy.h"
#include "nametext.h"
#include "sourcenames.h"
#include "tagreader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <limits>

namespace albumimage {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("albumimage", text);
}

cuesheet::Audio audioOf(int fd)
{
    const tags::AudioLength length = tags::audioLength(fd);
    return cuesheet::Audio{length.rate, length.samples};
}

// The reason, after the name of the file it is about unless it names it first.
Tracks failed(const QString &source, const QString &reason)
{
    const QString name = sourcenames::fileNamePart(source);
    Tracks tracks;
    tracks.error = reason.startsWith(name + u':') ? reason
                                                   : QStringLiteral("%1: %2").arg(name, reason);
    return tracks;
}

// One request per cut of sheet, whose files are audioFiles. The album is
// called by the sheet's title, else by the name of the file it came from.
Tracks cut(const ConversionRequest &like, const cuesheet::Sheet &sheet,
           const QStringList &audioFiles, const QList<cuesheet::Audio> &audio)
{
    const QString album =
        sheet.title.isEmpty() ? sourcenames::baseName(like.source) : sheet.title;
    QString reason;
    const std::optional<QList<cuesheet::Cut>> cuts = cuesheet::cuts(sheet, audio, &reason);
    if (!cuts)
        return failed(like.source, reason);
    Tracks tracks;
    for (const cuesheet::Cut &cut : *cuts) {
        const cuesheet::Audio &from = audio[cut.file];
        ImageTrack track;
        track.span = SampleSpan{cut.startSample, cut.endSample, from.rate};
        track.name = cuesheet::trackBaseName(sheet, cut);
        track.tags = cuesheet::trackTags(sheet, cut, int(sheet.tracks.size()));
        track.album = album;
        track.sourceSamples = from.samples;
        const qint64 end = cut.endSample >= 0 ? cut.endSample : from.samples;
        if (end > cut.startSample)
            track.duration = qint32(qMin<qint64>((end - cut.startSample) * 100 / from.rate,
                                                  std::numeric_limits<qint32>::max()));
        ConversionRequest request = like;
        request.source = audioFiles[cut.file];
        request.target.clear();
        request.track = track;
        tracks.requests << request;
    }
    return tracks;
}

Tracks fromCueSheet(const ConversionRequest &like, const QByteArray &encoding)
{
    QString reason;
    const std::optional<cuesheet::Sheet> sheet =
        cuesheet::readFile(like.source, encoding, &reason);
    if (!sheet)
        return failed(like.source, reason);
    const QString folder = QFileInfo(like.source).absolutePath();
    QStringList audioFiles;
    QList<cuesheet::Audio> audio;
    for (const QString &entry : sheet->files) {
        const QString found = cuesheet::findAudio(folder, entry, &reason);
        const int fd = found.isEmpty() ? -1 : filecopy::openRegular(found);
        if (fd < 0)
            return failed(like.source, found.isEmpty() ? reason
                                                       : tr("%1 cannot be read.").arg(found));
        audio << audioOf(fd);
        ::close(fd);
        audioFiles << found;
    }
    return cut(like, *sheet, audioFiles, audio);
}

} // namespace

bool isCueSheet(const QString &path)
{
    return path.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive);
}

std::optional<Tracks> tracksOf(const ConversionRequest &like, const QByteArray &encoding)
{
    if (like.track || cdtrack::isCdTrack(like.source))
        return std::nullopt;
    if (isCueSheet(like.source))
        return fromCueSheet(like, encoding);
    // Only these formats carry a sheet inside; a selection of others costs
    // no extra read.
    static const QStringList carriers{QStringLiteral("flac"), QStringLiteral("wv"),
                                      QStringLiteral("ape")};
    if (!carriers.contains(QFileInfo(like.source).suffix().toLower()))
        return std::nullopt;
    const int fd = filecopy::openRegular(like.source);
    if (fd < 0)
        return std::nullopt; // the conversion tells what is wrong with it
    QString reason;
    const std::optional<cuesheet::Sheet> sheet =
        tags::embeddedCueSheet(fd, tags::readTags(fd), &reason);
    const cuesheet::Audio audio = sheet ? audioOf(fd) : cuesheet::Audio();
    ::close(fd);
    // A sheet inside that cannot be used leaves the image whole, as it was
    // before sheets were read: the file is the user's to convert either way.
    if (!sheet) {
        if (!reason.isEmpty())
            qWarning().noquote() << nametext::forTerminal(failed(like.source, reason).error);
        return std::nullopt;
    }
    // Every file the sheet names is the image itself.
    const QStringList audioFiles(sheet->files.size(), like.source);
    const QList<cuesheet::Audio> lengths(sheet->files.size(), audio);
    return cut(like, *sheet, audioFiles, lengths);
}

} // namespace albumimage
