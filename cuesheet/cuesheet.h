#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// An album image's cue sheet: which tracks one or more audio files hold,
// where each begins, and what the tracks are called. The sheet comes from
// whoever made the image and is read as untrusted text: bounded in size,
// every number checked, nothing it names reached outside its own folder.
namespace cuesheet {

// A real sheet of 99 tracks with every remark is a few ten kilobytes.
constexpr qint64 MaxSheetBytes = 256 * 1024;
constexpr int MaxLineLength = 4096; // characters
constexpr int MaxTracks = 99;       // a track number is two digits
constexpr int MaxFiles = 99;
// Positions are minutes:seconds:frames, 75 frames a second (588 samples at 44.1 kHz).
constexpr int FramesPerSecond = 75;

struct Track
{
    int number = 0;   // as the sheet numbers it, 1 to 99
    int file = 0;     // into Sheet::files: the file its INDEX 01 lies in
    qint64 start = 0; // INDEX 01, in frames from the start of that file
    // INDEX 00 (the gap before the track, audio present in a file) when
    // the sheet gives one: the file it lies in and its position in frames.
    int gapFile = -1;
    qint64 gapStart = -1;
    QString title, performer, songwriter, isrc;
    QMap<QString, QString> remarks; // REM KEY value, keys in upper case
};

struct Sheet
{
    QStringList files; // the FILE names as written, in order
    QString title, performer, songwriter, catalog;
    QMap<QString, QString> remarks; // DATE, GENRE, COMMENT, DISCNUMBER, ...
    QList<Track> tracks;
};

// The sheet's bytes as text: UTF-8 with or without a byte-order mark and
// UTF-16 with one are taken as they are; otherwise the encoding named
// (empty: detected among the legacy code pages sheets come in: CP1251,
// CP1252, Shift-JIS, GB18030, Big5, EUC-KR). Nothing on error (an unknown
// encoding name, bytes that are not text).
std::optional<QString> decode(const QByteArray &bytes, const QByteArray &encoding,
                              QString *error);

// The sheet in text. Commands it does not know are passed over, as players
// do; a position or number that cannot be read, a track outside 1..99, too
// many tracks or files, a line or a text over the limits are an error, and
// so is a data track (TRACK 02 MODE1/2352): only audio tracks are cut.
std::optional<Sheet> parse(const QString &text, QString *error);

// The sheet file at path: a regular file (not a link, a folder or a FIFO)
// of at most MaxSheetBytes, decoded as decode() does and parsed.
std::optional<Sheet> readFile(const QString &path, const QByteArray &encoding, QString *error);

// Where a FILE entry's audio is, looked for in folder only (the sheet's
// own): by its last name component (never through "..", an absolute path
// or a link), then the same base name with any audio extension (a sheet
// saying Album.wav beside Album.flac), then the only audio file in the
// folder. The absolute path of a regular file; empty with a reason naming
// the entry when there is none.
QString findAudio(const QString &folder, const QString &entry, QString *error);

// What a file's audio is, as the prober tells it.
struct Audio
{
    int rate = 0;        // samples a second
    qint64 samples = -1; // its length; -1 when unknown
};

// Frames in samples at rate (rate / 75 each, rounded down), the same for
// the end of one track and the start of the next; -1 for negative frames
// or a rate that is not positive.
qint64 toSamples(qint64 frames, int rate);

// One track as it is cut from its file.
struct Cut
{
    int track = -1;    // into Sheet::tracks; -1 for the hidden track 0
    int number = 0;    // 0 for the audio ahead of track 1
    int file = 0;      // into Sheet::files
    qint64 startSample = 0;
    qint64 endSample = -1; // -1: to the end of the file
};

// The tracks cut at their INDEX 01, a gap (INDEX 00) going to the end of
// the track before it, also when it lies at the end of the previous file;
// audio ahead of track 1 becomes track 0; the first track in any later
// file starts at that file's start. audio: one entry per Sheet::files.
// Nothing, with a reason, when positions run backwards or lie beyond the
// audio, or a file's rate is unknown.
std::optional<QList<Cut>> cuts(const Sheet &sheet, const QList<Audio> &audio, QString *error);

// A track's tags (keys as tagmap.h names them): album TITLE to ALBUM,
// PERFORMER to ALBUMARTIST and ARTIST, the track's TITLE, PERFORMER,
// SONGWRITER to TITLE, ARTIST, COMPOSER; REM DATE, GENRE, COMMENT,
// DISCNUMBER/TOTALDISCS to DATE, GENRE, COMMENT, DISCNUMBER "1/2"; ISRC,
// CATALOG to ISRC, CATALOGNUMBER; TRACKNUMBER "3/12" (12: trackCount).
QMap<QString, QStringList> trackTags(const Sheet &sheet, const Cut &cut, int trackCount);

// The name a track's file gets, without extension: "01 Intro", "01"
// without a title; a title's "/" and control characters become "_", and a
// long title is cut (at a character) to keep the name within 200 bytes.
QString trackBaseName(const Sheet &sheet, const Cut &cut);

} // namespace cuesheet
