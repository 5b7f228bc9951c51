#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the encoder's arguments need to know of a source beforehand, read by
// the prober that comes with the encoder.
namespace sourceprobe {

struct SourceInfo
{
    // Channels of the first audio stream, the one that is converted; 0 when
    // unknown.
    int channels = 0;
};

// The prober's arguments for one input (an absolute path).
QStringList proberArguments(const QString &input);

// Reads the prober's JSON answer; anything unreadable gives an empty SourceInfo.
SourceInfo parseProberOutput(const QByteArray &json);

} // namespace sourceprobe
