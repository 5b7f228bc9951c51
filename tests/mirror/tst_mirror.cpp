#include "mirrorplan.h"
#include "mirrorrecipe.h"
#include "mirrorroot.h"
#include "mirrorsession.h"
#include "mirrorupdate.h"
#include "portablenames.h"
#include "storedloudness.h"
#include "treewalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using mirrorplan::Action;

namespace {

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Permission bits do not stop root: the walk looks as nobody instead.
struct AsNobody
{
    bool active = ::geteuid() == 0;
    AsNobody()
    {
        if (active)
            active = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsNobody()
    {
        if (active) {
            QVERIFY(::seteuid(0) == 0);
            QVERIFY(::setegid(0) == 0);
        }
    }
};

} // namespace

// A folder mirrored into a tree, with the encoder faked by a function that
// writes "recipe:source bytes" into the temporary target and measures the
// same loudness in every file.
class TestMirror : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void walkTakesOnlyWhatItShould();
    void aRunCarriesOutItsPlan();
    void dryRunChangesNothing();
    void secondRunIsRefused();
    void rootPlacement();
    void runCutShortIsFinishedNextTime();
    void storedLoudnessKeepsTheGating();
    void databaseFromBeforeIsKept();
    void recordsReadBackAsWritten();
    void stoppedWhileWalkingWritesNothing();
    void tooLittleRoom_data();
    void tooLittleRoom();
    void failedCommitIsRolledBack_data();
    void failedCommitIsRolledBack();
    void outputWithoutTagsIsConvertedAgain();
    void recipeFromTheEffectiveSettings_data();
    void recipeFromTheEffectiveSettings();

private:
    mirrorplan::Plan run(const QString &recipe = "mp3 128");
    QString source(const QString &relative) const { return m_folder + '/' + relative; }
    QString output(const QString &relative) const { return m_root + '/' + relative; }
    MirrorSession::Seams seams();
    // Locked, planned and started, as a run has it before its first file; null on failure.
    std::unique_ptr<MirrorSession> startedSession();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_root;
    QString m_trash;
    QStringList m_errors;
    QString m_summary;
};

void TestMirror::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath("Music");
    m_root = m_dir->filePath("Music (MP3)");
    m_trash = m_dir->filePath("trash");
    QDir().mkpath(m_folder);
    QDir().mkpath(m_trash);
    m_errors.clear();
}

MirrorSession::Seams TestMirror::seams()
{
    MirrorSession::Seams seams;
    seams.fileSystemKind = [](const QString &) { return portablenames::FileSystemKind::Posix; };
    seams.moveToTrash = [this](const QString &path, QString *) {
        return QFile::rename(path, m_trash + '/' +
                                       QString::number(QDir(m_trash).entryList(QDir::Files).size()));
    };
    return seams;
}

std::unique_ptr<MirrorSession> TestMirror::startedSession()
{
    auto session = std::make_unique<MirrorSession>(
        m_folder, m_root, mirrorplan::Settings{"mp3", "mp3 128", true}, seams());
    QString error;
    if (!session->lock(&error) || !session->prepare(treewalk::walk(m_folder, m_root), &error) ||
        !session->start(&error))
        return nullptr;
    return session;
}

mirrorplan::Plan TestMirror::run(const QString &recipe)
{
    MirrorSession session(m_folder, m_root, {"mp3", recipe, true}, seams());
    QString error;
    const treewalk::Result walk = treewalk::walk(m_folder, m_root);
    if (!session.lock(&error) || !session.prepare(walk, &error) || !session.start(&error)) {
        m_errors << error;
        return {};
    }
    for (const mirrorplan::Step &step : session.plan().steps) {
        if (step.action == Action::Copy) {
            if (!session.copy(step, &error))
                m_errors << error;
        } else if (step.action == Action::Convert || step.action == Action::Replace) {
            MirrorSession::Target target;
            if (!session.begin(step, &target, &error)) {
                m_errors << error;
                continue;
            }
            QFile out(target.temporary);
            const bool written = out.open(QIODevice::WriteOnly) &&
                                 out.write(recipe.toUtf8() + ':' + readFile(target.source)) > 0;
            out.close();
            if (!session.finish(step, written, &error, loudness::TrackLoudness{{-20.f}, 0.5}))
                m_errors << error;
        }
    }
    session.trash(&m_errors);
    m_summary = session.summary();
    return session.plan();
}

void TestMirror::walkTakesOnlyWhatItShould()
{
    writeFile(source("Rock/Band/a.flac"), "A");
    writeFile(source("Rock/Band/cover.JPG"), "J");
    writeFile(source("Rock/Band/notes.txt"), "T");
    writeFile(source("Rock/.hidden.flac"), "H");
    writeFile(source(".cache/b.flac"), "H");
    writeFile(source("locked/c.flac"), "L");
    writeFile(source("Music (MP3)/inside.flac"), "M"); // a mirror inside the folder
    writeFile(source(QString::fromUtf8("caf\xc3\xa9.mp3")), "U");
    const QByteArray folder = QFile::encodeName(m_folder);
    writeFile(QString::fromLocal8Bit(folder) + "/x", "X");
    QVERIFY(::rename(QByteArray(folder + "/x").constData(), QByteArray(folder + "/bad\xff.flac").constData()) == 0);
    QVERIFY(QFile::link(m_folder, source("Rock/loop")));
    QVERIFY(::mkfifo(QByteArray(folder + "/pipe.flac").constData(), 0644) == 0);
    QVERIFY(::chmod(QByteArray(folder + "/locked").constData(), 0) == 0);
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);

    treewalk::Result walk;
    {
        AsNobody nobody;
        walk = treewalk::walk(m_folder, source("Music (MP3)"));
    }
    QVERIFY(::chmod(QByteArray(folder + "/locked").constData(), 0755) == 0);
    QVERIFY(::unlink(QByteArray(folder + "/bad\xff.flac").constData()) == 0); // or the folder stays
    QStringList files;
    for (const treewalk::SourceFile &file : walk.files)
        files << file.path + (file.cover ? " (cover)" : "");
    QCOMPARE(files, QStringList({"Rock/Band/a.flac", "Rock/Band/cover.JPG (cover)",
                                 QString::fromUtf8("caf\xc3\xa9.mp3")}));
    QCOMPARE(walk.files.first().size, 1);
    QStringList leftOut;
    for (const treewalk::LeftOut &left : walk.leftOut)
        leftOut << treewalk::describe(left);
    leftOut.sort();
    QCOMPARE(leftOut, QStringList({"Rock/Band/notes.txt: not a sound or video file",
                                   "Rock/loop: a link, not followed",
                                   QString::fromUtf8("bad\xef\xbf\xbd.flac: the name is not valid text"),
                                   "locked: cannot be read", "pipe.flac: not a regular file"}));
}

// The plan carried out on disk: conversions and copies written, outputs
// replaced and trashed, what is not the mirror's left alone, and nothing
// written at all when there is nothing to do.
void TestMirror::aRunCarriesOutItsPlan()
{
    writeFile(source("Rock/a.flac"), "A");
    writeFile(source("Rock/b.flac"), "B");
    writeFile(source("Rock/c.flac"), "C");
    writeFile(source("Live/cover.jpg"), "JPEG");
    writeFile(source("d.mp3"), "ID3 as it is");
    run();
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(readFile(output("Rock/a.mp3")), QByteArray("mp3 128:A"));
    QCOMPARE(readFile(output("Live/cover.jpg")), QByteArray("JPEG"));
    QCOMPARE(readFile(output("d.mp3")), QByteArray("ID3 as it is"));

    // Nothing to do: nothing written, the database not even opened for writing.
    const QString database = output(MirrorDatabase::fileName());
    const QDateTime written = QFileInfo(database).lastModified();
    run();
    QCOMPARE(QFileInfo(database).lastModified(), written);
    QCOMPARE(m_summary, "Music (MP3) is up to date: 0 converted, 0 moved to the trash, "
                        "5 unchanged.");

    writeFile(source("Rock/a.flac"), "AA");
    QVERIFY(QFile::remove(source("Rock/b.flac")));
    writeFile(output("Rock/c.mp3"), "mine");
    writeFile(source("Rock/e.flac"), "E");
    writeFile(output("Rock/e.mp3"), "theirs");
    QVERIFY(QDir(source("Live")).removeRecursively());
    QVERIFY(QDir().mkpath(output("Mine")));
    run();
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(readFile(output("Rock/a.mp3")), QByteArray("mp3 128:AA"));
    QVERIFY(!QFileInfo::exists(output("Rock/b.mp3")));
    QStringList trashed{readFile(m_trash + "/0"), readFile(m_trash + "/1")};
    trashed.sort();
    QCOMPARE(trashed, QStringList({"JPEG", "mp3 128:B"}));
    QCOMPARE(readFile(output("Rock/c.mp3")), QByteArray("mine"));
    QCOMPARE(readFile(output("Rock/e.mp3")), QByteArray("theirs"));
    QCOMPARE(readFile(output("Rock/e_1.mp3")), QByteArray("mp3 128:E"));
    // The folder the mirror made goes once empty; the user's own stays.
    QVERIFY(!QFileInfo::exists(output("Live")));
    QVERIFY(QFileInfo::exists(output("Mine")));

    // New settings redo every output of ours, and only those.
    run("mp3 192");
    QCOMPARE(readFile(output("Rock/a.mp3")), QByteArray("mp3 192:AA"));
    QCOMPARE(readFile(output("Rock/e_1.mp3")), QByteArray("mp3 192:E"));
    QCOMPARE(readFile(output("Rock/c.mp3")), QByteArray("mine"));
    QCOMPARE(readFile(output("d.mp3")), QByteArray("ID3 as it is"));
}

void TestMirror::dryRunChangesNothing()
{
    writeFile(source("Rock/a.flac"), "A");
    writeFile(source("b.flac"), "B");
    run();
    writeFile(source("Rock/a.flac"), "AA");
    QVERIFY(QFile::remove(source("b.flac")));
    writeFile(source("c.flac"), "C");
    writeFile(source("c.txt"), "T");

    MirrorSession session(m_folder, m_root, {"mp3", "mp3 128", true},
                          seams());
    QString error;
    QVERIFY(session.prepare(treewalk::walk(m_folder, m_root), &error));
    QCOMPARE(mirrorplan::describe(session.plan()),
             QStringList({"replace Rock/a.flac → Rock/a.mp3", "convert c.flac → c.mp3",
                          "trash b.mp3", "left out c.txt: not a sound or video file"}));
    QCOMPARE(readFile(output("Rock/a.mp3")), QByteArray("mp3 128:A"));
    QCOMPARE(readFile(output("b.mp3")), QByteArray("mp3 128:B"));
    QVERIFY(!QFileInfo::exists(output("c.mp3")));

    // Before the first run the mirror is not even made.
    MirrorSession fresh(m_folder, m_dir->filePath("elsewhere/Music (MP3)"),
                        {"mp3", "mp3 128", true}, MirrorSession::Seams::real());
    QVERIFY(fresh.prepare(treewalk::walk(m_folder), &error));
    QCOMPARE(fresh.plan().writes(), 2);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("elsewhere")));
}

void TestMirror::secondRunIsRefused()
{
    MirrorSession first(m_folder, m_root, {"mp3", "mp3 128", true}, seams());
    MirrorSession second(m_folder, m_root, {"mp3", "mp3 128", true}, seams());
    QString error;
    QVERIFY(first.lock(&error));
    QVERIFY(!second.lock(&error));
    QCOMPARE(error, "Music (MP3) is being updated by another Tonewright.");
}

void TestMirror::rootPlacement()
{
    using settings::TargetRule;
    const QString music = "/home/ann/Music";
    QCOMPARE(mirrorroot::place(music, "mp3", TargetRule::SameAsSource, {}),
             "/home/ann/Music (MP3)");
    QCOMPARE(mirrorroot::place(music + '/', "opus", TargetRule::Directory, "/media/usb"),
             "/media/usb/Music (OPUS)");
    QCOMPARE(mirrorroot::place(music, "mp3", TargetRule::Ask, {}), QString());
    QCOMPARE(mirrorroot::place(music, "mp3", TargetRule::Ask, "/media/usb/"),
             "/media/usb/Music (MP3)");
    QCOMPARE(mirrorroot::place(music, "mp3", TargetRule::SameAsSource, {}, "/media/usb/Music"),
             "/media/usb/Music");
}

void TestMirror::runCutShortIsFinishedNextTime()
{
    writeFile(source("a.flac"), "A");
    writeFile(source("b.flac"), "B");
    {
        // Cut short: b renamed into place but not yet recorded, a half written.
        const std::unique_ptr<MirrorSession> session = startedSession();
        QVERIFY(session);
        QString error;
        MirrorSession::Target a, b;
        QVERIFY(session->begin(session->plan().steps.at(0), &a, &error));
        QVERIFY(session->begin(session->plan().steps.at(1), &b, &error));
        writeFile(a.temporary, "half");
        writeFile(b.temporary, "mp3 128:B");
        QVERIFY(QFile::rename(b.temporary, b.output));
        QCOMPARE(a.temporary, output(".tonewright-a.mp3.part"));
        QVERIFY(!QFileInfo::exists(output("a.mp3")));
    }
    const mirrorplan::Plan plan = run();
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(mirrorplan::describe(plan),
             QStringList({"convert a.flac → a.mp3", "keep b.mp3: written by a run cut short"}));
    QCOMPARE(readFile(output("a.mp3")), QByteArray("mp3 128:A"));
    QCOMPARE(QDir(m_root).entryList(QDir::Hidden | QDir::Files),
             QStringList({MirrorDatabase::fileName(), "a.mp3", "b.mp3"}));
    QCOMPARE(mirrorplan::describe(run()), QStringList({"leave a.mp3", "leave b.mp3"}));
}

void TestMirror::storedLoudnessKeepsTheGating()
{
    const loudness::TrackLoudness track{{-80.f, -70.f, -69.9999f, -23.f, -10.123f, 5.f}, 0.98765};
    const QByteArray packed = storedloudness::pack(track);
    const auto kept = storedloudness::unpack(packed);
    QVERIFY(kept);
    QCOMPARE(kept->peak, track.peak);
    QCOMPARE(kept->blocks.size(), track.blocks.size());
    for (qsizetype i = 0; i < track.blocks.size(); ++i) {
        // Each block on its side of the absolute gate, to 1/512 LU.
        const float block = track.blocks.at(i);
        QCOMPARE(kept->blocks.at(i) > -70.f, block > -70.f);
        if (block > -70.f)
            QVERIFY(qAbs(kept->blocks.at(i) - block) <= 1.f / 512);
    }
    QByteArray otherVersion = packed;
    otherVersion[0] = 2;
    for (const QByteArray &bad : {QByteArray(), packed.left(8), QByteArray(packed + 'x'), otherVersion})
        QVERIFY(!storedloudness::unpack(bad));
}

void TestMirror::databaseFromBeforeIsKept()
{
    writeFile(source("CD/a.flac"), "A");
    writeFile(source("CD/b.flac"), "B");
    run();
    // As runs before measurements were kept left it.
    const QString database = output(MirrorDatabase::fileName());
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(database).constData(), &db), SQLITE_OK);
    const int changed = sqlite3_exec(
        db,
        "CREATE TABLE old(source TEXT PRIMARY KEY, source_size INTEGER, source_modified INTEGER,"
        " recipe TEXT, output TEXT NOT NULL, output_size INTEGER, output_modified INTEGER,"
        " pending INTEGER NOT NULL);"
        "INSERT INTO old SELECT source, source_size, source_modified, recipe, output,"
        " output_size, output_modified, pending FROM entries;"
        "DROP TABLE entries; DROP TABLE loudness; ALTER TABLE old RENAME TO entries;",
        nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QCOMPARE(changed, SQLITE_OK);
    const QByteArray before = readFile(database);

    // Read as it is: nothing to do, nothing written.
    QCOMPARE(mirrorplan::describe(run()), QStringList({"leave CD/a.mp3", "leave CD/b.mp3"}));
    QCOMPARE(readFile(database), before);
    // The first write adds what it lacks and keeps every record.
    writeFile(source("CD/a.flac"), "AA");
    QCOMPARE(mirrorplan::describe(run()),
             QStringList({"replace CD/a.flac → CD/a.mp3", "leave CD/b.mp3"}));
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    MirrorDatabase reread(m_root);
    QString error;
    QVERIFY(reread.load(&error));
    QCOMPARE(reread.records().size(), 2);
    QCOMPARE(storedloudness::unpack(reread.loudness("CD/a.flac")).value().blocks,
             QList<float>({-20.f}));
    QVERIFY(reread.loudness("CD/b.flac").isEmpty());
    QCOMPARE(mirrorplan::describe(run()), QStringList({"leave CD/a.mp3", "leave CD/b.mp3"}));
    // A gone source takes its measurement along.
    QVERIFY(QFile::remove(source("CD/a.flac")));
    run();
    QVERIFY(reread.loudness("CD/a.flac").isEmpty());
}

void TestMirror::recordsReadBackAsWritten()
{
    QVERIFY(QDir().mkpath(m_root));
    MirrorRecord record{"CD/a.flac", 4, 5, "mp3 128", "CD/a.mp3", 6, 7, true, "-7.00 dB", true};
    QString error;
    {
        MirrorDatabase database(m_root);
        QVERIFY(database.load(&error));
        QVERIFY2(database.write({record}, &error), qPrintable(error));
    }
    MirrorDatabase reread(m_root);
    QVERIFY(reread.load(&error));
    const MirrorRecord back = reread.records().value("CD/a.flac");
    QCOMPARE(QStringList({back.source, back.recipe, back.output, back.album}),
             QStringList({record.source, record.recipe, record.output, record.album}));
    QCOMPARE(QList<qint64>({back.sourceSize, back.sourceModified, back.outputSize,
                            back.outputModified}),
             QList<qint64>({4, 5, 6, 7}));
    QVERIFY(back.pending && back.retag);
}

void TestMirror::stoppedWhileWalkingWritesNothing()
{
    writeFile(source("a.flac"), "A");
    writeFile(source("Live/b.flac"), "B");
    MirrorUpdate update({{m_folder, m_root}}, {"mp3", "mp3 128", true}, {},
                        seams());
    QVERIFY(update.lock());
    bool ready = false;
    connect(&update, &MirrorUpdate::ready, this, [&] { ready = true; });
    // Stopped before the walk has looked at its first name.
    update.stop();
    update.start();
    QTRY_VERIFY(ready);
    update.conclude(nullptr);
    QVERIFY(update.requests().isEmpty());
    // Nothing planned: no database with marks of files to be written.
    QVERIFY(!QFileInfo::exists(output(MirrorDatabase::fileName())));
    QVERIFY(update.sentence().isEmpty());
}

void TestMirror::tooLittleRoom_data()
{
    QTest::addColumn<bool>("whatFits");
    QTest::newRow("refused") << false;
    QTest::newRow("what fits") << true;
}

// A stick with room for one conversion and one of three copies: the run
// writes nothing and says so, or with whatFits converts and copies in
// order what fits and leaves the rest, unmarked, for a run with room.
void TestMirror::tooLittleRoom()
{
    QFETCH(bool, whatFits);
    writeFile(source("A/a.wav"), QByteArray(1764, 'w')); // 0.01 s: 160 bytes as MP3
    for (const char *name : {"B/b.mp3", "C/c.mp3", "D/d.mp3"})
        writeFile(source(name), QByteArray(1000, 'm'));
    MirrorSession::Seams stick = seams();
    stick.fileSystemKind = [](const QString &) { return portablenames::FileSystemKind::Fat; };
    stick.freeSpace = [](const QString &) { return qint64(2500); };
    mirrorplan::Settings settings{"mp3", "mp3 128", true, false, 128, whatFits};
    {
        MirrorUpdate update({{m_folder, m_root}}, settings, {}, stick);
        QVERIFY(update.lock());
        bool ready = false;
        connect(&update, &MirrorUpdate::ready, this, [&] { ready = true; });
        update.start();
        QTRY_VERIFY(ready);
        QCOMPARE(update.requests().size(), whatFits ? 1 : 0);
        update.conclude(nullptr);
        QVERIFY(update.failed());
        QCOMPARE(update.sentence(),
                 whatFits ? "Music (MP3) got what fits: 1 converted; 2 files were left for want of "
                            "room, for a later run with more room."
                          : "Music (MP3) needs about 3.2 kB; the stick has 2.5 kB free.");
        if (!whatFits)
            QVERIFY(QDir(m_root).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QCOMPARE(QFileInfo::exists(output("B/b.mp3")), whatFits);
        QVERIFY(!QFileInfo::exists(output("C/c.mp3")));
    }
    // With room, the next run takes up what was left, as new.
    stick.freeSpace = [](const QString &) { return qint64(-1); };
    MirrorUpdate next({{m_folder, m_root}}, settings, {}, stick);
    const QStringList lines = next.dryRun();
    QCOMPARE(lines.filter("copy").size(), whatFits ? 2 : 3);
    QVERIFY(lines.contains("copy D/d.mp3 → D/d.mp3"));
}

void TestMirror::failedCommitIsRolledBack_data()
{
    QTest::addColumn<bool>("full"); // the medium is full, or another reader holds the file
    QTest::newRow("medium full") << true;
    QTest::newRow("held by a reader") << false;
}

void TestMirror::failedCommitIsRolledBack()
{
    QFETCH(bool, full);
    writeFile(source("a.flac"), "A");
    run();
    const QString file = output(MirrorDatabase::fileName());
    MirrorDatabase database(m_root);
    QString error;
    QVERIFY(database.load(&error));
    const MirrorRecord known = database.records().value("a.flac");
    QList<MirrorRecord> many;
    for (int i = 0; i < 400; ++i) {
        MirrorRecord r = known;
        r.source = QString("Folder %1/%2.flac").arg(i).arg(QString(200, 'x'));
        many << r;
    }
    rlimit before;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    sqlite3 *reader = nullptr;
    if (full) {
        // The database file cannot grow, while the journal, smaller than it, still can.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before;
        limit.rlim_cur = rlim_t(QFileInfo(file).size());
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    } else {
        // Its read keeps the commit from writing until the wait gives up.
        QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &reader), SQLITE_OK);
        QCOMPARE(
            sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM entries;", nullptr, nullptr, nullptr),
            SQLITE_OK);
    }
    const bool written = database.write(many, &error);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &before), 0);
    sqlite3_close(reader);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    // The next write goes through, and the failed one left nothing.
    MirrorRecord again = known;
    again.source = "b.flac";
    QVERIFY2(database.write({again}, &error), qPrintable(error));
    MirrorDatabase reread(m_root);
    QVERIFY(reread.load(&error));
    QCOMPARE(reread.records().size(), 2);
}

void TestMirror::outputWithoutTagsIsConvertedAgain()
{
    writeFile(source("a.flac"), "A");
    {
        const std::unique_ptr<MirrorSession> session = startedSession();
        QVERIFY(session);
        QString error;
        MirrorSession::Target target;
        const mirrorplan::Step step = session->plan().steps.first();
        QVERIFY(session->begin(step, &target, &error));
        writeFile(target.temporary, "mp3 128:A");
        QVERIFY(session->finish(step, true, &error, std::nullopt, false));
        QVERIFY(session->record(&error));
        QCOMPARE(readFile(output("a.mp3")), QByteArray("mp3 128:A"));
    }
    QCOMPARE(mirrorplan::describe(run()), QStringList({"replace a.flac → a.mp3"}));
    QCOMPARE(mirrorplan::describe(run()), QStringList({"leave a.mp3"}));
}

void TestMirror::recipeFromTheEffectiveSettings_data()
{
    QTest::addColumn<QString>("stored"); // the loudness setting
    QTest::addColumn<QString>("typed");  // --replaygain=, or nothing
    QTest::addColumn<QString>("sameAs"); // the same mirror as with this typed
    QTest::newRow("the default spelt out") << ""
                                           << "album"
                                           << "";
    QTest::newRow("the setting spelt out") << "track"
                                           << "track"
                                           << "";
    QTest::newRow("off") << "off"
                         << "off"
                         << "";
}

void TestMirror::recipeFromTheEffectiveSettings()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, sameAs);
    Services services;
    services.readSetting = [stored](const QString &key) {
        return key == settings::ReplayGainKey ? stored : QString();
    };
    const auto options = [](const QString &word) {
        EncoderOptions options;
        if (!word.isEmpty())
            options.replayGain = replaygain::fromWord(word);
        return options;
    };
    const mirrorrecipe::Recipe spelt = mirrorrecipe::forRun("mp3", options(typed), services);
    const mirrorrecipe::Recipe left = mirrorrecipe::forRun("mp3", options(sameAs), services);
    QCOMPARE(spelt.settings.recipe, left.settings.recipe);
    QCOMPARE(spelt.settings.album, left.settings.album);
    // MP3 sources are copied either way.
    QVERIFY(spelt.settings.plain);
    QVERIFY(left.settings.plain);
}

QTEST_GUILESS_MAIN(TestMirror)
#include "tst_mirror.moc"
