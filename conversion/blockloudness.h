#pragma once

#include <QList>

#include <array>

// The loudness of 400 ms blocks, one every 100 ms, of interleaved float
// frames: each channel K-weighted (a high shelf, then a high pass, with
// coefficients for the actual rate), its mean square taken and weighted by
// the channel's place. Also the highest sample of any channel.
class BlockLoudness
{
public:
    // One weight per channel, in the frames' order; 0 leaves one out.
    BlockLoudness(int rate, const QList<double> &weights);

    // The weights for channels in the order of a WAV channel mask's bits:
    // 0 for the low-frequency channel, 1.41 for the surrounds, 1 for the
    // rest and for channels the mask does not name.
    static QList<double> weightsFor(int channels, quint32 mask);

    void add(const float *samples, qsizetype frames);

    // Each whole block's loudness so far, in LUFS.
    const QList<float> &blocks() const { return m_blocks; }
    double peak() const { return m_peak; }

private:
    struct Biquad
    {
        double b0, b1, b2, a1, a2;
    };
    // Transposed direct form: two values of memory per stage.
    struct ChannelState
    {
        double shelf1 = 0, shelf2 = 0, pass1 = 0, pass2 = 0;
    };

    void endSubBlock();

    int m_rate;
    QList<double> m_weights;
    Biquad m_shelf;
    Biquad m_highPass;
    QList<ChannelState> m_state;
    // The weighted energy of the 100 ms sub-block under way, and of the
    // last four whole ones with their lengths in frames.
    double m_energy = 0.0;
    qint64 m_frames = 0;   // in the sub-block under way
    qint64 m_position = 0; // frames since the start
    qint64 m_subBlocks = 0;
    std::array<double, 4> m_lastEnergies{};
    std::array<qint64, 4> m_lastFrames{};
    QList<float> m_blocks;
    double m_peak = 0.0;
};
