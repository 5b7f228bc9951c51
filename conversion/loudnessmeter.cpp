#include "loudnessmeter.h"

#include <QtEndian>

namespace {

constexpr qsizetype RiffHeaderSize = 12;
constexpr qsizetype ChunkHeaderSize = 8;
// A format chunk is 16 to 40 bytes; anything far larger is not one.
constexpr qint64 FormatLimit = 1024;
constexpr quint16 FloatFormat = 3;
constexpr quint16 ExtensibleFormat = 0xfffe;
// Below this the K-weighting's shelf is above the highest frequency.
// The K-weighting's shelf (1.7 kHz) must lie below half the rate; at 4 kHz
// a reference sine still reads within 0.2 LU.
constexpr int LowestRate = 4000;
constexpr int HighestRate = 768000;
constexpr int MostChannels = 64;

quint16 word(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.data() + at);
}

quint32 longWord(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.data() + at);
}

} // namespace

void LoudnessMeter::feed(QByteArrayView chunk)
{
    if (m_pending.isEmpty()) {
        m_pending = chunk.sliced(read(chunk)).toByteArray();
        return;
    }
    const QByteArray data = m_pending + chunk;
    m_pending = QByteArrayView(data).sliced(read(data)).toByteArray();
}

qsizetype LoudnessMeter::read(QByteArrayView data)
{
    qsizetype at = 0;
    for (;;) {
        const QByteArrayView rest = data.sliced(at);
        switch (m_part) {
        case Part::Riff:
            if (rest.size() < RiffHeaderSize)
                return at;
            // The stream's length is unknown to the encoder and left open.
            m_part = rest.startsWith("RIFF") && rest.sliced(8, 4) == "WAVE" ? Part::ChunkHeader
                                                                             : Part::Refused;
            at += RiffHeaderSize;
            break;
        case Part::ChunkHeader: {
            if (rest.size() < ChunkHeaderSize)
                return at;
            const QByteArrayView id = rest.first(4);
            // Chunks are padded to an even length.
            const qint64 size = longWord(rest, 4);
            m_left = size + (size & 1);
            at += ChunkHeaderSize;
            if (id == "fmt ")
                m_part = m_left >= 16 && m_left <= FormatLimit ? Part::Format : Part::Refused;
            else if (id == "data")
                m_part = m_blocks ? Part::Samples : Part::Refused;
            else
                m_part = Part::Skipped;
            break;
        }
        case Part::Format:
            if (rest.size() < m_left)
                return at;
            m_part = readFormat(rest.first(m_left)) ? Part::ChunkHeader : Part::Refused;
            at += m_left;
            break;
        case Part::Skipped: {
            const qint64 skipped = qMin<qint64>(m_left, rest.size());
            at += skipped;
            m_left -= skipped;
            if (m_left > 0)
                return at;
            m_part = Part::ChunkHeader;
            break;
        }
        case Part::Samples: {
            // The data runs to the end of the stream, whatever its size says.
            const qsizetype frameBytes = qsizetype(m_channels) * qsizetype(sizeof(float));
            const qsizetype frames = rest.size() / frameBytes;
            if (frames == 0)
                return at; // part of a frame: it waits for the rest
            m_frames.resize(size_t(frames * m_channels));
            qFromLittleEndian<float>(rest.data(), frames * m_channels, m_frames.data());
            m_blocks->add(m_frames.data(), frames);
            return at + frames * frameBytes;
        }
        case Part::Refused:
            return data.size();
        }
    }
}

bool LoudnessMeter::readFormat(QByteArrayView body)
{
    quint16 format = word(body, 0);
    const int channels = word(body, 2);
    const quint32 rate = longWord(body, 4);
    const int bits = word(body, 14);
    quint32 mask = channels <= 2 ? (channels == 1 ? 0x4 : 0x3) : 0;
    if (format == ExtensibleFormat && body.size() >= 40) {
        mask = longWord(body, 20);
        // The sub-format's first two bytes are the plain format's tag.
        format = word(body, 24);
    }
    if (format != FloatFormat || bits != 32 || channels < 1 || channels > MostChannels ||
        rate < LowestRate || rate > HighestRate)
        return false;
    m_channels = channels;
    m_blocks.emplace(int(rate), BlockLoudness::weightsFor(channels, mask));
    return true;
}

std::optional<loudness::TrackLoudness> LoudnessMeter::result() const
{
    if (m_part != Part::Samples)
        return std::nullopt;
    return loudness::TrackLoudness{m_blocks->blocks(), m_blocks->peak()};
}
