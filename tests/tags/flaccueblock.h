#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QtEndian>

// FLAC CUESHEET blocks made and spliced into a FLAC file, as a ripper writes
// them, for the suites that read an image's own sheet.
namespace {

struct BlockTrack
{
    quint64 offset;
    int number;
    QList<QPair<int, quint64>> indexes; // number, samples from the track's offset
    QByteArray isrc = {};
    bool data = false;
};

QByteArray field(const QByteArray &text, int bytes)
{
    QByteArray out = text.left(bytes);
    out.append(QByteArray(bytes - out.size(), '\0'));
    return out;
}

// A CUESHEET block as the FLAC format lays it out; count: what it claims.
QByteArray cueBlock(const QList<BlockTrack> &tracks, bool cd = true, const QByteArray &catalog = {},
                    int count = -1)
{
    QByteArray block = field(catalog, 128);
    block.append(8, '\0'); // lead-in
    block.append(char(cd ? 0x80 : 0));
    block.append(258, '\0');
    block.append(char(count >= 0 ? count : tracks.size()));
    const auto number64 = [&block](quint64 value) {
        char bytes[8];
        qToBigEndian(value, bytes);
        block.append(bytes, 8);
    };
    for (const BlockTrack &track : tracks) {
        number64(track.offset);
        block.append(char(track.number));
        block.append(field(track.isrc, 12));
        block.append(char(track.data ? 0x80 : 0));
        block.append(13, '\0');
        block.append(char(track.indexes.size()));
        for (const auto &[index, offset] : track.indexes) {
            number64(offset);
            block.append(char(index));
            block.append(3, '\0');
        }
    }
    return block;
}

// Inserts block as a CUESHEET after the STREAMINFO at the start of the FLAC
// at path, the file ending keep bytes into it when keep >= 0.
bool splice(const QString &path, const QByteArray &block, int keep)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    constexpr int after = 4 + 4 + 34;
    if (!bytes.startsWith("fLaC") || (bytes[4] & 0x7f) != 0 || bytes.size() < after)
        return false;
    QByteArray header(4, '\0');
    header[0] = char((bytes[4] & 0x80) | 5);
    bytes[4] = char(bytes[4] & 0x7f);
    header[1] = char(block.size() >> 16);
    header[2] = char(block.size() >> 8);
    header[3] = char(block.size());
    bytes.insert(after, header + block);
    if (keep >= 0)
        bytes.truncate(after + 4 + keep);
    return file.resize(0) && file.write(bytes) == bytes.size();
}

} // namespace
