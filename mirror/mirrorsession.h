#pragma once

#include "mirrordatabase.h"
#include "mirrorlock.h"
#include "mirrorplan.h"
#include "portablenames.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>

// One run over a mirror. The caller walks the folder, then: lock(),
// prepare() (which plans), start(); for each Convert/Replace step begin(),
// let the encoder write the temporary path, and finish() with the result;
// copy() for Copy steps; trash() at the end. Outputs come into place only
// complete (written under a temporary name in their folder, then renamed)
// and are recorded after that, so a run cut short at any moment leaves no
// partial file under an output's name and the next redoes only what was
// being written.
class MirrorSession
{
public:
    // The parts a test replaces.
    struct Seams
    {
        std::function<portablenames::FileSystemKind(const QString &root)> fileSystemKind;
        std::function<bool(const QString &path)> moveToTrash;
        static Seams real(); // statfs; the desktop's trash
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
    bool prepare(const treewalk::Result &walk, QString *error);
    const mirrorplan::Plan &plan() const { return m_plan; }

    // Removes what a run cut short left under temporary names and records
    // every output about to be written as being written, in one transaction.
    // Writes nothing when the plan writes nothing.
    bool start(QString *error);

    // The step's paths, once prepared; nothing is made.
    Target paths(const mirrorplan::Step &step) const;
    // Makes the step's folders and an empty temporary file for it.
    bool begin(const mirrorplan::Step &step, Target *target, QString *error);
    // After the step's job: when ok, the temporary file goes into place
    // (never over a file that appeared or changed meanwhile) and is
    // recorded; otherwise it is removed and the output stays as it was.
    bool finish(const mirrorplan::Step &step, bool ok, QString *error);
    // A Copy step: begin(), the copy, finish().
    bool copy(const mirrorplan::Step &step, QString *error);

    // Records what finish() put in place and has not recorded yet. finish()
    // records at most once a second (each record costs the disk several
    // flushes); a run cut short before that is caught up by the next one
    // (Action::Keep). trash() calls it first.
    bool record(QString *error);

    // Trash steps go to the trash (each only while still as written) and
    // folders the mirror made that are left empty are removed; records of
    // outputs already gone are dropped. Returns how many went to the trash;
    // why others did not is appended to errors.
    int trash(QStringList *errors);

    int converted() const { return m_converted; }
    int trashed() const { return m_trashed; }
    // The end's sentence: "Music (MP3) is up to date: …".
    QString summary() const;

private:
    QString absolute(const QString &relative) const;
    mirrorplan::FileState state(const QString &relative) const;
    bool makeFolders(const QString &output, QString *error);
    void removeEmptyFolders(QString folder, QStringList *errors);

    QString m_folder;
    QString m_root;
    mirrorplan::Settings m_settings;
    Seams m_seams;
    portablenames::FileSystemKind m_kind = portablenames::FileSystemKind::Posix;
    MirrorLock m_lock;
    MirrorDatabase m_database;
    mirrorplan::Plan m_plan;
    QList<MirrorRecord> m_unrecorded;
    QElapsedTimer m_sinceRecorded;
    int m_converted = 0;
    int m_trashed = 0;
};
