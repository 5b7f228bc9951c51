#pragma once

#include "conversionrequest.h"
#include "mirrordatabase.h"
#include "treewalk.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

// A folder's album images as the mirror takes them: each image with a cue
// sheet beside it or inside it becomes its tracks, one source each, and is
// not converted whole; the sheet is taken, not left out.
namespace imagetracks {

struct Cut
{
    // The walk with the sheets and the images they cut replaced by the
    // tracks (see treewalk::SourceFile), and the unusable sheets left out.
    treewalk::Result walk;
    // By track (its SourceFile's path): the image, absolute, and the track.
    QHash<QString, ConversionRequest> requests;
    QSet<QString> images; // the images cut this time, relative
};

// folder's walk with its images cut. A sheet file is read on every run (it
// is small); an image is read for a sheet inside it when it is new or
// changed since the last run, or was cut then (records tell).
Cut cut(const QString &folder, const treewalk::Result &walk,
        const QHash<QString, MirrorRecord> &records, const QByteArray &encoding);

// A track is named as if its image were a folder holding it:
// "Live/Album.flac/03 Title.flac". No file can have that name (its image
// is no folder), the image's extension tells how much sound the track's
// bytes hold, and the image is the album its tracks make up.

// The recipe of a track under the run's recipe.
QString recipe(const QString &runRecipe, const treewalk::SourceFile &track);
// Whether the record is of a track, and the image it is cut from (relative).
bool isTrack(const MirrorRecord &record);
QString imageOf(const QString &track);

} // namespace imagetracks
