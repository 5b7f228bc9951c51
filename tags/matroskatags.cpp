#include "matroskatags.h"

#include "fileio_p.h"
#include "matroskaroom.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace tags::matroska {
namespace {

constexpr quint32 EbmlHeaderId = 0x1A45DFA3;
constexpr quint32 SegmentId = 0x18538067;
constexpr quint32 ClusterId = 0x1F43B675;
constexpr quint32 TagsId = 0x1254C367;
constexpr quint32 TagId = 0x7373;
constexpr quint32 TargetsId = 0x63C0;
constexpr quint32 SimpleTagId = 0x67C8;
constexpr quint32 TagNameId = 0x45A3;
constexpr quint32 TagStringId = 0x4487;
constexpr quint32 TagBinaryId = 0x4485;
constexpr quint32 VoidId = 0xEC;
constexpr quint32 CrcId = 0xBF;

// A Tag naming a track, edition, chapter or attachment is not about the
// whole file.
bool isTargetUid(quint32 id)
{
    return id == 0x63C5 || id == 0x63C9 || id == 0x63C4 || id == 0x63C6;
}

// The encoder writes a few hundred bytes of tags ahead of a handful of
// other elements; a file far over that is not edited.
constexpr qint64 MaxTagsSize = 16 * 1024 * 1024;
constexpr int MaxSegmentChildren = 256;
constexpr int MaxElements = 200000;

struct Header
{
    quint32 id = 0;
    qint64 start = 0;
    qint64 dataStart = 0;
    qint64 end = 0;
};

// The width of a variable-length integer from its first byte; 0 over max.
int vintWidth(quint8 first, int max)
{
    for (int width = 1; width <= max; ++width) {
        if (first & (0x80 >> (width - 1)))
            return width;
    }
    return 0;
}

// The element header at pos, where bytes hold the file from offset base on;
// the element must end by limit. None for an unknown size (all ones, only
// in a stream still being written) or anything past the bytes or limit.
std::optional<Header> readHeader(const QByteArray &bytes, qint64 base, qint64 pos, qint64 limit)
{
    const qint64 available = qMin(limit, base + qint64(bytes.size()));
    const auto byteAt = [&](qint64 offset) { return quint8(bytes[qsizetype(offset - base)]); };
    if (pos < base || pos >= available)
        return std::nullopt;
    const int idWidth = vintWidth(byteAt(pos), 4);
    if (idWidth == 0 || pos + idWidth >= available)
        return std::nullopt;
    Header header;
    header.start = pos;
    for (int i = 0; i < idWidth; ++i)
        header.id = (header.id << 8) | byteAt(pos + i);
    const qint64 sizeAt = pos + idWidth;
    const int sizeWidth = vintWidth(byteAt(sizeAt), 8);
    if (sizeWidth == 0 || sizeAt + sizeWidth > available)
        return std::nullopt;
    quint64 size = byteAt(sizeAt) & (0xFF >> sizeWidth);
    for (int i = 1; i < sizeWidth; ++i)
        size = (size << 8) | byteAt(sizeAt + i);
    header.dataStart = sizeAt + sizeWidth;
    if (size == (quint64(1) << (7 * sizeWidth)) - 1 || size > quint64(limit - header.dataStart))
        return std::nullopt;
    header.end = header.dataStart + qint64(size);
    return header;
}

// length bytes of fd at offset; empty unless all of them were read.
QByteArray readAt(int fd, qint64 offset, qint64 length)
{
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    return tags::readAt(fd, bytes.data(), length, offset) ? bytes : QByteArray();
}

bool writeAt(int fd, qint64 offset, const QByteArray &bytes)
{
    return tags::writeAt(fd, bytes.constData(), bytes.size(), offset);
}

std::optional<Header> headerAt(int fd, qint64 pos, qint64 limit)
{
    // An ID takes at most 4 bytes, a size at most 8.
    const QByteArray window = readAt(fd, pos, qMin<qint64>(12, limit - pos));
    if (window.isEmpty())
        return std::nullopt;
    return readHeader(window, pos, pos, limit);
}

// The Tags element, ahead of the first cluster as the encoder writes it
// into a file it can seek in.
std::optional<Header> findTags(int fd, qint64 fileSize)
{
    const auto ebml = headerAt(fd, 0, fileSize);
    if (!ebml || ebml->id != EbmlHeaderId)
        return std::nullopt;
    const auto segment = headerAt(fd, ebml->end, fileSize);
    if (!segment || segment->id != SegmentId)
        return std::nullopt;
    qint64 pos = segment->dataStart;
    for (int i = 0; i < MaxSegmentChildren && pos < segment->end; ++i) {
        const auto child = headerAt(fd, pos, segment->end);
        // A checksum over the segment would cover all the audio.
        if (!child || child->id == ClusterId || child->id == CrcId)
            return std::nullopt;
        if (child->id == TagsId)
            return child;
        pos = child->end;
    }
    return std::nullopt;
}

quint32 crc32(const char *data, qint64 length)
{
    static const auto table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
            entries[i] = value;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qint64 i = 0; i < length; ++i)
        crc = table[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// A master's CRC-32 element: its four bytes (little-endian) cover the rest
// of the master.
struct Checksum
{
    qint64 at = -1; // none
    qint64 from = 0;
    qint64 to = 0;
};

quint32 storedChecksum(const QByteArray &bytes, qint64 at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[qsizetype(at + i)]);
    return value;
}

void storeChecksum(QByteArray &bytes, const Checksum &checksum)
{
    if (checksum.at < 0)
        return;
    quint32 value = crc32(bytes.constData() + checksum.from, checksum.to - checksum.from);
    for (int i = 0; i < 4; ++i, value >>= 8)
        bytes[qsizetype(checksum.at + i)] = char(value & 0xFF);
}

// The children of parent, each counted against budget; none when one does
// not fit, or a checksum is out of place or does not hold.
std::optional<QList<Header>> childrenOf(const QByteArray &bytes, const Header &parent, int &budget,
                                        Checksum *checksum = nullptr)
{
    QList<Header> list;
    for (qint64 pos = parent.dataStart; pos < parent.end;) {
        const auto child = readHeader(bytes, 0, pos, parent.end);
        if (--budget < 0 || !child)
            return std::nullopt;
        if (child->id == CrcId) {
            if (!checksum || !list.isEmpty() || child->end - child->dataStart != 4)
                return std::nullopt;
            *checksum = Checksum{child->dataStart, child->end, parent.end};
            if (storedChecksum(bytes, checksum->at) !=
                crc32(bytes.constData() + checksum->from, checksum->to - checksum->from))
                return std::nullopt;
        }
        list << *child;
        pos = child->end;
    }
    return list;
}

QString textOf(const QByteArray &bytes, const Header &element)
{
    QByteArray text =
        bytes.mid(qsizetype(element.dataStart), qsizetype(element.end - element.dataStart));
    // Strings may be padded with zero bytes.
    while (text.endsWith('\0'))
        text.chop(1);
    return QString::fromUtf8(text);
}

enum class Kind { Other, Void, Text, Room };

struct Child
{
    Header header;
    Kind kind = Kind::Other;
    QString name; // upper case
    QString text;
};

struct Tag
{
    Checksum checksum;
    bool global = true;
    QList<Child> children;
};

struct Model
{
    Checksum checksum;
    QList<Tag> tags;
};

std::optional<Child> simpleTag(const QByteArray &bytes, const Header &header, int &budget)
{
    const auto parts = childrenOf(bytes, header, budget);
    if (!parts)
        return std::nullopt;
    std::optional<QString> name, text;
    bool binary = false;
    for (const Header &part : *parts) {
        if (part.id == TagNameId)
            name = textOf(bytes, part);
        else if (part.id == TagStringId)
            text = textOf(bytes, part);
        else if (part.id == TagBinaryId)
            binary = true;
    }
    Child child;
    child.header = header;
    // Binary values and nested tags are no text tag and stay as they are.
    if (name && text && !binary) {
        child.name = name->toUpper();
        child.kind = child.name == QLatin1String(MatroskaRoomName) ? Kind::Room : Kind::Text;
        child.text = *text;
    }
    return child;
}

// bytes hold one whole Tags element.
std::optional<Model> parse(const QByteArray &bytes)
{
    int budget = MaxElements;
    const auto tags = readHeader(bytes, 0, 0, bytes.size());
    if (!tags || tags->id != TagsId || tags->end != bytes.size())
        return std::nullopt;
    Model model;
    const auto top = childrenOf(bytes, *tags, budget, &model.checksum);
    if (!top)
        return std::nullopt;
    for (const Header &tagHeader : *top) {
        if (tagHeader.id != TagId)
            continue;
        Tag tag;
        const auto inner = childrenOf(bytes, tagHeader, budget, &tag.checksum);
        if (!inner)
            return std::nullopt;
        for (const Header &header : *inner) {
            if (header.id == TargetsId) {
                const auto targets = childrenOf(bytes, header, budget);
                if (!targets)
                    return std::nullopt;
                for (const Header &target : *targets)
                    tag.global = tag.global && !isTargetUid(target.id);
            } else if (header.id == SimpleTagId) {
                const auto child = simpleTag(bytes, header, budget);
                if (!child)
                    return std::nullopt;
                tag.children << *child;
            } else if (header.id != CrcId) {
                Child child;
                child.header = header;
                child.kind = header.id == VoidId ? Kind::Void : Kind::Other;
                tag.children << child;
            }
        }
        model.tags << tag;
    }
    return model;
}

TagMap textTags(const Model &model)
{
    TagMap map;
    for (const Tag &tag : model.tags) {
        for (const Child &child : tag.children) {
            if (child.kind == Kind::Text)
                map[child.name] << child.text;
        }
    }
    return map;
}

bool hasRoom(const Model &model)
{
    for (const Tag &tag : model.tags) {
        for (const Child &child : tag.children) {
            if (child.kind == Kind::Room)
                return true;
        }
    }
    return false;
}

// Keys in upper case, the room's name and keys without values left out.
TagMap normalised(const TagMap &map)
{
    TagMap result;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString key = it.key().toUpper();
        if (!it.value().isEmpty() && !key.isEmpty() && key != QLatin1String(MatroskaRoomName))
            result.insert(key, it.value());
    }
    return result;
}

QByteArray sizeBytes(quint64 size, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i, size >>= 8)
        bytes[i] = char(size & 0xFF);
    bytes[0] = char(quint8(bytes[0]) | (0x80 >> (width - 1)));
    return bytes;
}

// The narrowest size width for size, plus widen; 0 when over eight bytes.
int sizeWidth(quint64 size, int widen = 0)
{
    for (int width = 1; width <= 8; ++width) {
        if (size < (quint64(1) << (7 * width)) - 1)
            return width + widen <= 8 ? width + widen : 0;
    }
    return 0;
}

QByteArray element(const QByteArray &id, const QByteArray &payload, int widen = 0)
{
    const int width = sizeWidth(quint64(payload.size()), widen);
    return width == 0 ? QByteArray() : id + sizeBytes(quint64(payload.size()), width) + payload;
}

QByteArray simpleTagBytes(const QString &name, const QString &text, int widen)
{
    return element(QByteArrayLiteral("\x67\xC8"),
                   element(QByteArrayLiteral("\x45\xA3"), name.toUtf8()) +
                       element(QByteArrayLiteral("\x44\x87"), text.toUtf8()),
                   widen);
}

// A Void element over [start, end) of bytes, at least two bytes long; its
// content zeroed, so no old text stays behind.
void voidOut(QByteArray &bytes, qint64 start, qint64 end)
{
    const qint64 length = end - start;
    int width = 1;
    while (width < 8 && quint64(length - 1 - width) >= (quint64(1) << (7 * width)) - 1)
        ++width;
    const QByteArray head =
        QByteArray(1, char(VoidId)) + sizeBytes(quint64(length - 1 - width), width);
    bytes.replace(qsizetype(start), head.size(), head);
    bytes.replace(qsizetype(start + head.size()), qsizetype(length - head.size()),
                  QByteArray(qsizetype(length - head.size()), '\0'));
}

using Entry = std::pair<QString, QString>;

// Writes entries into [start, end) of bytes, a Void over the rest; false
// when they do not fit.
bool fill(QByteArray &bytes, qint64 start, qint64 end, const QList<Entry> &entries)
{
    QList<QByteArray> items;
    qint64 used = 0;
    for (const auto &[name, text] : entries) {
        items << simpleTagBytes(name, text, 0);
        used += items.last().size();
    }
    // No Void is one byte long: the last tag's size takes a byte more.
    if (end - start - used == 1 && !items.isEmpty()) {
        items.last() = simpleTagBytes(entries.last().first, entries.last().second, 1);
        used += 1;
    }
    const qint64 rest = end - start - used;
    if (rest < 0 || rest == 1 || items.contains(QByteArray()))
        return false;
    qint64 pos = start;
    for (const QByteArray &item : std::as_const(items)) {
        bytes.replace(qsizetype(pos), item.size(), item);
        pos += item.size();
    }
    if (rest > 0)
        voidOut(bytes, pos, end);
    return true;
}

// bytes with the room and the tags whose values change as Void elements,
// and the new values in the global tag's largest free run; none when they
// do not fit.
std::optional<QByteArray> edit(const QByteArray &bytes, const Model &model, const TagMap &current,
                               const TagMap &wanted)
{
    QSet<QString> changed;
    QList<Entry> entries;
    for (const TagMap *map : {&current, &wanted}) {
        for (auto it = map->cbegin(); it != map->cend(); ++it) {
            if (current.value(it.key()) != wanted.value(it.key()))
                changed << it.key();
        }
    }
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (changed.contains(it.key())) {
            for (const QString &value : it.value())
                entries << Entry{it.key(), value};
        }
    }
    // The new values go where the room is, else into the first global tag.
    const auto holdsRoom = [](const Tag &tag) {
        return std::any_of(tag.children.cbegin(), tag.children.cend(),
                           [](const Child &child) { return child.kind == Kind::Room; });
    };
    auto home = std::find_if(model.tags.cbegin(), model.tags.cend(), holdsRoom);
    if (home == model.tags.cend())
        home = std::find_if(model.tags.cbegin(), model.tags.cend(),
                            [](const Tag &tag) { return tag.global; });
    QByteArray edited = bytes;
    bool placed = entries.isEmpty();
    bool touched = false;
    for (auto tag = model.tags.cbegin(); tag != model.tags.cend(); ++tag) {
        const auto freed = [&changed](const Child &child) {
            return child.kind == Kind::Room ||
                   (child.kind == Kind::Text && changed.contains(child.name));
        };
        const bool receives = tag == home && !entries.isEmpty();
        if (!receives && std::none_of(tag->children.cbegin(), tag->children.cend(), freed))
            continue;
        touched = true;
        // Runs of neighbouring free children, each one Void or the new values.
        QList<std::pair<qint64, qint64>> runs;
        qint64 last = -1;
        for (const Child &child : tag->children) {
            if (!freed(child) && child.kind != Kind::Void)
                continue;
            if (child.header.start == last)
                runs.last().second = child.header.end;
            else
                runs.append({child.header.start, child.header.end});
            last = child.header.end;
        }
        std::sort(runs.begin(), runs.end(), [](const auto &a, const auto &b) {
            return a.second - a.first > b.second - b.first;
        });
        for (const auto &[start, end] : std::as_const(runs)) {
            if (receives && !placed && fill(edited, start, end, entries))
                placed = true;
            else
                voidOut(edited, start, end);
        }
        storeChecksum(edited, tag->checksum);
    }
    if (!placed)
        return std::nullopt;
    if (touched)
        storeChecksum(edited, model.checksum);
    return edited;
}

} // namespace

bool rewriteTags(int fd, const std::function<TagMap(const TagMap &)> &change)
{
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const auto where = findTags(fd, qint64(status.st_size));
    if (!where || where->end - where->start > MaxTagsSize)
        return false;
    const QByteArray bytes = readAt(fd, where->start, where->end - where->start);
    const auto model = parse(bytes);
    if (!model)
        return false;
    const TagMap current = textTags(*model);
    const TagMap wanted = normalised(change(current));
    const auto edited = edit(bytes, *model, current, wanted);
    if (!edited)
        return false;
    if (*edited == bytes)
        return true;
    // Read back as a reader would before a byte is written.
    const auto check = parse(*edited);
    if (!check || hasRoom(*check) || textTags(*check) != wanted)
        return false;
    if (writeAt(fd, where->start, *edited) && ::fsync(fd) == 0)
        return true;
    writeAt(fd, where->start, bytes);
    return false;
}

} // namespace tags::matroska
