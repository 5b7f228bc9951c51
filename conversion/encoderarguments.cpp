#include "encoderarguments.h"

#include "encodercontract.h"
#include "matroskaroom.h"

#include <algorithm>
#include <utility>

namespace encoderarguments {

namespace {

bool isOpus(const QString &format)
{
    return format == QLatin1String("opus");
}

const QLatin1String MetadataOption("-metadata");
const QLatin1String VolumeFilterOption("-filter:a");
const QLatin1String VolumeFilter("volume=");

// The encoder's volume filter takes a factor; the list offers percentages.
// Integer arithmetic keeps the text free of locale and rounding noise:
// 25 -> 0.25, 150 -> 1.5, 400 -> 4.
QString volumeFactor(int percent)
{
    QString text = QString::number(percent / 100);
    const int hundredths = percent % 100;
    if (hundredths == 0)
        return text;
    QString fraction = QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return text + QLatin1Char('.') + fraction;
}

// The seek ahead of the input and the cut after it for a span. The seek
// goes to a whole hundredth of a second (a whole second at a rate that is
// no multiple of 100), which is a whole number of samples, so that the cut
// counts from a sample exactly known and little is decoded only to be cut.
struct SpanCut
{
    QStringList seek; // before the input
    QString trim;     // the first filter of the audio; empty for none
};

SpanCut spanCut(const std::optional<SampleSpan> &span)
{
    SpanCut cut;
    if (!span || span->rate <= 0 || (span->start <= 0 && span->end < 0))
        return cut;
    const qint64 start = qMax<qint64>(span->start, 0);
    const int parts = span->rate % 100 == 0 ? 100 : 1; // of a second
    const qint64 step = span->rate / parts;            // samples
    // Within the first second a seek saves next to nothing, and in a file of
    // a single FLAC frame (a tenth of a second) the encoder cannot seek at
    // all and converts nothing: the cut alone does it there.
    const qint64 steps = start >= span->rate ? start / step : 0;
    const qint64 skip = start - steps * step;
    if (steps > 0) {
        QString at = QString::number(steps / parts);
        if (parts > 1)
            at += QStringLiteral(".%1").arg(steps % parts, 2, 10, QLatin1Char('0'));
        cut.seek << QLatin1String(encodercontract::SeekOption) << at;
    }
    QStringList bounds;
    if (skip > 0)
        bounds << QStringLiteral("start_sample=%1").arg(skip);
    if (span->end >= 0)
        bounds << QStringLiteral("end_sample=%1").arg(skip + qMax<qint64>(span->end - start, 0));
    // A track's timestamps begin at its own start.
    if (!bounds.isEmpty())
        cut.trim = QLatin1String("atrim=") + bounds.join(QLatin1Char(':')) +
                   QLatin1String(",asetpts=PTS-STARTPTS");
    return cut;
}

} // namespace

QStringList optionArguments(const EncoderOptions &options)
{
    // Texts go out exactly as typed; the process launcher does the quoting.
    QStringList arguments;
    const auto addTag = [&arguments](const QString &key, const QString &value) {
        if (value.isEmpty())
            return;
        arguments << MetadataOption << key + QLatin1Char('=') + value;
    };
    addTag(QStringLiteral("title"), options.title);
    addTag(QStringLiteral("album"), options.album);
    // "artist" and "date" are the keys the encoder maps onto every container's
    // own tag; "author" and "year" were silently dropped by most of them.
    addTag(QStringLiteral("artist"), options.artist);
    if (options.year > 0)
        addTag(QStringLiteral("date"), QString::number(options.year));
    if (options.volume != 100 && options.volume > 0)
        arguments << VolumeFilterOption << VolumeFilter + volumeFactor(options.volume);
    return arguments;
}

EncoderOptions optionsFromArguments(const QStringList &arguments)
{
    EncoderOptions options;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        const QString &value = arguments[i + 1];
        if (arguments[i] == MetadataOption) {
            const QString key = value.section(QLatin1Char('='), 0, 0);
            const QString text = value.section(QLatin1Char('='), 1);
            if (key == QLatin1String("title"))
                options.title = text;
            else if (key == QLatin1String("album"))
                options.album = text;
            else if (key == QLatin1String("artist"))
                options.artist = text;
            else if (key == QLatin1String("date"))
                options.year = text.toInt();
            ++i;
        } else if (arguments[i] == VolumeFilterOption && value.startsWith(VolumeFilter)) {
            options.volume = qRound(value.mid(VolumeFilter.size()).toDouble() * 100);
            ++i;
        }
    }
    return options;
}

QString muxerFor(const QString &format)
{
    static const char *const muxers[][2] = {
        {"mp3", "mp3"},  {"m4a", "ipod"}, {"wma", "asf"},      {"wav", "wav"},   {"flac", "flac"},
        {"aac", "adts"}, {"ogg", "ogg"},  {"mka", "matroska"}, {"opus", "opus"},
    };
    for (const auto &entry : muxers) {
        if (format == QLatin1String(entry[0]))
            return QLatin1String(entry[1]);
    }
    return QString();
}

QString mediaContainers()
{
    // The encoder's demuxer names. "mov" and "matroska" stand for the
    // demuxers that also read MP4, M4A, 3GP and WebM; "iff" reads DSDIFF,
    // "libopenmpt" the tracker modules. Left out on purpose: playlists,
    // file lists and manifests (hls, concat, dash, ...), devices, images and
    // the encoder's own generators.
    return QStringLiteral(
        "wav,w64,aiff,caf,au,voc,flac,mp3,ogg,mov,matroska,asf,xwma,aac,loas,ac3,eac3,dts,"
        "dtshd,truehd,mlp,amr,amrnb,amrwb,ape,wv,tta,tak,mpc,mpc8,shn,dsf,iff,libopenmpt,"
        "mpeg,mpegts,avi,flv,rm");
}

QStringList inputGuards()
{
    using namespace encodercontract;
    return {QLatin1String(FormatWhitelistOption), mediaContainers(),
            QLatin1String(ProtocolWhitelistOption), QLatin1String(FileProtocol)};
}

bool keepsPicture(const QString &format)
{
    return format == QLatin1String("mp3") || format == QLatin1String("m4a") ||
           format == QLatin1String("flac");
}

bool needsSourceInfo(const QString &format, int bitrate)
{
    return isOpus(format) && bitrate > encodercontract::MaxOpusBitratePerChannel;
}

QStringList build(const QString &input, int bitrate, const EncoderOptions &options,
                  const QString &format, const QString &target,
                  const sourceprobe::SourceInfo &source, bool keepCover, bool measureLoudness,
                  const std::optional<SampleSpan> &span)
{
    using namespace encodercontract;
    // An unknown channel count is taken as one: the rate is then one that
    // every source accepts.
    if (isOpus(format))
        bitrate = qMin(bitrate, MaxOpusBitratePerChannel * qMax(1, source.channels));
    const SpanCut cut = spanCut(span);
    QStringList arguments = inputGuards() + cut.seek;
    arguments << QLatin1String(InputOption) << input << QLatin1String(OverwriteOption);
    // A simple filter and a graph cannot both feed one stream: when measuring,
    // the volume moves into the graph, ahead of the split. The metered
    // output comes first, so that the target's options and path stay last.
    // A span's cut comes first of all.
    EncoderOptions tagOptions = options;
    const bool louder = options.volume != 100 && options.volume > 0;
    if (measureLoudness) {
        tagOptions.volume = 100;
        QString graph = QLatin1String(FirstAudioInput);
        if (!cut.trim.isEmpty())
            graph += cut.trim + QLatin1Char(',');
        if (louder)
            graph += VolumeFilter + volumeFactor(options.volume) + QLatin1Char(',');
        arguments << QLatin1String(FilterGraphOption) << graph + QLatin1String(SplitForMeter)
                  << QLatin1String(MapOption) << QLatin1String(MeteredAudioStream)
                  << QLatin1String(MetadataSourceOption) << QLatin1String(NoMetadata)
                  << QLatin1String(CodecOption) << QLatin1String(MeterCodec)
                  << QLatin1String(MuxerOption) << QLatin1String(MeterMuxer)
                  << QLatin1String(StandardOutput);
    } else if (!cut.trim.isEmpty()) {
        tagOptions.volume = 100;
        arguments << VolumeFilterOption
                  << cut.trim + (louder ? QLatin1Char(',') + VolumeFilter + volumeFactor(options.volume)
                                        : QString());
    }
    arguments << QLatin1String(BitrateOption) << QString::number(bitrate) + QLatin1Char('k');
    arguments += optionArguments(tagOptions);
    // Matroska keeps its tags ahead of the audio: the measured values can
    // only be added later where room was left for them.
    if (measureLoudness && format == QLatin1String("mka"))
        arguments << MetadataOption
                  << QLatin1String(tags::MatroskaRoomName) + QLatin1Char('=') +
                         QString(tags::MatroskaRoomLength, QLatin1Char(' '));
    if (format == QLatin1String("wma"))
        arguments << QLatin1String(CodecOption) << QLatin1String(WmaCodec);
    else if (isOpus(format))
        arguments << QLatin1String(CodecOption) << QLatin1String(OpusCodec)
                  << QLatin1String(OpusRateModeOption) << QLatin1String(OpusRateMode);
    // Every format takes the first audio stream, so a source with several
    // gives the same one whatever it is converted to.
    arguments << QLatin1String(MapOption)
              << QLatin1String(measureLoudness ? EncodedAudioStream : FirstAudioStream);
    if (keepCover && keepsPicture(format)) {
        // Every attached picture ("v" less "V", the video that is none) and
        // nothing else: a film's video is never converted into audio.
        arguments << QLatin1String(MapOption) << QLatin1String(AllVideoStreams)
                  << QLatin1String(MapOption) << QLatin1String(NoRealVideoStreams)
                  << QLatin1String(PictureCodecOption) << QLatin1String(CopyCodec);
    } else {
        arguments << QLatin1String(NoVideoOption);
    }
    const QString muxer = muxerFor(format);
    if (!muxer.isEmpty())
        arguments << QLatin1String(MuxerOption) << muxer;
    arguments << target;
    return arguments;
}

namespace {

// Characters that carry a name on, so that "/home/ann" is not the start of
// "/home/annie" or "/home/ann.old", nor the end of "/srv/home/ann".
bool continuesName(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('_') ||
           c == QLatin1Char('-');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

QString withHomeHidden(const QString &text, const QString &home)
{
    QString plain = home;
    plain.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (plain.size() > 1 && plain.endsWith(QLatin1Char('/')))
        plain.chop(1);
    // A home at the root of a disk (or none) would hide every path.
    if (plain.size() <= 1 || plain.endsWith(QLatin1Char(':')))
        return text;
    // Arguments carry native separators; error output may carry either.
    QString backslashed = plain;
    backslashed.replace(QLatin1Char('/'), QLatin1Char('\\'));

    QString result;
    qsizetype copied = 0;
    qsizetype at = 0;
    for (;;) {
        qsizetype found = text.indexOf(plain, at);
        const qsizetype other = text.indexOf(backslashed, at);
        if (found < 0 || (other >= 0 && other < found))
            found = other;
        if (found < 0)
            break;
        const qsizetype end = found + plain.size();
        const bool startsPath =
            found == 0 || (!continuesName(text[found - 1]) && !isSeparator(text[found - 1]));
        const bool endsName = end == text.size() || !continuesName(text[end]);
        if (startsPath && endsName) {
            result += QStringView(text).mid(copied, found - copied);
            result += QLatin1Char('~');
            copied = end;
            at = end;
        } else {
            at = found + 1;
        }
    }
    if (copied == 0)
        return text;
    result += QStringView(text).mid(copied);
    return result;
}

} // namespace

QString bugReportText(const QStringList &arguments, const QString &errorText, const QString &home)
{
    return withHomeHidden(arguments.join(QLatin1String("&&")), home) + QLatin1String("##") +
           withHomeHidden(errorText, home);
}

namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

QString lastComponent(const QString &path)
{
    return path.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
}

// "<source>.mp4": the extension only when it is one (letters and digits,
// at most five), so that no part of a name with a dot in it shows ("Call
// with Dr. Miller" stays "<source>").
QString placeholder(const char *role, const QString &path)
{
    QString shown = QLatin1Char('<') + QLatin1String(role) + QLatin1Char('>');
    const QString name = lastComponent(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QStringView extension = QStringView(name).mid(dot + 1);
    if (dot > 0 && !extension.isEmpty() && extension.size() <= 5 &&
        std::all_of(extension.begin(), extension.end(), isAsciiLetterOrDigit))
        shown += QLatin1Char('.') + extension;
    return shown;
}

// The encoder's log prints these control characters as '?'.
QString asLogged(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x08 || (c.unicode() > 0x0d && c.unicode() < 0x20))
            c = QLatin1Char('?');
    }
    return text;
}

struct Hidden
{
    QString text;
    QString shown;
    bool bare = false; // a name without its folder: only where it stands alone
};

// A path and its file name in every form the encoder may print them.
void hide(QList<Hidden> &hidden, const QString &path, const QString &shown)
{
    if (path.isEmpty())
        return;
    const QString name = lastComponent(path);
    for (const QString &form : {path, asLogged(path)})
        hidden.append({form, shown, false});
    for (const QString &form : {name, asLogged(name)})
        hidden.append({form, shown, true});
}

bool isWordCharacter(QStringView text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isLetterOrNumber();
}

// Longest first, so that a path that begins another is not half replaced.
QString replacePaths(QString text, QList<Hidden> hidden)
{
    std::sort(hidden.begin(), hidden.end(),
              [](const Hidden &a, const Hidden &b) { return a.text.size() > b.text.size(); });
    for (const Hidden &entry : hidden) {
        if (entry.text.isEmpty())
            continue;
        for (qsizetype at = text.indexOf(entry.text); at >= 0; at = text.indexOf(entry.text, at)) {
            const qsizetype end = at + entry.text.size();
            if (entry.bare && (isWordCharacter(text, at - 1) || isWordCharacter(text, end))) {
                ++at;
                continue;
            }
            text.replace(at, entry.text.size(), entry.shown);
            at += entry.shown.size();
        }
    }
    return text;
}

// Lines that may quote a tag value outside a "Metadata:" block: the
// encoder's own words are ASCII, so any other character came from the file
// (a tag, a name); and warnings that quote a picture's declared type.
bool mayQuoteTag(QStringView line)
{
    for (const QChar c : line) {
        if (c.unicode() > 0x7e)
            return true;
    }
    return line.contains(QLatin1String("mimetype"), Qt::CaseInsensitive) ||
           line.contains(QLatin1String("mime type"), Qt::CaseInsensitive);
}

} // namespace

QString withoutTagLines(const QString &text)
{
    const auto indent = [](QStringView line) {
        qsizetype spaces = 0;
        while (spaces < line.size() && line[spaces] == QLatin1Char(' '))
            ++spaces;
        return spaces;
    };
    QString result;
    qsizetype blockIndent = -1; // the indent of the open block's "Metadata:" line
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const qsizetype spaces = indent(line);
        if (blockIndent >= 0 && spaces > blockIndent && spaces < line.size())
            continue;
        blockIndent = -1;
        if (line.mid(spaces).trimmed() == QLatin1String("Metadata:")) {
            blockIndent = spaces;
            continue;
        }
        if (mayQuoteTag(line))
            continue;
        result += line;
        result += QLatin1Char('\n');
    }
    result.chop(1);
    return result;
}

QString privateFreeReport(const QStringList &arguments, const QString &errorText,
                          const QString &home, const QString &userSource, const QString &userTarget)
{
    using namespace encodercontract;
    QList<Hidden> hidden;
    const qsizetype input = arguments.indexOf(QLatin1String(InputOption));
    const bool hasInput = input >= 0 && input + 1 < arguments.size();
    const QString source = placeholder(
        "source", userSource.isEmpty() && hasInput ? arguments.at(input + 1) : userSource);
    if (hasInput)
        hide(hidden, arguments.at(input + 1), source);
    hide(hidden, userSource, source);
    const QString target = placeholder("target", userTarget);
    if (!arguments.isEmpty() && arguments.size() - 1 != input + 1)
        hide(hidden, arguments.last(), target);
    hide(hidden, userTarget, target);

    QStringList shown;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = replacePaths(arguments.at(i), hidden);
        // "-metadata key=value": the key says what the user set, the value
        // is theirs.
        if (i > 0 && arguments.at(i - 1) == QLatin1String("-metadata"))
            argument = argument.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        shown << argument;
    }
    // Names first: one with a line break in it must go whole.
    const QString text = withoutTagLines(replacePaths(errorText, hidden));
    return bugReportText(shown, text, home);
}

} // namespace encoderarguments
