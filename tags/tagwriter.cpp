#include "tagwriter.h"

#include "embeddedcue.h"
#include "filebackup_p.h"
#include "matroskatags.h"
#include "tagreader.h"
#include "tagstream_p.h"
#include "tagtext_p.h"

#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>
#include <taglib/unsynchronizedlyricsframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

#include <memory>

#include <unistd.h>

namespace tags {
namespace {

// What a rewrite with these tags may add to the file: their text in UTF-8,
// spelt out twice in WAV's two lists, with each format's framing and the
// padding TagLib leaves.
qint64 roomFor(const TagMap &tags)
{
    qint64 bytes = 0;
    for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
        for (const QString &value : it.value())
            bytes += it.key().size() + value.toUtf8().size() + 32;
    }
    return 2 * bytes + 1024 * 1024;
}

enum class Kind { None, Id3v2, Wave, Mp4, Asf, Flac, Vorbis, Opus, Matroska };

Kind kindOf(const QString &format)
{
    static const struct
    {
        const char *format;
        Kind kind;
    } kinds[] = {
        // An ADTS stream has no tag of its own; players read an ID3v2 tag
        // at its head.
        {"mp3", Kind::Id3v2},  {"aac", Kind::Id3v2}, {"wav", Kind::Wave},
        {"m4a", Kind::Mp4},    {"wma", Kind::Asf},   {"flac", Kind::Flac},
        {"ogg", Kind::Vorbis}, {"opus", Kind::Opus}, {"mka", Kind::Matroska},
    };
    for (const auto &entry : kinds) {
        if (format == QLatin1String(entry.format))
            return entry.kind;
    }
    return Kind::None;
}

bool keepsVorbisComments(Kind kind)
{
    return kind == Kind::Flac || kind == Kind::Vorbis || kind == Kind::Opus;
}

// Vorbis comments keep a number and its total apart (TRACKNUMBER 3,
// TRACKTOTAL 12); every other format keeps "3/12" in one field.
void spellNumber(TagMap &map, const QString &number, const QString &total,
                 const QString &otherTotal, bool apart)
{
    const QString value = map.value(number).value(0);
    if (apart) {
        const qsizetype slash = value.indexOf(QLatin1Char('/'));
        if (slash < 0)
            return;
        map.insert(number, {value.left(slash)});
        if (!map.contains(total) && !map.contains(otherTotal) && slash + 1 < value.size())
            map.insert(total, {value.mid(slash + 1)});
        return;
    }
    const QString count = map.value(total, map.value(otherTotal)).value(0);
    map.remove(total);
    map.remove(otherTotal);
    if (!value.isEmpty() && !count.isEmpty() && !value.contains(QLatin1Char('/')))
        map.insert(number, {value + QLatin1Char('/') + count});
}

bool isLoudnessKey(const QString &key)
{
    return key.startsWith(QLatin1String("REPLAYGAIN_")) || key.startsWith(QLatin1String("R128_"));
}

// A source's loudness values no longer hold once the volume was changed.
void dropStaleLoudness(TagMap &map, const EncoderOptions &options)
{
    if (options.volume == 100)
        return;
    for (auto it = map.begin(); it != map.end();)
        it = isLoudnessKey(it.key()) ? map.erase(it) : std::next(it);
}

// An album image's cue sheet: a track cut from the image is no album, and
// in a whole image converted to a format no player reads it from, it is
// dead weight.
void dropCueSheet(TagMap &map)
{
    for (auto it = map.begin(); it != map.end();)
        it = isCueSheetKey(it.key()) ? map.erase(it) : std::next(it);
}

void insertAll(TagMap &map, const TagMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        map.insert(it.key().toUpper(), it.value());
}

std::unique_ptr<TagLib::File> open(TagLib::IOStream *stream, Kind kind)
{
    // Audio properties are not needed, and reading them walks the audio.
    switch (kind) {
    case Kind::Id3v2:
        return std::make_unique<TagLib::MPEG::File>(stream, TagLib::ID3v2::FrameFactory::instance(),
                                                    false);
    case Kind::Wave:
        return std::make_unique<TagLib::RIFF::WAV::File>(stream, false);
    case Kind::Mp4:
        return std::make_unique<TagLib::MP4::File>(stream, false);
    case Kind::Asf:
        return std::make_unique<TagLib::ASF::File>(stream, false);
    case Kind::Flac:
        return std::make_unique<TagLib::FLAC::File>(stream, TagLib::ID3v2::FrameFactory::instance(),
                                                    false);
    case Kind::Vorbis:
        return std::make_unique<TagLib::Ogg::Vorbis::File>(stream, false);
    case Kind::Opus:
        return std::make_unique<TagLib::Ogg::Opus::File>(stream, false);
    case Kind::Matroska:
    case Kind::None:
        break;
    }
    return nullptr;
}

const TagLib::String FreeformPrefix("----:com.apple.iTunes:");

// ASF attributes named like a property key (LYRICS, REPLAYGAIN_TRACK_GAIN):
// the encoder's stand-ins for fields it does not map, and ours for what
// ASF has no field for. Its own names have lower-case letters or a slash.
bool isNamedLikeKey(const TagLib::String &name)
{
    const TagLib::String upper = name.upper();
    return name == upper && name.find("/") < 0;
}

// MP4 freeform items and ASF attributes kept by their key's name, which
// TagLib's properties leave out or read as their own field. Each is called
// with its key.
template<typename Visit> void forEachStandIn(TagLib::File &file, Kind kind, Visit visit)
{
    if (kind == Kind::Mp4) {
        const auto items = static_cast<TagLib::MP4::File &>(file).tag()->itemMap();
        for (const auto &[atom, item] : items) {
            if (!atom.startsWith(FreeformPrefix))
                continue;
            visit(atom, atom.substr(FreeformPrefix.size()).upper(), item.toStringList());
        }
    } else if (kind == Kind::Asf) {
        const auto attributes = static_cast<TagLib::ASF::File &>(file).tag()->attributeListMap();
        for (const auto &[name, list] : attributes) {
            if (!isNamedLikeKey(name))
                continue;
            TagLib::StringList values;
            for (const TagLib::ASF::Attribute &attribute : list)
                values.append(attribute.toString());
            visit(name, name, values);
        }
    }
}

TagLib::PropertyMap currentTags(TagLib::File &file, Kind kind)
{
    TagLib::PropertyMap properties = file.properties();
    forEachStandIn(file, kind,
                   [&properties](const TagLib::String &, const TagLib::String &key,
                                 const TagLib::StringList &values) {
                       if (!properties.contains(key))
                           properties.insert(key, values);
                   });
    return properties;
}

void clear(TagLib::File &file, Kind kind)
{
    forEachStandIn(file, kind,
                   [&file, kind](const TagLib::String &name, const TagLib::String &,
                                 const TagLib::StringList &) {
                       if (kind == Kind::Mp4)
                           static_cast<TagLib::MP4::File &>(file).tag()->removeItem(name);
                       else
                           static_cast<TagLib::ASF::File &>(file).tag()->removeItem(name);
                   });
    file.setProperties(TagLib::PropertyMap());
}

// TagLib names the lyrics frame after its key; players look for the one
// without a description.
void plainLyrics(TagLib::ID3v2::Tag *tag)
{
    if (!tag)
        return;
    for (TagLib::ID3v2::Frame *frame : tag->frameList("USLT")) {
        auto *lyrics = dynamic_cast<TagLib::ID3v2::UnsynchronizedLyricsFrame *>(frame);
        if (lyrics && lyrics->description() == "LYRICS")
            lyrics->setDescription(TagLib::String());
    }
}

// What the format's own fields cannot hold goes where taggers put it: MP4
// freeform items (lower-case ReplayGain names, as players look them up),
// ASF attributes by name.
void storeUnsupported(TagLib::File &file, Kind kind, const TagLib::PropertyMap &unsupported)
{
    if (kind == Kind::Mp4) {
        TagLib::MP4::Tag *tag = static_cast<TagLib::MP4::File &>(file).tag();
        for (const auto &[key, values] : unsupported) {
            const QString name = fromTagLib(key);
            const TagLib::String atom =
                FreeformPrefix + toTagLib(isLoudnessKey(name) ? name.toLower() : name);
            tag->setItem(atom, TagLib::MP4::Item(values));
        }
    } else if (kind == Kind::Asf) {
        TagLib::ASF::Tag *tag = static_cast<TagLib::ASF::File &>(file).tag();
        for (const auto &[key, values] : unsupported) {
            const TagLib::String name =
                key == "COMPILATION" ? TagLib::String("WM/IsCompilation") : key;
            TagLib::ASF::AttributeList attributes;
            for (const TagLib::String &value : values)
                attributes.append(TagLib::ASF::Attribute(value));
            tag->setAttribute(name, attributes);
        }
    }
}

bool save(TagLib::File &file, Kind kind)
{
    using TagLib::File;
    // ID3v2.4 only: an ID3v1 tag at the end of an ADTS stream is noise, and
    // for MP3 it only repeats a cut-down copy.
    if (kind == Kind::Id3v2) {
        plainLyrics(static_cast<TagLib::MPEG::File &>(file).ID3v2Tag());
        return static_cast<TagLib::MPEG::File &>(file).save(
            TagLib::MPEG::File::ID3v2, File::StripOthers, TagLib::ID3v2::v4, File::DoNotDuplicate);
    }
    if (kind == Kind::Wave) {
        plainLyrics(static_cast<TagLib::RIFF::WAV::File &>(file).ID3v2Tag());
        return static_cast<TagLib::RIFF::WAV::File &>(file).save(
            TagLib::RIFF::WAV::File::AllTags, File::StripOthers, TagLib::ID3v2::v4);
    }
    return file.save();
}

// What each encoder writes of its own into a target: its name and version.
bool onlyEncoderName(const TagMap &tags)
{
    for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
        if (it.key() != u"ENCODER" && it.key() != u"ENCODING" && it.key() != u"ENCODEDBY")
            return false;
    }
    return true;
}

} // namespace

bool canWrite(const QString &format)
{
    return kindOf(format) != Kind::None;
}

TagMap targetTags(const QString &format, const SourceTags &source, const TagMap &encoderCopy,
                  const EncoderOptions &options, const TagMap &extra)
{
    TagMap map = source.readable ? source.values : encoderCopy;
    dropStaleLoudness(map, options);
    dropCueSheet(map);
    const auto set = [&map](const char *key, const QString &value) {
        if (!value.isEmpty())
            map.insert(QLatin1String(key), {value});
    };
    set("TITLE", options.title);
    set("ARTIST", options.artist);
    set("ALBUM", options.album);
    if (options.year > 0)
        set("DATE", QString::number(options.year));
    insertAll(map, extra);
    const bool apart = keepsVorbisComments(kindOf(format));
    spellNumber(map, QStringLiteral("TRACKNUMBER"), QStringLiteral("TRACKTOTAL"),
                QStringLiteral("TOTALTRACKS"), apart);
    spellNumber(map, QStringLiteral("DISCNUMBER"), QStringLiteral("DISCTOTAL"),
                QStringLiteral("TOTALDISCS"), apart);
    return map;
}

bool rewriteTags(int fd, const QString &format, const std::function<TagMap(const TagMap &)> &change)
{
    const Kind kind = kindOf(format);
    if (kind == Kind::None)
        return false;
    if (kind == Kind::Matroska)
        return matroska::rewriteTags(fd, change);
    auto stream = streamOn(fd, false);
    if (!stream)
        return false;
    auto file = open(stream.get(), kind);
    if (!file || !file->isValid())
        return false;
    const TagMap current = fromTagLib(currentTags(*file, kind));
    const TagMap wanted = bounded(change(current));
    // An untagged source: the rewrite would only drop the encoder's name,
    // and cost a pass over the whole file to do it.
    if (wanted.isEmpty() && onlyEncoderName(current))
        return true;
    // Cleared first: TagLib leaves a field alone whose value is unchanged,
    // and it reads the encoder's stand-ins (an ID3v2 "TXXX:ISRC" for TSRC)
    // as the real field, so they would stay. Pictures are no property and
    // stay as they are.
    clear(*file, kind);
    storeUnsupported(*file, kind, file->setProperties(toTagLib(wanted)));
    FileBackup backup(fd, roomFor(wanted));
    if (!backup.isValid())
        return false;
    const bool saved = save(*file, kind);
    // Closed first, so that what TagLib buffered is in the file.
    file.reset();
    stream.reset();
    // No flush to disk here: the encoder's bytes were not flushed either,
    // and a flush for every file held the next one back.
    if (saved)
        return true;
    backup.restore();
    return false;
}

bool writeTags(int fd, const QString &format, const SourceTags &source,
               const EncoderOptions &options, const TagMap &extra)
{
    // The encoder copied the source's tags and the options into Matroska
    // itself, under its own names; only the measured values are added.
    if (kindOf(format) == Kind::Matroska) {
        return rewriteTags(fd, format, [&](const TagMap &encoderCopy) {
            TagMap map = encoderCopy;
            dropStaleLoudness(map, options);
            dropCueSheet(map);
            insertAll(map, extra);
            return map;
        });
    }
    return rewriteTags(fd, format, [&](const TagMap &encoderCopy) {
        return targetTags(format, source, encoderCopy, options, extra);
    });
}

} // namespace tags
