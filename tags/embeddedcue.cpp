#include "embeddedcue.h"

#include "fileio_p.h"

#include <QCoreApplication>

#include <sys/stat.h>

#include <cstring>

namespace tags {

namespace {

// Far beyond any real image's metadata (a cover or two, a seek table), and
// few enough to walk at once.
constexpr int MaxBlocks = 128;
constexpr qint64 MaxMetadataBytes = 16 * 1024 * 1024;
// A CUESHEET block of 100 tracks with 100 index points each is 156 kB.
constexpr qint64 MaxCueBlockBytes = 1024 * 1024;
// Sample positions are kept below this, so that the frame arithmetic cannot
// overflow (it is 290 days at 44.1 kHz).
constexpr quint64 MaxSamplePosition = quint64(1) << 40;

constexpr int StreamInfoType = 0;
constexpr int CueSheetType = 5;
constexpr int InvalidType = 127;
constexpr int CdLeadOut = 170;
constexpr int OtherLeadOut = 255;

// The fixed fields of a CUESHEET block, of a track in it and of an index point.
constexpr qint64 SheetHeaderBytes = 128 + 8 + 259 + 1;
constexpr qint64 TrackHeaderBytes = 8 + 1 + 12 + 1 + 13 + 1;
constexpr qint64 IndexBytes = 8 + 1 + 3;

QString tr(const char *text)
{
    return QCoreApplication::translate("CueSheet", text);
}

std::optional<cuesheet::Sheet> failed(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

quint64 bigEndian(const uchar *data, int bytes)
{
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | data[i];
    return value;
}

// A fixed field of printable ASCII padded with NULs; anything else is
// nothing worth keeping.
QString asciiField(const uchar *data, int bytes)
{
    int length = 0;
    while (length < bytes && data[length] != 0)
        ++length;
    for (int i = 0; i < length; ++i) {
        if (data[i] < 0x20 || data[i] > 0x7e)
            return QString();
    }
    return QString::fromLatin1(reinterpret_cast<const char *>(data), length).trimmed();
}

// The CUESHEET block's tracks. A block that ends early, whose positions run
// backwards or past the audio, or that numbers more tracks than a sheet
// can, is damaged.
std::optional<cuesheet::Sheet> parseBlock(const QByteArray &block, int rate, quint64 totalSamples,
                                          QString *error)
{
    const auto *data = reinterpret_cast<const uchar *>(block.constData());
    const qint64 size = block.size();
    const QString truncated = tr("The FLAC cue sheet ends early.");
    if (size < SheetHeaderBytes)
        return failed(error, truncated);
    cuesheet::Sheet sheet;
    sheet.files.append(QString());
    sheet.catalog = asciiField(data, 128);
    const bool cd = (data[128 + 8] & 0x80) != 0;
    const int count = data[SheetHeaderBytes - 1];
    const quint64 limit = totalSamples > 0 ? totalSamples : MaxSamplePosition;
    const QString backwards = tr("The FLAC cue sheet's positions run backwards.");
    const QString beyond = tr("The FLAC cue sheet's positions lie beyond the audio.");

    qint64 at = SheetHeaderBytes;
    int lastNumber = 0;
    bool leadOut = false;
    bool any = false;
    quint64 lastPosition = 0;
    qint64 lastStart = -1;
    for (int t = 0; t < count; ++t) {
        if (size - at < TrackHeaderBytes)
            return failed(error, truncated);
        if (leadOut)
            return failed(error, tr("The FLAC cue sheet has tracks after its lead-out."));
        const uchar *track = data + at;
        const quint64 offset = bigEndian(track, 8);
        const int number = track[8];
        const bool audio = (track[21] & 0x80) == 0;
        const int points = track[35];
        at += TrackHeaderBytes;
        if (size - at < points * IndexBytes)
            return failed(error, truncated);
        if (offset > limit)
            return failed(error, beyond);
        if (number == (cd ? CdLeadOut : OtherLeadOut)) {
            // The end of the audio, after every track.
            if (any && offset < lastPosition)
                return failed(error, backwards);
            leadOut = true;
            at += points * IndexBytes;
            continue;
        }
        if (number > cuesheet::MaxTracks)
            return failed(
                error, tr("The FLAC cue sheet has more than %1 tracks.").arg(cuesheet::MaxTracks));
        if (number < 1 || number <= lastNumber)
            return failed(error, tr("The FLAC cue sheet numbers its tracks wrongly."));
        lastNumber = number;
        cuesheet::Track entry;
        entry.number = number;
        entry.isrc = asciiField(track + 9, 12);
        bool started = false;
        for (int p = 0; p < points; ++p, at += IndexBytes) {
            const uchar *point = data + at;
            const quint64 relative = bigEndian(point, 8);
            const int index = point[8];
            if (relative > limit - offset)
                return failed(error, beyond);
            const quint64 position = offset + relative;
            if (any && position <= lastPosition)
                return failed(error, backwards);
            any = true;
            lastPosition = position;
            const qint64 frames = qint64(position) * cuesheet::FramesPerSecond / rate;
            if (index == 1) {
                entry.start = frames;
                started = true;
            } else if (index == 0 && !started) {
                entry.gapFile = 0;
                entry.gapStart = frames;
            }
        }
        if (!started)
            return failed(error, tr("Track %1 of the FLAC cue sheet has no start.").arg(number));
        if (entry.start <= lastStart)
            return failed(error, backwards);
        lastStart = entry.start;
        // A data track holds no audio worth a file of its own.
        if (audio)
            sheet.tracks.append(entry);
    }
    if (sheet.tracks.isEmpty())
        return std::nullopt;
    return sheet;
}

// The FLAC CUESHEET block of the file at fd, read from its metadata blocks.
std::optional<cuesheet::Sheet> blockSheet(int fd, QString *error)
{
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const qint64 fileSize = status.st_size;
    qint64 at = 0;
    uchar head[10];
    if (!readAt(fd, reinterpret_cast<char *>(head), 10, 0))
        return std::nullopt;
    // Some taggers put an ID3v2 tag ahead of the FLAC stream.
    if (head[0] == 'I' && head[1] == 'D' && head[2] == '3') {
        if ((head[6] | head[7] | head[8] | head[9]) & 0x80)
            return std::nullopt;
        at = 10 + ((qint64(head[6]) << 21) | (head[7] << 14) | (head[8] << 7) | head[9]);
        if (head[5] & 0x10)
            at += 10;
        if (at > fileSize - 4 || !readAt(fd, reinterpret_cast<char *>(head), 4, at))
            return std::nullopt;
    }
    if (std::memcmp(head, "fLaC", 4) != 0)
        return std::nullopt;
    at += 4;

    int rate = 0;
    quint64 totalSamples = 0;
    QByteArray cue;
    qint64 metadata = 0;
    for (int blocks = 0; blocks < MaxBlocks; ++blocks) {
        uchar header[4];
        if (at > fileSize - 4 || !readAt(fd, reinterpret_cast<char *>(header), 4, at))
            break;
        const bool last = (header[0] & 0x80) != 0;
        const int type = header[0] & 0x7f;
        const qint64 length = qint64(bigEndian(header + 1, 3));
        at += 4;
        if (type == InvalidType)
            break;
        const bool fits = length <= fileSize - at;
        if (type == CueSheetType) {
            if (!cue.isNull())
                return failed(error, tr("The FLAC file holds more than one cue sheet."));
            if (length > MaxCueBlockBytes)
                return failed(error, tr("The FLAC cue sheet is too large."));
            if (!fits)
                return failed(error, tr("The FLAC cue sheet ends early."));
            cue.resize(length);
            if (!readAt(fd, cue.data(), length, at))
                return failed(error, tr("The FLAC cue sheet could not be read."));
        } else if (type == StreamInfoType && length >= 18 && fits) {
            uchar info[18];
            if (!readAt(fd, reinterpret_cast<char *>(info), 18, at))
                break;
            rate = int((info[10] << 12) | (info[11] << 4) | (info[12] >> 4));
            totalSamples = (quint64(info[13] & 0x0f) << 32) | bigEndian(info + 14, 4);
        } else if (!fits) {
            break;
        }
        at += length;
        metadata += 4 + length;
        if (last || metadata > MaxMetadataBytes)
            break;
    }
    if (cue.isNull())
        return std::nullopt;
    if (rate <= 0)
        return failed(error, tr("The FLAC file gives no sample rate for its cue sheet."));
    return parseBlock(cue, rate, totalSamples, error);
}

// The text of a CUESHEET tag, parsed; one FILE entry at most, as the sheet
// of one image names just that.
std::optional<cuesheet::Sheet> textSheet(const QString &text, QString *error)
{
    if (text.size() > cuesheet::MaxSheetBytes)
        return failed(error, tr("The embedded cue sheet is too large."));
    QString reason;
    auto sheet = cuesheet::parse(text, &reason);
    if (!sheet)
        return failed(error, tr("The embedded cue sheet cannot be read: %1").arg(reason));
    if (sheet->files.size() > 1)
        return failed(error, tr("The embedded cue sheet names several files."));
    if (sheet->tracks.isEmpty())
        return failed(error, tr("The embedded cue sheet holds no tracks."));
    if (sheet->files.isEmpty())
        sheet->files.append(QString());
    for (cuesheet::Track &track : sheet->tracks) {
        track.file = 0;
        if (track.gapFile >= 0)
            track.gapFile = 0;
    }
    return sheet;
}

} // namespace

bool isCueSheetKey(const QString &key)
{
    return key.compare(QLatin1String("CUESHEET"), Qt::CaseInsensitive) == 0;
}

std::optional<cuesheet::Sheet> embeddedCueSheet(int fd, const SourceTags &source, QString *error)
{
    QString text;
    for (auto it = source.values.cbegin(); it != source.values.cend() && text.isEmpty(); ++it) {
        if (isCueSheetKey(it.key()) && !it.value().isEmpty())
            text = it.value().first().trimmed();
    }
    QString reason;
    if (!text.isEmpty()) {
        if (auto sheet = textSheet(text, &reason))
            return sheet;
    }
    QString blockReason;
    auto sheet = blockSheet(fd, &blockReason);
    if (sheet)
        return sheet;
    // The text's reason first: the block is only looked at in its place.
    if (error)
        *error = reason.isEmpty() ? blockReason : reason;
    return std::nullopt;
}

} // namespace tags
