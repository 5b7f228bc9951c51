#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

struct sqlite3;

// What a mirror knows of itself: one small SQLite file in its root. It is
// read without being opened for writing, so that a run with nothing to do
// leaves every byte of the mirror as it was; the first write opens it for
// writing (rollback journal, no side files left behind).
struct MirrorRecord
{
    QString source; // relative to the folder
    qint64 sourceSize = -1;
    qint64 sourceModified = -1; // nanoseconds since the epoch
    QString recipe;             // the settings it was written with; "copy" for a copy
    QString output;             // relative to the mirror's root, as written
    qint64 outputSize = -1;     // as stat said once the file was in place; -1: never
    qint64 outputModified = -1;
    bool pending = false; // being written: redone when a run was cut short
    QString album;        // the album loudness values written into the output; empty: none
    // Its album values are being rewritten: a run cut short may have put
    // the rewritten output into place without recording it.
    bool retag = false;
    // What the output held when written (see mirrorplan::plan()); empty: unknown.
    QString outputDigest;
};

class MirrorDatabase
{
public:
    static QString fileName(); // in the mirror's root

    explicit MirrorDatabase(const QString &mirrorRoot);
    ~MirrorDatabase();
    MirrorDatabase(const MirrorDatabase &) = delete;
    MirrorDatabase &operator=(const MirrorDatabase &) = delete;

    // Reads everything; a missing file is an empty mirror.
    bool load(QString *error);

    const QHash<QString, MirrorRecord> &records() const { return m_records; }
    // Folders (relative) the mirror made, so that it may remove them when empty.
    const QSet<QString> &folders() const { return m_folders; }

    // A source's output's measured loudness as stored; empty when none is.
    // Read on demand: a library's worth would not fit the memory of a run.
    QByteArray loudness(const QString &source) const;

    // Each call is one transaction. loudness holds the measurements that
    // come with the records (source -> bytes; empty bytes: none measured).
    bool write(const QList<MirrorRecord> &records, QString *error,
               const QHash<QString, QByteArray> &loudness = {});
    bool forget(const QStringList &sources, QString *error);
    bool addFolder(const QString &folder, QString *error);
    bool removeFolder(const QString &folder, QString *error);

private:
    bool openForWriting(QString *error);
    bool exec(const char *sql, QString *error);
    // COMMIT, rolled back when it fails.
    bool commit(QString *error);
    void rollBack();
    bool migrate(QString *error);
    bool hasColumn(const char *name) const;
    bool changeFolder(const char *sql, const QString &folder, QString *error);
    QString lastError() const;

    QString m_path;
    sqlite3 *m_db = nullptr;
    bool m_writable = false;
    QHash<QString, MirrorRecord> m_records;
    QSet<QString> m_folders;
};
