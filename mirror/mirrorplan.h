#pragma once

#include "mirrordatabase.h"
#include "portablenames.h"
#include "treewalk.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What a run does to each file, decided from the walk, the database and a
// look at each output (never at a source's contents but a playlist's).
namespace mirrorplan {

// The settings of a run as the caller gives them.
struct Settings
{
    QString format; // lower-case, also the outputs' extension
    QString recipe; // format, bitrate, volume and tags as one text; a change redoes every file
    bool plain = true; // no volume or tag option: a source already in the format is copied
    // Album loudness values are wanted: the tracks of a source folder are
    // an album, and each output's measured loudness is kept for it.
    bool album = false;
    int bitrate = 0; // kbit/s of the lossy formats: what the outputs' sizes are guessed from
    // Only what fits the medium is written; the rest waits for a later run.
    bool whatFits = false;
    QByteArray cueEncoding{}; // how cue sheets are written; empty: found out
};

enum class Action {
    Convert,     // a new source
    Replace,     // source or settings changed, or output missing (or cut short)
    Copy,        // copied as it is (cover, or already in the format); new or again
    Leave,       // unchanged: neither opened nor written
    Keep,        // put in place by a run cut short before it was recorded: only recorded
                 // (converted again when album values are wanted: its measurement is lost)
    LeaveEdited, // the output was changed since it was written: left alone, named
    Trash,       // the source is gone and its output unchanged since written
    Forget,      // the source and its output are both gone: only the record goes
    Later,       // would be written, but there is no room: neither written nor recorded
};

struct Step
{
    Action action;
    MirrorRecord record; // what is recorded once done (output sizes filled in then)
    // The output as recorded, when the name holds our file: replaced or
    // trashed only while it still looks like that. -1: the name must be free.
    qint64 expectedSize = -1;
    qint64 expectedModified = -1;
};

struct Plan
{
    QList<Step> steps; // sources in walk order, playlists last, then the unwalked ones
    QList<treewalk::LeftOut> leftOut;
    qsizetype walked = 0; // the first steps, those of walked sources
    int count(Action action) const;
    // Steps that write an output: Convert, Replace, Copy.
    int writes() const;
    // Steps that leave the output as it is: Leave, Keep.
    int unchanged() const;
};

// What stat says of a file in the mirror.
struct FileState
{
    bool exists = false;
    qint64 size = -1;
    qint64 modified = -1;
};

// The temporary name an output (relative or absolute) is written under, in its folder.
QString temporaryName(const QString &output, portablenames::FileSystemKind kind);

// The recipe of a source under these settings: "copy" for a copy.
QString recipeFor(const treewalk::SourceFile &source, const Settings &settings);
// Whether the record's output is a copy of its source.
bool isCopy(const MirrorRecord &record);

// What a playlist's copy in the mirror would say: recipe is "playlist "
// and a digest of its rewritten text, so that a list rewritten alike is
// left alone; empty when it is left out, for the reason given.
struct PlaylistReading
{
    QString recipe;
    treewalk::Reason leftOut = treewalk::Reason::NotMedia;
};
// readPlaylist(source, output, outputOf) reads a playlist planned to
// output; outputOf(source) is the output of a sound or video file still
// in the folder, empty for any other name.
using PlaylistReader =
    std::function<PlaylistReading(const QString &source, const QString &output,
                                  const std::function<QString(const QString &)> &outputOf)>;

// outputState(relative) looks at a name in the mirror; sourceGone(relative)
// is true only when the source verifiably no longer exists (not when it
// merely could not be read this time). Two sources that would give one
// name (a.flac, a.wav) get a.mp3 and a_1.mp3 in walk order; a name that is
// recorded, or holds a file the database does not know, is never given to
// a new source. An output counts as edited when its size changed, or its
// time did and sameContents(record) (asked only then) says that it no
// longer holds what was recorded; a Leave step's record then carries the
// time as it is now.
// Playlists are planned after the other walked sources, as
// a Copy whose writing rewrites; without readPlaylist they are left out.
Plan plan(const treewalk::Result &walk, const QHash<QString, MirrorRecord> &records,
          const Settings &settings, portablenames::FileSystemKind kind,
          const std::function<FileState(const QString &)> &outputState,
          const std::function<bool(const QString &)> &sourceGone,
          const std::function<bool(const MirrorRecord &)> &sameContents = {},
          const PlaylistReader &readPlaylist = {});

// One line per step, for --dry-run: "convert Rock/a.flac → Rock/a.mp3".
QStringList describe(const Plan &plan);

} // namespace mirrorplan
