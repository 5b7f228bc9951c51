#include "blockloudness.h"

#include <QtMath>

#include <limits>

namespace {

// The K-weighting's two stages as analogue prototypes: at 48 kHz they give
// the standard's published coefficients, at other rates the same response
// without resampling first.
constexpr double ShelfFrequency = 1681.974450955533;
constexpr double ShelfGainDb = 3.999843853973347;
constexpr double ShelfQ = 0.7071752369554196;
constexpr double HighPassFrequency = 38.13547087602444;
constexpr double HighPassQ = 0.5003270373238773;
constexpr double LoudnessOffset = -0.691;
constexpr double SurroundWeight = 1.41;
// Filter memory this small is cleared, so that silence never decays into
// subnormal numbers, which are many times slower to compute with.
constexpr double Negligible = 1e-20;

// WAV channel mask bits.
constexpr quint32 LowFrequency = 0x8;
constexpr quint32 BackLeft = 0x10;
constexpr quint32 BackRight = 0x20;
constexpr quint32 SideLeft = 0x200;
constexpr quint32 SideRight = 0x400;

} // namespace

BlockLoudness::BlockLoudness(int rate, const QList<double> &weights)
    : m_rate(rate), m_weights(weights), m_state(weights.size())
{
    const double shelfK = std::tan(M_PI * ShelfFrequency / rate);
    const double vh = std::pow(10.0, ShelfGainDb / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double shelfA0 = 1.0 + shelfK / ShelfQ + shelfK * shelfK;
    m_shelf = {(vh + vb * shelfK / ShelfQ + shelfK * shelfK) / shelfA0,
               2.0 * (shelfK * shelfK - vh) / shelfA0,
               (vh - vb * shelfK / ShelfQ + shelfK * shelfK) / shelfA0,
               2.0 * (shelfK * shelfK - 1.0) / shelfA0,
               (1.0 - shelfK / ShelfQ + shelfK * shelfK) / shelfA0};
    const double passK = std::tan(M_PI * HighPassFrequency / rate);
    const double passA0 = 1.0 + passK / HighPassQ + passK * passK;
    m_highPass = {1.0, -2.0, 1.0, 2.0 * (passK * passK - 1.0) / passA0,
                  (1.0 - passK / HighPassQ + passK * passK) / passA0};
}

QList<double> BlockLoudness::weightsFor(int channels, quint32 mask)
{
    // The back pair is the surround pair of a 5.1 layout; beside a side
    // pair it is behind the listener and counts as the front does.
    const bool hasSides = (mask & (SideLeft | SideRight)) != 0;
    QList<double> weights;
    for (quint32 bit = 1; bit != 0 && weights.size() < channels; bit <<= 1) {
        if ((mask & bit) == 0)
            continue;
        if (bit == LowFrequency)
            weights << 0.0;
        else if (bit == SideLeft || bit == SideRight ||
                 (!hasSides && (bit == BackLeft || bit == BackRight)))
            weights << SurroundWeight;
        else
            weights << 1.0;
    }
    while (weights.size() < channels)
        weights << 1.0;
    return weights;
}

void BlockLoudness::add(const float *samples, qsizetype frames)
{
    const qsizetype channels = m_weights.size();
    const Biquad s = m_shelf;
    const Biquad h = m_highPass;
    for (qsizetype frame = 0; frame < frames; ++frame) {
        double energy = 0.0;
        for (qsizetype c = 0; c < channels; ++c) {
            double x = samples[frame * channels + c];
            // A damaged float source may hold them; they would stay in the
            // filters for good.
            if (!std::isfinite(x))
                x = 0.0;
            m_peak = qMax(m_peak, std::abs(x));
            ChannelState &state = m_state[c];
            const double shelved = s.b0 * x + state.shelf1;
            state.shelf1 = s.b1 * x - s.a1 * shelved + state.shelf2;
            state.shelf2 = s.b2 * x - s.a2 * shelved;
            const double y = h.b0 * shelved + state.pass1;
            state.pass1 = h.b1 * shelved - h.a1 * y + state.pass2;
            state.pass2 = h.b2 * shelved - h.a2 * y;
            energy += m_weights[c] * y * y;
        }
        m_energy += energy;
        ++m_frames;
        ++m_position;
        // Sub-blocks end at the frame nearest each tenth of a second, so
        // that rates not divisible by ten keep in step.
        if (m_position == ((m_subBlocks + 1) * m_rate + 5) / 10)
            endSubBlock();
    }
    for (ChannelState &state : m_state) {
        for (double *memory : {&state.shelf1, &state.shelf2, &state.pass1, &state.pass2}) {
            if (std::abs(*memory) < Negligible)
                *memory = 0.0;
        }
    }
}

void BlockLoudness::endSubBlock()
{
    const int slot = int(m_subBlocks % 4);
    m_lastEnergies[slot] = m_energy;
    m_lastFrames[slot] = m_frames;
    m_energy = 0.0;
    m_frames = 0;
    ++m_subBlocks;
    if (m_subBlocks < 4)
        return;
    double energy = 0.0;
    qint64 frames = 0;
    for (int i = 0; i < 4; ++i) {
        energy += m_lastEnergies[i];
        frames += m_lastFrames[i];
    }
    const double meanSquare = energy / double(frames);
    m_blocks.append(meanSquare > 0.0 ? float(LoudnessOffset + 10.0 * std::log10(meanSquare))
                                     : -std::numeric_limits<float>::infinity());
}
