#include "mirrordatabase.h"

#include "sqlitelibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <utility>

namespace {

// SQLite's calls; reached only once a database was opened, which needs them.
const sqlitelibrary::Calls &sql()
{
    return *sqlitelibrary::calls();
}

bool haveLibrary(QString *error)
{
    if (sqlitelibrary::calls())
        return true;
    *error = QCoreApplication::translate("MirrorSession", "The SQLite library cannot be loaded.");
    return false;
}

constexpr char Schema[] =
    "PRAGMA journal_mode=DELETE;"
    "CREATE TABLE IF NOT EXISTS entries("
    " source TEXT PRIMARY KEY, source_size INTEGER, source_modified INTEGER,"
    " recipe TEXT, output TEXT NOT NULL,"
    " output_size INTEGER, output_modified INTEGER, pending INTEGER NOT NULL,"
    " album TEXT, retag INTEGER NOT NULL DEFAULT 0, output_digest TEXT);"
    "CREATE TABLE IF NOT EXISTS folders(path TEXT PRIMARY KEY);"
    // Apart from the entries, so that reading them never reads the blocks.
    "CREATE TABLE IF NOT EXISTS loudness(source TEXT PRIMARY KEY, measured BLOB NOT NULL);";

// Columns that databases written before them lack, added when first written to.
constexpr const char *Added[][2] = {
    {"album", "ALTER TABLE entries ADD COLUMN album TEXT"},
    {"retag", "ALTER TABLE entries ADD COLUMN retag INTEGER NOT NULL DEFAULT 0"},
    {"output_digest", "ALTER TABLE entries ADD COLUMN output_digest TEXT"},
};

QString text(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sql().column_text(statement, column)),
                             sql().column_bytes(statement, column));
}

struct Statement
{
    sqlite3_stmt *handle = nullptr;
    Statement(sqlite3 *db, const char *text) { sql().prepare_v2(db, text, -1, &handle, nullptr); }
    ~Statement() { sql().finalize(handle); }
    void bind(int index, const QString &value)
    {
        const QByteArray bytes = value.toUtf8();
        sql().bind_text(handle, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, qint64 value) { sql().bind_int64(handle, index, value); }
    void bind(int index, const QByteArray &value)
    {
        sql().bind_blob(handle, index, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    bool run()
    {
        const int status = sql().step(handle);
        sql().reset(handle);
        return status == SQLITE_DONE;
    }
};

} // namespace

QString MirrorDatabase::fileName()
{
    return QStringLiteral(".tonewright-mirror.db");
}

MirrorDatabase::MirrorDatabase(const QString &mirrorRoot)
    : m_path(QDir(mirrorRoot).filePath(fileName()))
{
}

MirrorDatabase::~MirrorDatabase()
{
    if (m_db)
        sql().close(m_db);
}

QString MirrorDatabase::lastError() const
{
    return m_db ? QString::fromUtf8(sql().errmsg(m_db)) : QString();
}

bool MirrorDatabase::load(QString *error)
{
    m_records.clear();
    m_folders.clear();
    if (!QFile::exists(m_path))
        return true;
    if (!haveLibrary(error))
        return false;
    // Read and write: a run killed while it wrote leaves a journal that the
    // first reader must roll back, which a read-only connection cannot do.
    // Reading alone writes nothing.
    const QByteArray path = QFile::encodeName(m_path);
    if (sql().open_v2(path.constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sql().close(std::exchange(m_db, nullptr));
        if (sql().open_v2(path.constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            *error = lastError();
            return false;
        }
    }
    {
        // A database from before a column reads as if it held nothing there.
        QByteArray query = "SELECT source, source_size, source_modified, recipe, output,"
                           " output_size, output_modified, pending";
        for (const auto &column : Added)
            query += ", " + QByteArray(hasColumn(column[0]) ? column[0] : "NULL");
        query += " FROM entries";
        Statement entries(m_db, query.constData());
        if (!entries.handle) {
            // A run killed as it made the database left it without tables:
            // nothing is recorded yet.
            Statement tables(m_db, "SELECT 1 FROM sqlite_master WHERE name = 'entries'");
            if (tables.handle && sql().step(tables.handle) == SQLITE_DONE)
                return true;
            *error = lastError();
            return false;
        }
        while (sql().step(entries.handle) == SQLITE_ROW) {
            MirrorRecord r;
            r.source = text(entries.handle, 0);
            r.sourceSize = sql().column_int64(entries.handle, 1);
            r.sourceModified = sql().column_int64(entries.handle, 2);
            r.recipe = text(entries.handle, 3);
            r.output = text(entries.handle, 4);
            r.outputSize = sql().column_type(entries.handle, 5) == SQLITE_NULL
                               ? -1
                               : sql().column_int64(entries.handle, 5);
            r.outputModified = sql().column_type(entries.handle, 6) == SQLITE_NULL
                                   ? -1
                                   : sql().column_int64(entries.handle, 6);
            r.pending = sql().column_int(entries.handle, 7) != 0;
            r.album = text(entries.handle, 8);
            r.retag = sql().column_int(entries.handle, 9) != 0;
            r.outputDigest = text(entries.handle, 10);
            m_records.insert(r.source, r);
        }
    }
    Statement folders(m_db, "SELECT path FROM folders");
    while (folders.handle && sql().step(folders.handle) == SQLITE_ROW)
        m_folders.insert(text(folders.handle, 0));
    return true;
}

bool MirrorDatabase::exec(const char *statements, QString *error)
{
    if (sql().exec(m_db, statements, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    *error = lastError();
    return false;
}

bool MirrorDatabase::commit(QString *error)
{
    if (exec("COMMIT", error))
        return true;
    // A commit that failed (a full disk, a medium pulled out) may leave the
    // transaction open, and every later BEGIN would fail: what is not on
    // the disk is dropped, and the next write starts afresh.
    rollBack();
    return false;
}

void MirrorDatabase::rollBack()
{
    // What went wrong is already told; a rollback that fails adds nothing.
    QString ignored;
    exec("ROLLBACK", &ignored);
}

bool MirrorDatabase::openForWriting(QString *error)
{
    if (m_writable)
        return true;
    if (!haveLibrary(error))
        return false;
    sql().close(std::exchange(m_db, nullptr));
    if (sql().open_v2(QFile::encodeName(m_path).constData(), &m_db,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        *error = lastError();
        return false;
    }
    sql().busy_timeout(m_db, 5000);
    m_writable = exec(Schema, error) && migrate(error);
    return m_writable;
}

bool MirrorDatabase::hasColumn(const char *name) const
{
    Statement known(m_db, "SELECT 1 FROM pragma_table_info('entries') WHERE name = ?");
    known.bind(1, QString::fromLatin1(name));
    return known.handle && sql().step(known.handle) == SQLITE_ROW;
}

bool MirrorDatabase::migrate(QString *error)
{
    QList<const char *> missing;
    for (const auto &column : Added) {
        if (!hasColumn(column[0]))
            missing << column[1];
    }
    if (missing.isEmpty())
        return true;
    // All or none: a run killed meanwhile leaves the table as it was.
    if (!exec("BEGIN", error))
        return false;
    for (const char *sql : std::as_const(missing)) {
        if (!exec(sql, error)) {
            rollBack();
            return false;
        }
    }
    return commit(error);
}

QByteArray MirrorDatabase::loudness(const QString &source) const
{
    if (!m_db)
        return {};
    Statement read(m_db, "SELECT measured FROM loudness WHERE source = ?");
    if (!read.handle)
        return {}; // a database from before measurements were kept
    read.bind(1, source);
    if (sql().step(read.handle) != SQLITE_ROW)
        return {};
    return QByteArray(static_cast<const char *>(sql().column_blob(read.handle, 0)),
                      sql().column_bytes(read.handle, 0));
}

bool MirrorDatabase::write(const QList<MirrorRecord> &records, QString *error,
                           const QHash<QString, QByteArray> &loudness)
{
    if (records.isEmpty() && loudness.isEmpty())
        return true;
    if (!openForWriting(error) || !exec("BEGIN", error))
        return false;
    {
        Statement insert(m_db, "INSERT OR REPLACE INTO entries(source, source_size,"
                               " source_modified, recipe, output, output_size, output_modified,"
                               " pending, album, retag, output_digest)"
                               " VALUES(?,?,?,?,?,?,?,?,?,?,?)");
        for (const MirrorRecord &r : records) {
            insert.bind(1, r.source);
            insert.bind(2, r.sourceSize);
            insert.bind(3, r.sourceModified);
            insert.bind(4, r.recipe);
            insert.bind(5, r.output);
            if (r.outputSize < 0) {
                sql().bind_null(insert.handle, 6);
                sql().bind_null(insert.handle, 7);
            } else {
                insert.bind(6, r.outputSize);
                insert.bind(7, r.outputModified);
            }
            insert.bind(8, qint64(r.pending));
            insert.bind(9, r.album);
            insert.bind(10, qint64(r.retag));
            insert.bind(11, r.outputDigest);
            if (!insert.run()) {
                *error = lastError();
                rollBack();
                return false;
            }
        }
        Statement store(m_db, "INSERT OR REPLACE INTO loudness VALUES(?,?)");
        Statement drop(m_db, "DELETE FROM loudness WHERE source = ?");
        for (auto it = loudness.cbegin(); it != loudness.cend(); ++it) {
            Statement &change = it->isEmpty() ? drop : store;
            change.bind(1, it.key());
            if (!it->isEmpty())
                store.bind(2, *it);
            if (!change.run()) {
                *error = lastError();
                rollBack();
                return false;
            }
        }
    }
    if (!commit(error))
        return false;
    for (const MirrorRecord &r : records)
        m_records.insert(r.source, r);
    return true;
}

bool MirrorDatabase::forget(const QStringList &sources, QString *error)
{
    if (sources.isEmpty())
        return true;
    if (!openForWriting(error) || !exec("BEGIN", error))
        return false;
    {
        Statement remove(m_db, "DELETE FROM entries WHERE source = ?");
        Statement measured(m_db, "DELETE FROM loudness WHERE source = ?");
        for (const QString &source : sources) {
            remove.bind(1, source);
            measured.bind(1, source);
            if (!remove.run() || !measured.run()) {
                *error = lastError();
                rollBack();
                return false;
            }
        }
    }
    if (!commit(error))
        return false;
    for (const QString &source : sources)
        m_records.remove(source);
    return true;
}

bool MirrorDatabase::changeFolder(const char *sql, const QString &folder, QString *error)
{
    if (!openForWriting(error))
        return false;
    Statement change(m_db, sql);
    change.bind(1, folder);
    if (!change.run()) {
        *error = lastError();
        return false;
    }
    return true;
}

bool MirrorDatabase::addFolder(const QString &folder, QString *error)
{
    if (!changeFolder("INSERT OR IGNORE INTO folders VALUES(?)", folder, error))
        return false;
    m_folders.insert(folder);
    return true;
}

bool MirrorDatabase::removeFolder(const QString &folder, QString *error)
{
    if (!changeFolder("DELETE FROM folders WHERE path = ?", folder, error))
        return false;
    m_folders.remove(folder);
    return true;
}
