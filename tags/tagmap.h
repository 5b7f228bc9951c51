#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace tags {

// Tags as one map for every format: upper-case keys as TagLib's PropertyMap
// names them (TITLE, TRACKNUMBER "3/12", ALBUMARTIST, MUSICBRAINZ_TRACKID,
// REPLAYGAIN_TRACK_GAIN, ...), each with its values.
using TagMap = QMap<QString, QStringList>;

// One value for each key.
inline TagMap singleValues(const QMap<QString, QString> &values)
{
    TagMap map;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        map.insert(it.key(), {it.value()});
    return map;
}

// What the source held, as far as it could be read.
struct SourceTags
{
    // TagLib knew the format and read its tags; otherwise the target keeps
    // what the encoder copied.
    bool readable = false;
    TagMap values;
    // Values left out because they were over the limits below.
    int dropped = 0;
};

// What is carried from a source. A tag is the source's to fill as it likes:
// a 50 MB lyrics field or ten thousand frames must neither fill the target
// nor the memory of every later step. The longest lyrics people keep are a
// few ten thousand characters; no player shows hundreds of keys.
constexpr int MaxValueLength = 100000; // characters; a longer value is dropped
constexpr int MaxKeyLength = 64;
constexpr int MaxValuesPerKey = 32;
constexpr int MaxKeys = 256;
constexpr qsizetype MaxTotalLength = 1000000; // characters over all values

} // namespace tags
