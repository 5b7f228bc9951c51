#include "tagreader.h"

#include "embeddedcue.h"
#include "tagstream_p.h"
#include "tagtext_p.h"

#include <QFile>

#include <utility>

#include <taglib/fileref.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tags {

bool isCommonKey(const QString &key)
{
    static const QStringList common{
        QStringLiteral("TITLE"),       QStringLiteral("ARTIST"),      QStringLiteral("ALBUM"),
        QStringLiteral("ALBUMARTIST"), QStringLiteral("TRACKNUMBER"), QStringLiteral("TRACKTOTAL"),
        QStringLiteral("DISCNUMBER"),  QStringLiteral("DISCTOTAL"),   QStringLiteral("DATE"),
        QStringLiteral("GENRE"),       QStringLiteral("COMPOSER"),    QStringLiteral("COMMENT"),
        QStringLiteral("LYRICS"),      QStringLiteral("COMPILATION"), QStringLiteral("ISRC"),
        QStringLiteral("LABEL"),
    };
    return common.contains(key) || key.startsWith(QLatin1String("MUSICBRAINZ_")) ||
           key.startsWith(QLatin1String("REPLAYGAIN_")) || key.startsWith(QLatin1String("R128_"));
}

TagMap bounded(const TagMap &map, int *dropped)
{
    TagMap result;
    int left = 0;
    qsizetype total = 0;
    // The common keys first, so that a flood of others cannot push them out.
    QStringList keys;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (isCommonKey(it.key()))
            keys.append(it.key());
    }
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (!isCommonKey(it.key()))
            keys.append(it.key());
    }
    for (const QString &key : std::as_const(keys)) {
        const QStringList &list = map[key];
        if (result.size() >= MaxKeys || key.isEmpty() || key.size() > MaxKeyLength) {
            left += int(list.size());
            continue;
        }
        QStringList values;
        for (const QString &value : list) {
            if (values.size() >= MaxValuesPerKey || value.size() > MaxValueLength ||
                total + value.size() > MaxTotalLength) {
                ++left;
                continue;
            }
            total += value.size();
            values.append(value);
        }
        if (!values.isEmpty())
            result.insert(key, values);
    }
    if (dropped)
        *dropped += left;
    return result;
}

SourceTags imageTrackTags(const SourceTags &image, const TagMap &track)
{
    static const QStringList wholeImage{
        QStringLiteral("TITLE"),      QStringLiteral("TRACKNUMBER"), QStringLiteral("TRACKTOTAL"),
        QStringLiteral("TOTALTRACKS"), QStringLiteral("ISRC"),
        QStringLiteral("LYRICS"),     QStringLiteral("MUSICBRAINZ_TRACKID"),
        QStringLiteral("MUSICBRAINZ_RELEASETRACKID"),
    };
    SourceTags result = image;
    result.readable = true;
    for (auto it = result.values.begin(); it != result.values.end();) {
        const QString &key = it.key();
        if (wholeImage.contains(key) || isCueSheetKey(key) || key.startsWith(QLatin1String("REPLAYGAIN_")) ||
            key.startsWith(QLatin1String("R128_")))
            it = result.values.erase(it);
        else
            ++it;
    }
    // An image whose only title is its own names the album.
    if (!result.values.contains(QStringLiteral("ALBUM")) &&
        image.values.contains(QStringLiteral("TITLE")))
        result.values.insert(QStringLiteral("ALBUM"), image.values.value(QStringLiteral("TITLE")));
    for (auto it = track.cbegin(); it != track.cend(); ++it)
        result.values.insert(it.key(), it.value());
    result.values = bounded(result.values, &result.dropped);
    return result;
}

SourceTags readTags(int fd)
{
    SourceTags tags;
    const auto stream = streamOn(fd, true);
    if (!stream)
        return tags;
    // Audio properties are not needed, and reading them would walk the audio.
    const TagLib::FileRef file(stream.get(), false);
    if (file.isNull())
        return tags;
    const TagLib::PropertyMap properties = file.file()->properties();
    TagMap values;
    int others = 0;
    for (const auto &[key, list] : properties) {
        // The limits apply before anything is converted: conversion copies.
        const QString name = fromTagLib(key).toUpper();
        if (key.size() > unsigned(MaxKeyLength) || (!isCommonKey(name) && ++others > MaxKeys)) {
            tags.dropped += int(list.size());
            continue;
        }
        QStringList converted;
        for (const TagLib::String &value : list) {
            if (converted.size() < MaxValuesPerKey && value.size() <= unsigned(MaxValueLength))
                converted.append(fromTagLib(value));
            else
                ++tags.dropped;
        }
        values.insert(name, converted);
    }
    tags.readable = true;
    tags.values = bounded(values, &tags.dropped);
    return tags;
}

SourceTags readTags(const QString &path)
{
    // Non-blocking, so that a pipe standing at the name cannot hold us up.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return SourceTags();
    struct stat status;
    SourceTags tags;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        tags = readTags(fd);
    ::close(fd);
    return tags;
}

} // namespace tags
