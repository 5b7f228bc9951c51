#include "storedloudness.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace storedloudness {

namespace {

constexpr char Version = 1;
constexpr qsizetype HeaderSize = 1 + 8; // version, peak
constexpr double Gate = -70.0;          // what the absolute gate drops
constexpr double Steps = 512.0;         // per LU

} // namespace

QByteArray pack(const loudness::TrackLoudness &track)
{
    QByteArray bytes(HeaderSize + 2 * track.blocks.size(), Qt::Uninitialized);
    char *out = bytes.data();
    *out++ = Version;
    quint64 peak;
    std::memcpy(&peak, &track.peak, sizeof peak);
    qToLittleEndian(peak, out);
    out += 8;
    for (const float block : track.blocks) {
        // 0 stands for every gated block; any other keeps its side of the gate.
        const double steps = block > Gate ? std::round((block - Gate) * Steps) : 0.0;
        qToLittleEndian(quint16(qBound(block > Gate ? 1.0 : 0.0, steps, 65535.0)), out);
        out += 2;
    }
    return bytes;
}

std::optional<loudness::TrackLoudness> unpack(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize || (bytes.size() - HeaderSize) % 2 != 0 ||
        bytes.at(0) != Version)
        return std::nullopt;
    const char *in = bytes.constData() + 1;
    loudness::TrackLoudness track;
    const quint64 peak = qFromLittleEndian<quint64>(in);
    std::memcpy(&track.peak, &peak, sizeof peak);
    if (!std::isfinite(track.peak))
        return std::nullopt;
    in += 8;
    track.blocks.reserve((bytes.size() - HeaderSize) / 2);
    for (; in < bytes.constData() + bytes.size(); in += 2) {
        const quint16 steps = qFromLittleEndian<quint16>(in);
        track.blocks << (steps == 0 ? float(Gate - 1.0) : float(Gate + steps / Steps));
    }
    return track;
}

} // namespace storedloudness
