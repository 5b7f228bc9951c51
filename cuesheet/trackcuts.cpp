// The tracks as they are cut from their files, in exact sample numbers,
// and what each cut file is tagged and called.
#include "cuesheet.h"
#include "cuesheet_p.h"

#include <limits>

namespace cuesheet {
using detail::shown;
using detail::tr;

namespace {

// 9999:59:74, the latest position a sheet can write.
constexpr qint64 LastFrame = (9999 * 60 + 59) * qint64(FramesPerSecond) + FramesPerSecond - 1;

QString twoDigits(qint64 number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString position(qint64 frames)
{
    return twoDigits(frames / (60 * FramesPerSecond)) + u':' +
           twoDigits(frames / FramesPerSecond % 60) + u':' + twoDigits(frames % FramesPerSecond);
}

QString duration(const Audio &audio)
{
    const qint64 seconds = audio.samples / audio.rate;
    return twoDigits(seconds / 60) + u':' + twoDigits(seconds % 60);
}

} // namespace

qint64 toSamples(qint64 frames, int rate)
{
    if (frames < 0 || rate <= 0 ||
        frames / FramesPerSecond > std::numeric_limits<qint64>::max() / rate)
        return -1;
    // frames * rate / 75 without forming frames * rate.
    return frames / FramesPerSecond * rate + frames % FramesPerSecond * rate / FramesPerSecond;
}

std::optional<QList<Cut>> cuts(const Sheet &sheet, const QList<Audio> &audio, QString *error)
{
    const auto fail = [&](const QString &message) {
        return detail::failed<QList<Cut>>(error, message);
    };
    const auto fileName = [&](int file) {
        return shown(detail::lastComponent(sheet.files.value(file)));
    };
    if (audio.size() != sheet.files.size())
        return fail(tr("The cue sheet names %1 files, but the audio of %2 was given.")
                        .arg(sheet.files.size())
                        .arg(audio.size()));
    if (sheet.tracks.isEmpty())
        return fail(tr("The cue sheet names no track."));
    QList<Cut> result;
    int file = -1; // the file of the track before
    for (int i = 0; i < sheet.tracks.size(); ++i) {
        const Track &track = sheet.tracks[i];
        const QString number = QString::number(track.number);
        if (track.file < 0 || track.file >= sheet.files.size() || track.start < 0 ||
            track.start > LastFrame)
            return fail(tr("Track %1 has no position in the cue sheet's files.").arg(number));
        if (track.file < file)
            return fail(tr("Track %1 lies in %2, a file ahead of the one of track %3.")
                            .arg(number, fileName(track.file),
                                 QString::number(sheet.tracks[i - 1].number)));
        if (track.file > file + 1)
            return fail(tr("No track starts in %1.").arg(fileName(file + 1)));
        const Audio &length = audio[track.file];
        if (length.rate <= 0)
            return fail(tr("The sample rate of %1 is not known.").arg(fileName(track.file)));
        qint64 start = toSamples(track.start, length.rate);
        if (length.samples >= 0 && start >= length.samples)
            return fail(
                tr("Track %1 starts at %2, after the end of %3 (%4).")
                    .arg(number, position(track.start), fileName(track.file), duration(length)));
        if (track.file != file) {
            if (track.file == 0 && start > 0)
                result.append(Cut{-1, 0, 0, 0, start});
            else
                start = 0; // a later file's audio ahead of its first track stays with it
        } else {
            Cut &before = result.last();
            if (start <= before.startSample)
                return fail(tr("Track %1 starts at %2, not after track %3 in %4.")
                                .arg(number, position(track.start),
                                     QString::number(sheet.tracks[i - 1].number),
                                     fileName(track.file)));
            before.endSample = start;
        }
        result.append(Cut{i, track.number, track.file, start, -1});
        file = track.file;
    }
    if (file + 1 < sheet.files.size())
        return fail(tr("No track starts in %1.").arg(fileName(file + 1)));
    return result;
}

QMap<QString, QStringList> trackTags(const Sheet &sheet, const Cut &cut, int trackCount)
{
    const Track *track =
        cut.track >= 0 && cut.track < sheet.tracks.size() ? &sheet.tracks[cut.track] : nullptr;
    QMap<QString, QStringList> tags;
    const auto put = [&](const char *key, const QString &value) {
        if (!value.trimmed().isEmpty())
            tags.insert(QLatin1String(key), {value.trimmed()});
    };
    // The first of the values that is not empty.
    const auto first = [](std::initializer_list<QString> values) {
        for (const QString &value : values) {
            if (!value.trimmed().isEmpty())
                return value;
        }
        return QString();
    };
    // A remark of the track, else of the album.
    const auto remark = [&](const char *key) {
        const QString name = QLatin1String(key);
        return first({track ? track->remarks.value(name) : QString(), sheet.remarks.value(name)});
    };

    put("ALBUM", sheet.title);
    put("ALBUMARTIST", sheet.performer);
    put("ARTIST", first({track ? track->performer : QString(), sheet.performer}));
    if (track) {
        put("TITLE", track->title);
        put("ISRC", track->isrc);
    }
    put("COMPOSER", first({track ? track->songwriter : QString(),
                           track ? track->remarks.value(QStringLiteral("COMPOSER")) : QString(),
                           sheet.songwriter, sheet.remarks.value(QStringLiteral("COMPOSER"))}));
    put("DATE", remark("DATE"));
    put("GENRE", remark("GENRE"));
    put("COMMENT", remark("COMMENT"));
    QString disc = remark("DISCNUMBER").trimmed();
    const QString discs = remark("TOTALDISCS").trimmed();
    if (!disc.isEmpty() && !discs.isEmpty() && !disc.contains(u'/'))
        disc += u'/' + discs;
    put("DISCNUMBER", disc);
    put("CATALOGNUMBER", sheet.catalog);
    put("TRACKNUMBER", trackCount > 0 ? QStringLiteral("%1/%2").arg(cut.number).arg(trackCount)
                                      : QString::number(cut.number));
    return tags;
}

QString trackBaseName(const Sheet &sheet, const Cut &cut)
{
    constexpr qsizetype MaxBytes = 200;
    QString name = twoDigits(cut.number);
    QString title = cut.track >= 0 && cut.track < sheet.tracks.size()
                        ? sheet.tracks[cut.track].title.trimmed()
                        : QString();
    if (title.isEmpty())
        return name;
    for (QChar &c : title) {
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    name += u' ';
    qsizetype bytes = name.size(); // ASCII so far
    qsizetype end = 0;
    while (end < title.size()) {
        const bool pair = title[end].isHighSurrogate() && end + 1 < title.size() &&
                          title[end + 1].isLowSurrogate();
        const char16_t u = title[end].unicode();
        const int size = pair ? 4 : u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
        if (bytes + size > MaxBytes)
            break;
        bytes += size;
        end += pair ? 2 : 1;
    }
    return name + title.left(end).trimmed();
}

} // namespace cuesheet
