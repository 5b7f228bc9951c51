#pragma once

#include "encoderoptions.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// The samples [start, end) of a source at its rate.
struct SampleSpan
{
    qint64 start = 0;
    qint64 end = -1; // -1: to the end of the source
    int rate = 0;
};

// One track of an album image: a span of the image converted as a file of
// its own, named and tagged after the image's cue sheet.
struct ImageTrack
{
    SampleSpan span;
    QString name;                    // the target's name without extension: "01 Intro"
    QMap<QString, QStringList> tags; // the sheet's for the track, over the image's own
    QString album;                   // what the window calls the image
    qint32 duration = 0;             // hundredths of a second, 0 when unknown
    qint64 sourceSamples = -1;       // the whole source's length; -1 when unknown
};

// One conversion, as start-up hands it to the conversion window.
struct ConversionRequest
{
    QString source;
    QString format;         // lower-case, also the target's extension
    EncoderOptions options; // from the command line or the options dialog
    // Empty: the job picks a free name (see targetreservation.h). Otherwise
    // the very file to write (a mirror's temporary name, which the mirror
    // renames into place): the job makes its missing folders and creates
    // it, never over a file or link already there; on success it stays, on
    // failure or stop the job removes it.
    QString target{};
    // Which item of the caller's the request is (a mirror's step), handed
    // back in its end; -1 for a file named directly.
    int origin = -1;
    // Set for a track of an album image: only its span is converted, into
    // a file named after it in the folder the whole image would go to.
    std::optional<ImageTrack> track{};
};
