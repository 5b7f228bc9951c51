#pragma once

#include <QList>
#include <QString>

#include <atomic>

#include <functional>

// Looking through a folder for what its mirror takes. Links are never
// followed and only regular files are taken (a FIFO is never opened), so a
// tree with a link loop or a device in it finishes. Hidden files and
// folders are passed over; everything else not taken is named with why.
namespace treewalk {

struct SourceFile
{
    QString path; // relative to the folder, "/"-separated
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch, as stat says
    bool cover = false;  // a cover picture rather than a sound or video file
    bool playlist = false; // a playlist rather than a sound or video file
    bool sheet = false;    // a cue sheet: its image is taken as its tracks
    // A track of an album image (see imagetracks.h), its size the track's
    // share of the image's: what makes it up from the sheet, as a digest,
    // and the name its output is given.
    QString trackDigest{};
    QString outputStem{};
};

enum class Reason {
    NotMedia,         // a regular file of another type
    Link,             // a symbolic link, not followed
    NotRegular,       // a FIFO, device or socket
    Unreadable,       // a folder that cannot be opened
    NotText,          // a name that is not valid UTF-8
    PlaylistTooLarge, // a playlist larger than any made by hand or by a player
    PlaylistNotText,  // a playlist name on a file of binary data
    UnusableSheet,    // a cue sheet that cannot be used, for the reason in detail
};

struct LeftOut
{
    QString path; // relative; bytes that are not text show as U+FFFD
    Reason reason;
    QString detail{};
};

struct Result
{
    QList<SourceFile> files; // in name order, folder by folder
    QList<LeftOut> leftOut;
    QString error;        // the folder itself could not be opened
    bool stopped = false; // the walk was told to stop: the lists are partial
};

// Walks root at any depth. A folder that is the same as skip (the mirror,
// when it lies inside the folder) is passed over. progress, when given, is
// called now and then with the number of files found so far. Setting
// *stop, from any thread, ends the walk at the next name.
Result walk(const QString &root, const QString &skip = {},
            const std::function<void(qsizetype)> &progress = {},
            const std::atomic<bool> *stop = nullptr);

// "Live/notes.txt: not a sound or video file", for the end's details.
QString describe(const LeftOut &leftOut);

} // namespace treewalk
