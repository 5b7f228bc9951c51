#pragma once

#include "conversionrequest.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// An album image as its tracks: a cue sheet, or an image holding its own,
// becomes one request per track, each cut from its span of the image.
namespace albumimage {

// Whether path is named as a cue sheet (".cue" in any case).
bool isCueSheet(const QString &path);

struct Tracks
{
    QList<ConversionRequest> requests; // one per track, in the sheet's order
    QString error; // why the image cannot be cut (then there are no requests)
};

// The tracks of like.source, converted as like asks: a cue sheet's (its
// files looked for in its own folder), or an image's own sheet. Nothing
// when the source is neither, or its own sheet cannot be used (a warning
// says why): it converts as one file. encoding: how a
// cue sheet file is written; empty: found out.
std::optional<Tracks> tracksOf(const ConversionRequest &like, const QByteArray &encoding);

} // namespace albumimage
