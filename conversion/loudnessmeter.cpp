#include "loudnessmeter.h"

#include <QtMath>

#include <limits>

namespace {

// The meter's lines begin with its instance name, "[Parsed_ebur128_3 @ 0x…]".
const QByteArrayView MeterPrefix("[Parsed_ebur128_");
const QByteArrayView BlockMark("] t:");
const QByteArrayView SummaryMark("] Summary:");
const QByteArrayView MomentaryMark(" M:");
// A line this long without an end is nobody's block line.
constexpr qsizetype PendingLimit = 4096;

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// The number after "name:" and any spaces, as the meter prints it ("-23.0",
// "-inf").
std::optional<double> numberAfter(QByteArrayView text, qsizetype at)
{
    while (at < text.size() && text[at] == ' ')
        ++at;
    qsizetype end = at;
    while (end < text.size() && text[end] != ' ' && !isLineEnd(text[end]))
        ++end;
    const QByteArrayView number = text.sliced(at, end - at);
    if (number == "-inf")
        return -std::numeric_limits<double>::infinity();
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QByteArray LoudnessMeter::feed(const QByteArray &chunk)
{
    QByteArray passed;
    const QByteArray text = m_pending.isEmpty() ? chunk : m_pending + chunk;
    m_pending.clear();
    const QByteArrayView view(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i < view.size(); ++i) {
        if (isLineEnd(view[i])) {
            readLine(view.sliced(start, i + 1 - start), passed);
            start = i + 1;
        }
    }
    const QByteArrayView rest = view.sliced(start);
    const bool mayBeMeters =
        rest.startsWith(MeterPrefix) || MeterPrefix.startsWith(rest) || m_inSummary;
    if (mayBeMeters && rest.size() < PendingLimit)
        m_pending = rest.toByteArray();
    else
        passed += rest;
    return passed;
}

void LoudnessMeter::readLine(QByteArrayView line, QByteArray &passed)
{
    if (line.startsWith(MeterPrefix)) {
        const qsizetype nameEnd = line.indexOf(']');
        if (line.sliced(nameEnd).startsWith(BlockMark)) {
            const qsizetype at = line.indexOf(MomentaryMark);
            if (at >= 0) {
                if (const auto value = numberAfter(line, at + MomentaryMark.size()))
                    m_track.blocks.append(float(*value));
            }
            return;
        }
        // The graph is set up once to be checked, and sums up nothing then;
        // one set up again mid-stream sums up each part. The blocks go on.
        m_inSummary = line.sliced(nameEnd).startsWith(SummaryMark);
        if (m_inSummary && !m_track.blocks.isEmpty())
            m_summarised = true;
    } else if (m_inSummary) {
        const QByteArrayView content = line.trimmed();
        if (!content.isEmpty() && line[0] != ' ') {
            m_inSummary = false;
        } else if (content.startsWith("Peak:")) {
            if (const auto value = numberAfter(content, 5))
                m_peakDb = qMax(m_peakDb, *value);
        }
    }
    passed += line;
}

std::optional<loudness::TrackLoudness> LoudnessMeter::result() const
{
    if (!m_summarised)
        return std::nullopt;
    loudness::TrackLoudness track = m_track;
    track.peak = std::isfinite(m_peakDb) ? std::pow(10.0, m_peakDb / 20.0) : 0.0;
    return track;
}
