#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// Loudness values from measured blocks, and the tags that carry them.
namespace loudness {

// A folder of more files than this is a library, not an album: it gets
// track values only, and memory stays bounded (each track's blocks are
// about 10 KB for four minutes).
constexpr int MaxAlbumTracks = 200;

// One track as the meter saw it: the momentary loudness of each 400 ms
// block (one every 100 ms), in LUFS, and the highest sample as a linear ratio.
struct TrackLoudness
{
    QList<float> blocks;
    double peak = 0.0;
};

// Gated integrated loudness in LUFS of every block of every list, pooled as
// one programme: blocks under -70 LUFS are dropped, then those more than
// 10 LU under the mean of the rest. None when no block passes (silence).
std::optional<double> integrated(const QList<QList<float>> &programme);

// "-5.23 dB": the gain that brings this loudness to -18 LUFS.
QString gainText(double loudness);
// "0.988547".
QString peakText(double peak);
// The gain to -23 LUFS in 1/256 dB, as Opus players read it.
int r128Gain(double loudness);

// Tag keys and values for the tag writer: REPLAYGAIN_TRACK_GAIN and _PEAK,
// or R128_TRACK_GAIN for opus. Empty for a silent track.
QMap<QString, QString> trackTags(const TrackLoudness &track, const QString &format);
// The album's gain over all its tracks' blocks as one programme, and its
// highest peak: REPLAYGAIN_ALBUM_GAIN and _PEAK, or R128_ALBUM_GAIN.
QMap<QString, QString> albumTags(const QList<TrackLoudness> &album, const QString &format);

} // namespace loudness
