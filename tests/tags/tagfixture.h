#pragma once

#include "encoderarguments.h"
#include "tagwriter.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <fcntl.h>
#include <unistd.h>

// A tagged source, its conversion with the program's encoder arguments and
// the tags read back by a reader other than TagLib; shared by the tag tests
// and the fidelity benchmark.
namespace tagfixture {

inline const QStringList &formats()
{
    static const QStringList all{"mp3", "m4a", "wma", "wav", "flac", "aac", "ogg", "mka", "opus"};
    return all;
}

// The tags of a well kept library, in Vorbis comment names.
inline tags::TagMap fullTags()
{
    return {{"TITLE", {"Source Title"}},
            {"ARTIST", {"Zoë Artist"}},
            {"ALBUM", {"Source Album"}},
            {"ALBUMARTIST", {"Album Artist"}},
            {"TRACKNUMBER", {"3"}},
            {"TRACKTOTAL", {"12"}},
            {"DISCNUMBER", {"1"}},
            {"DISCTOTAL", {"2"}},
            {"DATE", {"2019"}},
            {"GENRE", {"Jazz"}},
            {"COMPOSER", {"Composer"}},
            {"COMMENT", {"A comment"}},
            {"LYRICS", {"First line\nSecond line"}},
            {"COMPILATION", {"1"}},
            {"ISRC", {"USABC1234567"}},
            {"LABEL", {"Label"}},
            {"MUSICBRAINZ_TRACKID", {"8f0b5b4e-0000-4000-8000-000000000001"}},
            {"MUSICBRAINZ_ALBUMID", {"8f0b5b4e-0000-4000-8000-000000000002"}},
            {"REPLAYGAIN_TRACK_GAIN", {"-6.50 dB"}},
            {"REPLAYGAIN_TRACK_PEAK", {"0.988000"}},
            {"REPLAYGAIN_ALBUM_GAIN", {"-7.10 dB"}},
            {"REPLAYGAIN_ALBUM_PEAK", {"0.999000"}}};
}

// The same as the reader names its fields, track and disc as "3/12".
inline QJsonObject fullFields()
{
    return {{"title", "Source Title"},
            {"artist", "Zoë Artist"},
            {"album", "Source Album"},
            {"albumartist", "Album Artist"},
            {"track", "3/12"},
            {"disc", "1/2"},
            {"date", "2019"},
            {"genre", "Jazz"},
            {"composer", "Composer"},
            {"comment", "A comment"},
            {"lyrics", "First line\nSecond line"},
            {"compilation", "1"},
            {"isrc", "USABC1234567"},
            {"label", "Label"},
            {"mb_trackid", "8f0b5b4e-0000-4000-8000-000000000001"},
            {"mb_albumid", "8f0b5b4e-0000-4000-8000-000000000002"},
            {"rg_track_gain", "-6.50 dB"},
            {"rg_track_peak", "0.988000"},
            {"rg_album_gain", "-7.10 dB"},
            {"rg_album_peak", "0.999000"}};
}

inline bool run(const QString &program, const QStringList &arguments, QByteArray *out = nullptr)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Rewrites the tags of the file at path with change (see tags::rewriteTags).
inline bool retag(const QString &path, const QString &format,
                  const std::function<tags::TagMap(const tags::TagMap &)> &change)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    const bool written = fd >= 0 && tags::rewriteTags(fd, format, change);
    if (fd >= 0)
        ::close(fd);
    return written;
}

// Two seconds of a tone with a cover and the full tag set, at dir/source.flac.
inline QString makeSource(const QDir &dir)
{
    const QString cover = dir.filePath("cover.png");
    const QString source = dir.filePath("source.flac");
    const QStringList quiet{"-v", "error", "-y"};
    if (!run("ffmpeg", quiet + QStringList{"-f", "lavfi", "-i", "testsrc=s=64x48", "-frames:v", "1",
                                           cover}) ||
        !run("ffmpeg",
             quiet + QStringList{"-f", "lavfi", "-i", "sine=d=2", "-i", cover, "-map", "0", "-map",
                                 "1", "-c:v", "copy", "-disposition:v", "attached_pic", source}) ||
        !retag(source, "flac", [](const tags::TagMap &) { return fullTags(); }))
        return QString();
    return source;
}

// Converts source into target as the program does. Matroska gets the room
// it is given when the loudness is measured; the measured audio is thrown
// away.
inline bool convert(const QString &source, const QString &format, const QString &target,
                    const EncoderOptions &options = {})
{
    const bool measured = format == "mka";
    QStringList arguments =
        encoderarguments::build(source, 128, options, format, target, {}, true, measured);
    if (measured)
        arguments.replace(arguments.indexOf("pipe:1"), QProcess::nullDevice());
    return run("ffmpeg", arguments);
}

// The tags of path as the other reader sees them (see readback.py).
inline QJsonObject readBack(const QString &path, const QString &format)
{
    QByteArray out;
    if (!run("/usr/bin/python3", {TW_TAGS_READBACK, path, format}, &out))
        return {};
    return QJsonDocument::fromJson(out).object();
}

} // namespace tagfixture
