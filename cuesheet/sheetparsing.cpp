// The sheet's text read line by line, each line once: the commands that
// say where tracks lie and what they are called, every number checked.
//
// Choices where sheets differ:
//  - Commands and REM keys are read in any case; unknown commands, PREGAP,
//    POSTGAP, FLAGS and CDTEXTFILE are passed over.
//  - A quoted text may lack its closing quote (it runs to the line's end);
//    an unquoted TITLE, PERFORMER, ... value is the rest of the line.
//  - An unquoted FILE name may hold spaces: the last word is its type when
//    it holds no dot ("FILE My Album.wav WAVE", "FILE My Album.flac").
//  - A data track (TRACK 02 MODE1/2352) is an error: its bytes are not
//    audio, and cutting the audio around it would number the tracks wrong.
//  - Tracks are numbered in increasing order (gaps in the numbering are
//    allowed); the index numbers of a track increase, and so do their
//    positions while they lie in one file.
#include "cuesheet.h"
#include "cuesheet_p.h"

namespace cuesheet {
using detail::shown;
using detail::tr;

namespace {

// Splits the next word or quoted text off rest.
QStringView token(QStringView &rest)
{
    rest = rest.trimmed();
    QStringView word;
    if (rest.startsWith(u'"')) {
        const qsizetype close = rest.indexOf(u'"', 1);
        word = close < 0 ? rest.sliced(1) : rest.sliced(1, close - 1);
        rest = close < 0 ? QStringView() : rest.sliced(close + 1);
        return word;
    }
    qsizetype end = 0;
    while (end < rest.size() && !rest[end].isSpace())
        ++end;
    word = rest.first(end);
    rest = rest.sliced(end);
    return word;
}

// A value: the quoted text, or the rest of the line.
QString value(QStringView rest)
{
    rest = rest.trimmed();
    return (rest.startsWith(u'"') ? token(rest) : rest).trimmed().toString();
}

QString fileName(QStringView rest)
{
    rest = rest.trimmed();
    if (rest.startsWith(u'"'))
        return token(rest).toString();
    qsizetype space = rest.size();
    while (space > 0 && !rest[space - 1].isSpace())
        --space;
    if (space > 0 && !rest.sliced(space).contains(u'.'))
        rest = rest.first(space);
    return rest.trimmed().toString();
}

// A number of one or two digits, or -1.
int smallNumber(QStringView word)
{
    if (word.isEmpty() || word.size() > 2)
        return -1;
    int number = 0;
    for (const QChar c : word) {
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

// minutes:seconds:frames (up to 9999:59:74) in frames, or -1.
qint64 position(QStringView word)
{
    qint64 parts[3] = {0, 0, 0};
    const int longest[3] = {4, 2, 2};
    int part = 0;
    int digits = 0;
    for (const QChar c : word) {
        if (c == u':' && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else if (c >= u'0' && c <= u'9' && digits < longest[part]) {
            parts[part] = parts[part] * 10 + (c.unicode() - u'0');
            ++digits;
        } else {
            return -1;
        }
    }
    if (part != 2 || digits == 0 || parts[1] >= 60 || parts[2] >= FramesPerSecond)
        return -1;
    return (parts[0] * 60 + parts[1]) * FramesPerSecond + parts[2];
}

} // namespace

std::optional<Sheet> parse(const QString &text, QString *error)
{
    if (text.size() > MaxSheetBytes)
        return detail::failed<Sheet>(
            error, tr("The cue sheet is larger than %1 KB; a real one is a few kilobytes.")
                       .arg(MaxSheetBytes / 1024));
    Sheet sheet;
    int lineNumber = 0;
    const auto fail = [&](const QString &message) {
        return detail::failed<Sheet>(error, tr("Line %1: %2").arg(lineNumber).arg(message));
    };
    // The track being read: the line it began on, whether its INDEX 01
    // came, and its last index (number, file and position).
    int trackLine = 0;
    bool started = false;
    int lastIndex = -1;
    int lastIndexFile = -1;
    qint64 lastPosition = -1;
    const auto unstarted = [&]() { return !sheet.tracks.isEmpty() && !started; };
    const auto notStarted = [&]() {
        lineNumber = trackLine;
        return fail(
            tr("track %1 has no INDEX 01, where it starts.").arg(sheet.tracks.last().number));
    };

    const QStringView all = QStringView(text).startsWith(QChar(0xfeff))
                                ? QStringView(text).sliced(1)
                                : QStringView(text);
    for (qsizetype at = 0; at < all.size();) {
        qsizetype end = at;
        while (end < all.size() && all[end] != u'\n' && all[end] != u'\r')
            ++end;
        const QStringView line = all.sliced(at, end - at);
        at = end + (all.sliced(end).startsWith(u"\r\n") ? 2 : 1);
        ++lineNumber;
        if (line.size() > MaxLineLength)
            return detail::failed<Sheet>(
                error,
                tr("Line %1 is longer than %2 characters.").arg(lineNumber).arg(MaxLineLength));
        QStringView rest = line;
        const QString command = token(rest).toString().toUpper();
        const bool inTrack = !sheet.tracks.isEmpty();
        Track *track = inTrack ? &sheet.tracks.last() : nullptr;

        if (command == u"FILE") {
            if (sheet.files.size() == MaxFiles)
                return fail(tr("the cue sheet names more than %1 files.").arg(MaxFiles));
            const QString name = fileName(rest);
            if (name.isEmpty())
                return fail(tr("\"%1\" names no file.").arg(shown(line.trimmed())));
            sheet.files.append(name);
        } else if (command == u"TRACK") {
            if (sheet.files.isEmpty())
                return fail(tr("a TRACK comes before any FILE."));
            if (unstarted())
                return notStarted();
            if (sheet.tracks.size() == MaxTracks)
                return fail(tr("the cue sheet has more than %1 tracks.").arg(MaxTracks));
            const int number = smallNumber(token(rest));
            if (number < 1)
                return fail(
                    tr("\"%1\" does not number a track from 01 to 99.").arg(shown(line.trimmed())));
            if (inTrack && number <= track->number)
                return fail(tr("track %1 comes after track %2; tracks are numbered in "
                               "increasing order.")
                                .arg(number)
                                .arg(track->number));
            const QString type = token(rest).toString().toUpper();
            if (!type.isEmpty() && type != u"AUDIO")
                return fail(
                    tr("track %1 is a data track (%2), not audio.").arg(number).arg(shown(type)));
            Track added;
            added.number = number;
            added.file = int(sheet.files.size()) - 1;
            sheet.tracks.append(added);
            trackLine = lineNumber;
            started = false;
            lastIndex = -1;
        } else if (command == u"INDEX") {
            if (!inTrack)
                return fail(tr("an INDEX comes before any TRACK."));
            const int number = smallNumber(token(rest));
            const qint64 frames = position(token(rest));
            if (number < 0)
                return fail(tr("\"%1\" does not number an index from 00 to 99.")
                                .arg(shown(line.trimmed())));
            if (frames < 0)
                return fail(tr("\"%1\" is not a position (minutes:seconds:frames).")
                                .arg(shown(line.trimmed())));
            if (number <= lastIndex)
                return fail(tr("INDEX %1 comes after INDEX %2 of the same track; a track's "
                               "indices increase.")
                                .arg(number, 2, 10, QLatin1Char('0'))
                                .arg(lastIndex, 2, 10, QLatin1Char('0')));
            const int file = int(sheet.files.size()) - 1;
            if (file == lastIndexFile && lastIndex >= 0 && frames <= lastPosition)
                return fail(tr("INDEX %1 of track %2 does not lie after INDEX %3.")
                                .arg(number, 2, 10, QLatin1Char('0'))
                                .arg(track->number)
                                .arg(lastIndex, 2, 10, QLatin1Char('0')));
            if (number == 0) {
                track->gapFile = file;
                track->gapStart = frames;
            } else if (number == 1) {
                track->file = file;
                track->start = frames;
                started = true;
            }
            lastIndex = number;
            lastIndexFile = file;
            lastPosition = frames;
        } else if (command == u"TITLE") {
            (track ? track->title : sheet.title) = value(rest);
        } else if (command == u"PERFORMER") {
            (track ? track->performer : sheet.performer) = value(rest);
        } else if (command == u"SONGWRITER") {
            (track ? track->songwriter : sheet.songwriter) = value(rest);
        } else if (command == u"ISRC") {
            if (track)
                track->isrc = value(rest);
        } else if (command == u"CATALOG") {
            sheet.catalog = value(rest);
        } else if (command == u"REM") {
            const QString key = token(rest).toString().toUpper();
            const QString remark = value(rest);
            if (!key.isEmpty() && !remark.isEmpty())
                (track ? track->remarks : sheet.remarks).insert(key, remark);
        }
    }
    if (unstarted())
        return notStarted();
    if (sheet.tracks.isEmpty())
        return detail::failed<Sheet>(error, tr("The cue sheet names no track."));
    return sheet;
}

} // namespace cuesheet
