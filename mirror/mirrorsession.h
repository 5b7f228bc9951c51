#pragma once

#include "albumgain.h"
#include "imagetracks.h"
#include "loudness.h"
#include "mirrordatabase.h"
#include "mirrorlock.h"
#include "mirrorplan.h"
#include "playlist.h"
#include "portablenames.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One run over a mirror. The caller walks the folder, then: lock(),
// prepare() (which plans), start(); for each Convert/Replace step begin(),
// let the encoder write the temporary path, and finish() with the result;
// copy() for Copy steps (a playlist's writes its rewritten text); trash()
// at the end. Outputs come into place only
// complete (written under a temporary name in their folder, then renamed)
// and are recorded after that, so a run cut short at any moment leaves no
// partial file under an output's name and the next redoes only what was
// being written.
//
// With album values wanted, the tracks of one source folder are an album:
// each output's measured loudness is kept in the database, and once an
// album's conversions of the run have ended its values are computed from
// what is kept for all its tracks and written into each output that does
// not carry them yet, untouched ones included. Such an output is rewritten
// like a conversion's (a copy under the temporary name, renamed into
// place) and its record marked until then, so that a run cut short leaves
// the next one to finish it without converting anything again.
class MirrorSession
{
public:
    // The parts a test replaces.
    struct Seams
    {
        std::function<portablenames::FileSystemKind(const QString &root)> fileSystemKind;
        // trashedAs: where the file went (a trash folder's files/ folder).
        std::function<bool(const QString &path, QString *trashedAs)> moveToTrash;
        // Bytes free where the mirror lies; none given, or -1: unknown.
        std::function<qint64(const QString &root)> freeSpace;
        static Seams real(); // the mount table; the desktop's trash; statvfs
    };

    // Absolute paths of one step's files.
    struct Target
    {
        QString source;
        QString temporary; // what the encoder writes
        QString output;    // where it goes when complete
    };

    MirrorSession(const QString &folder, const QString &root, const mirrorplan::Settings &settings,
                  Seams seams = Seams::real());
    ~MirrorSession();

    const QString &root() const { return m_root; }

    // Takes the run's lock (making the root when missing); when another run
    // holds it, error is mirrorroot::busyText().
    bool lock(QString *error);

    // Reads the database and plans; writes nothing (a dry run stops here).
    // With whatFits, what does not fit the medium is planned for later.
    bool prepare(const treewalk::Result &walk, QString *error);
    const mirrorplan::Plan &plan() const { return m_plan; }
    // Once prepared: whether what the plan writes clearly does not fit the
    // medium, with the sentence that says so. A run that does not start then
    // writes nothing.
    bool lacksRoom(QString *sentence) const;
    // The steps planned for later for want of room.
    int leftForRoom() const { return m_plan.count(mirrorplan::Action::Later); }
    // The playlists as prepare() read and rewrote them, by source.
    const QHash<QString, playlist::Rewritten> &playlists() const { return m_playlists; }

    // Removes what a run cut short left under temporary names (every
    // temporary name the plan writes is free afterwards) and records
    // every output about to be written as being written, in one transaction.
    // Writes nothing when the plan writes nothing.
    bool start(QString *error);

    // The step's paths, once prepared; nothing is made.
    Target paths(const mirrorplan::Step &step) const;
    // What converts the step's source: the source, or the image and the
    // span of a track (see imagetracks.h); the caller adds the rest.
    ConversionRequest request(const mirrorplan::Step &step) const;
    // Makes the step's folders and an empty temporary file for it (a job
    // given the temporary name makes them itself).
    bool begin(const mirrorplan::Step &step, Target *target, QString *error);
    // After the step's job: when ok, the temporary file goes into place
    // (never over a file that appeared or changed meanwhile) and is
    // recorded with what the job measured; otherwise it is removed and the
    // output stays as it was. The album's values follow its last conversion.
    // An output without its tags (tagged false) is put in place but recorded
    // under no recipe, so that the next run converts it again.
    bool finish(const mirrorplan::Step &step, bool ok, QString *error,
                const std::optional<loudness::TrackLoudness> &measured = std::nullopt,
                bool tagged = true);
    // Folders a job made for an output (absolute paths): the mirror's own,
    // removed again once empty.
    bool adoptFolders(const QStringList &made, QString *error);
    // A Copy step: begin(), the copy, finish().
    bool copy(const mirrorplan::Step &step, QString *error);

    // Records what finish() put in place and has not recorded yet. finish()
    // records at most once a second (each record costs the disk several
    // flushes); a run cut short before that is caught up by the next one
    // (Action::Keep). trash() calls it first.
    bool record(QString *error);

    // At the end of a whole run: the albums without conversions in it whose
    // values are still to be looked at (a track gone, a run cut short).
    void finishAlbums(QStringList *errors);

    // Trash steps go to the trash (each only while still as written) and
    // folders the mirror made that are left empty are removed; records of
    // outputs already gone are dropped. Returns how many went to the trash;
    // why others did not is appended to errors.
    int trash(QStringList *errors);

    // Removes the room kept back for the records (see takeRoomForRecords()),
    // once they are written at the run's end.
    void giveBackRoom();

    int converted() const { return m_converted; }
    int trashed() const { return m_trashed; }
    // The end's sentence: "Music (MP3) is up to date: …", and where the
    // trash is when it is the medium's own.
    QString summary() const;

private:
    QString absolute(const QString &relative) const;
    mirrorplan::FileState state(const QString &relative) const;
    void removeEmptyFolders(QString folder, QStringList *errors);
    bool putInPlace(const mirrorplan::Step &step, QString *error);
    void takeRoomForRecords();
    mirrorplan::PlaylistReading
    readPlaylist(const QString &source, const QString &output,
                 const std::function<QString(const QString &)> &outputOf);
    bool writePlaylist(const mirrorplan::Step &step, QString *error);

    // The albums whose values this run looks at: those with a track
    // converted, copied, gone or left marked by a run cut short.
    void findAlbums();
    void trackEnded(const mirrorplan::Step &step, const MirrorRecord *written, QStringList *errors);
    // whole: every conversion of the album in this run converted; if not,
    // the next run takes it up again.
    void writeAlbum(const QString &folder, bool whole, QStringList *errors);
    bool rewrite(MirrorRecord *record, const QMap<QString, QString> &values, const QString &text,
                 QString *error);

    QString m_folder;
    QString m_root;
    mirrorplan::Settings m_settings;
    Seams m_seams;
    portablenames::FileSystemKind m_kind = portablenames::FileSystemKind::Posix;
    qint64 m_free = -1; // on the medium, when prepared
    MirrorLock m_lock;
    MirrorDatabase m_database;
    imagetracks::Cut m_cut; // the walk as planned, images cut into tracks
    mirrorplan::Plan m_plan;
    QHash<QString, playlist::Rewritten> m_playlists;
    QList<MirrorRecord> m_unrecorded;
    QHash<QString, QByteArray> m_unrecordedLoudness; // by source; empty: none measured
    QHash<QString, QList<int>> m_albums;             // their steps in m_plan, by source folder
    albumgain::Tally m_converting;                   // of those the conversions not ended yet
    QHash<QString, MirrorRecord> m_written;          // their tracks converted in this run
    QElapsedTimer m_sinceRecorded;
    int m_converted = 0;
    int m_trashed = 0;
    // The trash of the mirror's own medium, when files went there (a stick's
    // .Trash-1000 at its root): that frees no room on it until emptied.
    QString m_mediumTrash;
    QString m_ballast; // see takeRoomForRecords()
};
