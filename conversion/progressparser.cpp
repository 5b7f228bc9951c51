#include "progressparser.h"

#include "encodercontract.h"

#include <QStringView>

#include <cstring>
#include <iterator>
#include <limits>

namespace {

// A stamp is "dd:dd:dd?dd"; the scanner anchors on its first ':' at index c,
// so the stamp spans [c - 2, c + 9) and its prefix ends at c - 2.
constexpr qsizetype StampTail = 9;
constexpr qsizetype StampHead = 2;
constexpr const char16_t *ProgressPrefix = encodercontract::ProgressStamp;
constexpr qsizetype ProgressPrefixLength = std::size(encodercontract::ProgressStamp) - 1;
constexpr const char16_t *DurationPrefix = encodercontract::DurationStamp;
constexpr qsizetype DurationPrefixLength = std::size(encodercontract::DurationStamp) - 1;

inline bool isDigit(char16_t ch)
{
    return ch >= u'0' && ch <= u'9';
}

inline int twoDigits(const char16_t *p)
{
    return (p[0] - u'0') * 10 + (p[1] - u'0');
}

// Whether a complete stamp opens with the ':' at index c of text[0, size).
inline bool stampAt(const char16_t *text, qsizetype size, qsizetype c)
{
    if (c < StampHead || c + StampTail > size)
        return false;
    const char16_t *s = text + c - StampHead;
    // The sixth character after the first digit pair is the wildcard and is not looked at.
    return isDigit(s[0]) && isDigit(s[1]) && isDigit(s[3]) && isDigit(s[4]) && s[5] == u':' &&
           isDigit(s[6]) && isDigit(s[7]) && isDigit(s[9]) && isDigit(s[10]);
}

// Hundredths of the stamp opening with the ':' at index c.
inline qint32 stampValue(const char16_t *text, qsizetype c)
{
    const char16_t *s = text + c - StampHead;
    return twoDigits(s) * 360000 + twoDigits(s + 3) * 6000 + twoDigits(s + 6) * 100 +
           twoDigits(s + 9);
}

inline bool prefixAt(const char16_t *text, qsizetype c, const char16_t *prefix,
                     qsizetype prefixLength)
{
    const qsizetype start = c - StampHead - prefixLength;
    return start >= 0 &&
           std::memcmp(text + start, prefix, size_t(prefixLength) * sizeof(char16_t)) == 0;
}

} // namespace

bool noAudioEncoded(const QString &text)
{
    if (text.contains(QStringView(encodercontract::NothingEncodedText)))
        return true;
    // "video:0kB audio:0kB subtitle:0kB ...": the last such line closes the run.
    const QStringView view(text);
    const QStringView sizeStamp(encodercontract::AudioSizeStamp);
    const qsizetype at = view.lastIndexOf(sizeStamp);
    if (at < 0 || (at > 0 && !text.at(at - 1).isSpace()))
        return false;
    if (!view.mid(at + sizeStamp.size()).startsWith(QLatin1String("0kB")))
        return false;
    // Silence and short sources compress below the kilobyte that count is
    // rounded to; the closing progress stamp says how much was encoded. It
    // reads "N/A" when nothing reached the target.
    const QStringView timeStamp(encodercontract::ProgressStamp);
    const qsizetype time = view.left(at).lastIndexOf(timeStamp);
    if (time < 0)
        return true;
    const QStringView value = view.mid(time + timeStamp.size(), StampHead + StampTail);
    const qsizetype colon = StampHead;
    if (value.size() < StampHead + StampTail ||
        !stampAt(reinterpret_cast<const char16_t *>(value.data()), value.size(), colon))
        return true;
    return stampValue(reinterpret_cast<const char16_t *>(value.data()), colon) == 0;
}

bool refusedAsNoMedia(const QString &text)
{
    return text.contains(QStringView(encodercontract::NotOnWhitelistText));
}

qint32 timeToHundredths(const QString &text)
{
    const auto *data = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    const QStringView view(text);
    for (qsizetype c = view.indexOf(u':', StampHead); c >= 0 && c + StampTail <= size;
         c = view.indexOf(u':', c + 1)) {
        if (stampAt(data, size, c))
            return stampValue(data, c);
    }
    return 0;
}

void ProgressParser::forgetSearch()
{
    m_scanFrom = 0;
    m_durationSeen = false;
    m_durationValue = 0;
}

ProgressUpdate ProgressParser::feed(const QByteArray &chunk, qint64 elapsedMs)
{
    // A zero byte ends what this chunk contributes. The text is UTF-8 (names
    // and tags come in it as they are); a character split between two reads
    // is completed by the next, and bytes that are no UTF-8 become U+FFFD.
    const char *bytes = chunk.constData();
    const void *zero = std::memchr(bytes, 0, size_t(chunk.size()));
    const qsizetype used = zero ? static_cast<const char *>(zero) - bytes : chunk.size();
    if (used > 0)
        m_text.append(m_decoder.decode(QByteArrayView(bytes, used)));
    m_tail.append(bytes + qMax<qsizetype>(0, used - ClosingTextLimit),
                  qMin<qsizetype>(used, ClosingTextLimit));
    if (m_tail.size() > ClosingTextLimit)
        m_tail.remove(0, m_tail.size() - ClosingTextLimit);

    const auto *text = reinterpret_cast<const char16_t *>(m_text.constData());
    const qsizetype size = m_text.size();
    const auto nextColon = [&](qsizetype c) -> qsizetype {
        return QStringView(text, size).indexOf(u':', c);
    };

    // One pass finds both the first duration stamp (anywhere in the text, also
    // after the first progress stamp) and the first progress stamp.
    qsizetype progressColon = -1;
    for (qsizetype c = nextColon(qMax(m_scanFrom, StampHead)); c >= 0 && c + StampTail <= size;
         c = nextColon(c + 1)) {
        if (!stampAt(text, size, c))
            continue;
        if (progressColon < 0 && prefixAt(text, c, ProgressPrefix, ProgressPrefixLength)) {
            progressColon = c;
            if (m_durationSeen)
                break;
        } else if (!m_durationSeen && prefixAt(text, c, DurationPrefix, DurationPrefixLength)) {
            m_durationSeen = true;
            m_durationValue = stampValue(text, c);
            if (progressColon >= 0)
                break;
        }
    }
    if (m_durationSeen && m_durationValue > 0 && !m_durationKnown)
        m_duration = m_durationValue;

    ProgressUpdate update;
    if (progressColon < 0) {
        // A stamp may still be completed by the next chunk: resume where the
        // last incomplete one could open.
        m_scanFrom = qMax<qsizetype>(m_scanFrom, size - StampTail + 1);
        if (size > KeptTextLimit) {
            const qsizetype cut = size - KeptTextLimit;
            // Removing from the front only moves the string's start; the kept
            // text is moved back to the front of its block only when the free
            // end runs out, which a roomy block makes rare. A block grown by
            // one huge chunk is given back.
            m_text.remove(0, cut);
            const qsizetype block = m_text.capacity();
            if (block < 3 * KeptTextLimit || block > 5 * KeptTextLimit) {
                QString kept;
                kept.reserve(4 * KeptTextLimit);
                kept.append(m_text);
                m_text.swap(kept);
            }
            m_scanFrom = qMax<qsizetype>(0, m_scanFrom - cut);
        }
        return update;
    }

    const qint32 position = stampValue(text, progressColon);
    update.stampFound = true;
    if (position >= 1 && m_duration >= 1) {
        // Positions past about six hours overflow 32 bits once multiplied by 100.
        const qint64 percent = qint64(position) * 100 / m_duration;
        update.percentValid = true;
        update.percent = int(qMin<qint64>(percent, std::numeric_limits<int>::max()));
        if (percent >= 1) {
            const qint64 elapsed = qMax<qint64>(elapsedMs, 0);
            update.remainingMs = elapsed / percent * 100 - elapsed;
        }
    }
    // With the clock still at 0 ms there is no rate yet.
    if (elapsedMs > 0)
        update.speed = qint64(position) * 10 / elapsedMs;

    m_text.clear();
    forgetSearch();
    return update;
}

void ProgressParser::setKnownDuration(qint32 duration)
{
    if (duration <= 0)
        return;
    m_duration = duration;
    m_durationKnown = true;
}
