#include "e2etools.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A folder mirrored by the real program and the real encoder, without a
// display: what each run writes, trashes and leaves alone, albums' loudness
// values kept right as tracks change, a run killed midway, and two runs at once.
class TestE2eMirror : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void keepsInSync();
    void albumValuesFollowTheAlbum();
    void killedRunIsCompletedNextTime();
    void secondRunAtOnceIsBusy();
    void failureIsNamedOnce();
    void playlistsFollowTheirTracks();

private:
    using Result = e2e::Ended;
    Result run(const QStringList &arguments, const QString &program = e2e::tonewright(),
               const QStringList &environment = {});
    QProcessEnvironment environment() const;
    QString music(const QString &relative = {}) const { return m_dir->filePath("Music/" + relative); }
    QString mirror(const QString &relative = {}) const
    {
        return m_dir->filePath("Music (MP3)/" + relative);
    }
    // Every file under the mirror with its size and modification time.
    QMap<QString, QString> snapshot() const;
    void makeLongTree(int files);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestE2eMirror::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
}

void TestE2eMirror::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("config") && QDir(m_dir->path()).mkpath("data"));
    QVERIFY(e2e::writeSettings(m_dir->filePath("config"), "128"));
}

QProcessEnvironment TestE2eMirror::environment() const
{
    QProcessEnvironment environment = e2e::terminalEnvironment(m_dir->filePath("config"));
    environment.insert("HOME", m_dir->path());
    environment.insert("XDG_DATA_HOME", m_dir->filePath("data")); // the trash the test reads
    return environment;
}

e2e::Ended TestE2eMirror::run(const QStringList &arguments, const QString &program,
                              const QStringList &extra)
{
    QProcessEnvironment env = environment();
    for (const QString &entry : extra)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    return e2e::runProgram(arguments, env, program);
}

QMap<QString, QString> TestE2eMirror::snapshot() const
{
    QMap<QString, QString> files;
    QDirIterator it(mirror(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        files.insert(info.filePath(),
                     QString("%1 %2").arg(info.size()).arg(
                         info.lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

void TestE2eMirror::makeLongTree(int files)
{
    for (int i = 0; i < files; ++i) {
        const QString folder = music(QString("CD%1").arg(i % 2));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(e2e::makeWav(folder + QString("/t%1.wav").arg(i), 30));
    }
}

void TestE2eMirror::keepsInSync()
{
    // Nested folders, two sources for one name, a cover, an MP3, a text.
    QVERIFY(QDir().mkpath(music("Rock/Live")));
    QVERIFY(e2e::makeTone(music("Rock/a.flac"), 1));
    QVERIFY(e2e::makeTone(music("Rock/a.wav"), 1));
    QVERIFY(e2e::makeTone(music("Rock/Live/b.wav"), 1));
    QVERIFY(e2e::makeTone(music("Rock/Live/c.mp3"), 1));
    QFile cover(music("Rock/cover.jpg"));
    QVERIFY(cover.open(QIODevice::WriteOnly) && cover.write("not really a picture") > 0);
    cover.close();
    QFile notes(music("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("liner notes") > 0);
    notes.close();

    // A dry run makes nothing, not even the mirror's folder.
    Result dry = run({"mp3", "--dry-run", music()});
    QCOMPARE(dry.status, 0);
    QVERIFY2(dry.output.contains("convert Rock/a.wav → Rock/a_1.mp3"), qPrintable(dry.output));
    QVERIFY(dry.output.contains("copy Rock/Live/c.mp3 → Rock/Live/c.mp3"));
    QVERIFY(!QFileInfo::exists(mirror()));

    Result first = run({"mp3", music()});
    QCOMPARE(first.status, 0);
    QVERIFY2(first.error.contains("Music (MP3) is up to date: 5 converted, 0 moved to the "
                                  "trash, 0 unchanged."),
             qPrintable(first.error));
    QVERIFY(first.error.contains("notes.txt: not a sound or video file"));
    QVERIFY(first.error.contains("a.wav → a_1.mp3"));
    for (const char *name : {"Rock/a.mp3", "Rock/a_1.mp3", "Rock/Live/b.mp3"})
        QCOMPARE(e2e::probe(mirror(name)).codec, QString("mp3"));
    QCOMPARE(QFileInfo(mirror("Rock/Live/c.mp3")).size(), QFileInfo(music("Rock/Live/c.mp3")).size());
    QVERIFY(QFileInfo::exists(mirror("Rock/cover.jpg")));
    QVERIFY(!QFileInfo::exists(mirror("notes.txt")));

    // Unchanged: nothing converted, nothing written, not even the database.
    QFile mine(mirror("Rock/mine.txt"));
    QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("not the mirror's") > 0);
    mine.close();
    const QMap<QString, QString> before = snapshot();
    Result again = run({"mp3", music()});
    QCOMPARE(again.status, 0);
    QVERIFY(again.error.contains("0 converted, 0 moved to the trash, 5 unchanged."));
    QCOMPARE(snapshot(), before);
    // The default spelt out is the same mirror.
    Result spelt = run({"mp3", "--replaygain=album", music()});
    QVERIFY2(spelt.error.contains("0 converted, 0 moved to the trash, 5 unchanged."),
             qPrintable(spelt.error));
    QCOMPARE(snapshot(), before);

    // One source changed, one gone, one new; a dry run first changes nothing.
    QVERIFY(e2e::makeTone(music("Rock/Live/b.wav"), 2));
    QVERIFY(QFile::remove(music("Rock/a.flac")));
    QVERIFY(e2e::makeTone(music("Rock/d.wav"), 1));
    dry = run({"mp3", "--dry-run", music()});
    QVERIFY(dry.output.contains("replace Rock/Live/b.wav → Rock/Live/b.mp3"));
    QVERIFY(dry.output.contains("trash Rock/a.mp3"));
    QCOMPARE(snapshot(), before);

    // The notification comes with the sentence once the run took its time
    // (here: no time at all).
    const QString testProgram = QStringLiteral(TW_TEST_PROGRAM);
    Result sync = run({"mp3", music()}, testProgram, {"TW_TEST_NOTIFY_AFTER_MS=0"});
    QCOMPARE(sync.status, 0);
    const QString sentence =
        "Music (MP3) is up to date: 2 converted, 1 moved to the trash, 3 unchanged.";
    QVERIFY2(sync.error.contains(sentence), qPrintable(sync.error));
    QVERIFY2(sync.output.contains("notification\t" + sentence), qPrintable(sync.output));
    QVERIFY(!QFileInfo::exists(mirror("Rock/a.mp3")));
    QVERIFY(QFileInfo::exists(m_dir->filePath("data/Trash/files/a.mp3")));
    QVERIFY(QFileInfo::exists(mirror("Rock/d.mp3")));
    QVERIFY(QFileInfo::exists(mirror("Rock/mine.txt")));
    QVERIFY(e2e::probe(mirror("Rock/Live/b.mp3")).duration > 1.5);

    // A quick run tells nobody.
    Result quiet = run({"mp3", music()}, testProgram, {"TW_TEST_NOTIFY_AFTER_MS=600000"});
    QCOMPARE(quiet.status, 0);
    QVERIFY(!quiet.output.contains("notification"));
}

void TestE2eMirror::albumValuesFollowTheAlbum()
{
    // Very different loudness: the album's gain is none of the tracks'.
    QVERIFY(QDir().mkpath(music("CD")) && QDir().mkpath(music("Single")));
    const auto noise = [this](const QString &name, const char *amplitude) {
        return e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                   QString("anoisesrc=d=2:c=pink:r=44100:a=%1:seed=9").arg(amplitude),
                                   "-ac", "2", "-y", music(name)}) == 0;
    };
    QVERIFY(noise("CD/1.wav", "0.03") && noise("CD/2.wav", "0.3") && noise("CD/3.wav", "0.9"));
    QVERIFY(noise("Single/1.wav", "0.3"));
    const QStringList album{"CD/1.mp3", "CD/2.mp3", "CD/3.mp3"};
    // The album gain all of them carry; empty when they differ or one has none.
    const auto albumGain = [this, &album] {
        const QString gain = e2e::tags(mirror(album.first())).value("replaygain_album_gain");
        for (const QString &name : album) {
            const QMap<QString, QString> tags = e2e::tags(mirror(name));
            if (tags.value("replaygain_album_gain") != gain || tags.value("replaygain_album_peak").isEmpty())
                return QString();
            if (tags.value("replaygain_track_gain") == gain)
                return QString("the track's");
        }
        return gain;
    };

    Result first = run({"mp3", music()});
    QVERIFY2(first.status == 0, qPrintable(first.error));
    const QString before = albumGain();
    QVERIFY2(before.endsWith(" dB"), qPrintable(before));
    QVERIFY(e2e::tags(mirror("Single/1.mp3")).contains("replaygain_track_gain"));
    QVERIFY(!e2e::tags(mirror("Single/1.mp3")).contains("replaygain_album_gain"));

    // One track made quieter: only it is converted, every track gets the new value.
    QVERIFY(noise("CD/3.wav", "0.1"));
    Result second = run({"mp3", music()});
    QVERIFY2(second.error.contains("1 converted, 0 moved to the trash, 3 unchanged."),
             qPrintable(second.error));
    const QString after = albumGain();
    QVERIFY2(after.endsWith(" dB") && after != before, qPrintable(before + " / " + after));

    // Unchanged: nothing written, not even the database.
    const QMap<QString, QString> written = snapshot();
    Result third = run({"mp3", music()});
    QVERIFY(third.error.contains("0 converted, 0 moved to the trash, 4 unchanged."));
    QCOMPARE(snapshot(), written);
}

void TestE2eMirror::killedRunIsCompletedNextTime()
{
    makeLongTree(6);
    QProcess first;
    first.setProcessEnvironment(environment());
    first.setStandardInputFile(QProcess::nullDevice());
    first.start(e2e::tonewright(), {"mp3", music()});
    // Killed as soon as a conversion is being written (or, on a machine
    // fast enough, once it has ended).
    for (int i = 0; i < 3000 && first.state() != QProcess::NotRunning; ++i) {
        QDirIterator it(mirror(), {".tonewright-*"}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        if (it.hasNext() && it.nextFileInfo().size() > 0)
            break;
        QTest::qWait(10);
    }
    ::kill(pid_t(first.processId()), SIGKILL);
    first.waitForFinished();

    // Whatever stands under an output's name is complete.
    QDirIterator written(mirror(), {"*.mp3"}, QDir::Files, QDirIterator::Subdirectories);
    while (written.hasNext())
        QVERIFY(e2e::probe(written.next()).duration > 29);

    const Result second = run({"mp3", music()});
    QVERIFY2(second.status == 0, qPrintable(second.error));
    QVERIFY(second.error.contains("up to date"));
    for (int i = 0; i < 6; ++i)
        QVERIFY(e2e::probe(mirror(QString("CD%1/t%2.mp3").arg(i % 2).arg(i))).duration > 29);
    QDirIterator leftovers(mirror(), {".tonewright-*.part"}, QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
    QVERIFY(!leftovers.hasNext());
}

void TestE2eMirror::secondRunAtOnceIsBusy()
{
    makeLongTree(2);
    // The first run's encoder waits, found first on PATH, until the second
    // run has ended.
    const QString bin = m_dir->filePath("bin");
    const QString go = m_dir->filePath("go");
    QVERIFY(QDir().mkpath(bin));
    QFile encoder(bin + "/ffmpeg");
    QVERIFY(encoder.open(QIODevice::WriteOnly));
    encoder.write(QString("#!/bin/sh\nwhile [ ! -e '%1' ]; do sleep 0.05; done\nexec '%2' \"$@\"\n")
                      .arg(go, QStandardPaths::findExecutable("ffmpeg"))
                      .toUtf8());
    encoder.close();
    QVERIFY(encoder.setPermissions(encoder.permissions() | QFile::ExeOwner));
    QProcessEnvironment env = environment();
    env.insert("PATH", bin + ":" + env.value("PATH"));
    QProcess first;
    first.setProcessEnvironment(env);
    first.setStandardInputFile(QProcess::nullDevice());
    first.start(e2e::tonewright(), {"mp3", music()});
    // The lock is taken before anything is written into the mirror.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(mirror(".tonewright-mirror.db")), 60000);

    const Result second = run({"--each", "mp3", music()});
    QFile(go).open(QIODevice::WriteOnly);
    QVERIFY(first.waitForFinished(120000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.status, 1);
    QVERIFY2(second.error.contains("Music (MP3) is being updated by another Tonewright."),
             qPrintable(second.error));
}

void TestE2eMirror::failureIsNamedOnce()
{
    QVERIFY(QDir().mkpath(music()));
    QVERIFY(e2e::makeTone(music("good.wav"), 1));
    QFile bad(music("bad.wav"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("RIFF....WAVEjunk") > 0);
    bad.close();
    const Result result = run({"mp3", music()});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.error.count("bad.wav"), 1);
    QVERIFY2(result.error.contains("1 converted"), qPrintable(result.error));
}

void TestE2eMirror::playlistsFollowTheirTracks()
{
    QVERIFY(QDir().mkpath(music("Rock")) && QDir().mkpath(music("Lists")));
    QVERIFY(e2e::makeTone(music("Rock/a.wav"), 1) && e2e::makeTone(music("Rock/b.wav"), 1));
    QFile list(music("Lists/road.m3u"));
    QVERIFY(list.open(QIODevice::WriteOnly) &&
            list.write("#EXTM3U\r\n#EXTINF:1,A\r\n..\\Rock\\a.wav\r\n../Rock/b.wav\r\n"
                       "../../elsewhere.flac\r\n") > 0);
    list.close();

    Result first = run({"mp3", music()});
    QVERIFY2(first.status == 0, qPrintable(first.error));
    QVERIFY2(first.error.contains("Lists/road.m3u: left out, as outside"), qPrintable(first.error));
    QCOMPARE(e2e::contents(mirror("Lists/road.m3u8")),
             "#EXTM3U\n#EXTINF:1,A\n../Rock/a.mp3\n../Rock/b.mp3\n");

    const QMap<QString, QString> before = snapshot();
    QVERIFY(run({"mp3", music()}).error.contains("0 converted, 0 moved to the trash, 3 unchanged."));
    QCOMPARE(snapshot(), before);

    // A track renamed: the list, unchanged itself, no longer names it.
    QVERIFY(QFile::rename(music("Rock/b.wav"), music("Rock/c.wav")));
    Result renamed = run({"mp3", music()});
    QVERIFY2(renamed.error.contains("2 converted, 1 moved to the trash"), qPrintable(renamed.error));
    QCOMPARE(e2e::contents(mirror("Lists/road.m3u8")), "#EXTM3U\n#EXTINF:1,A\n../Rock/a.mp3\n");

    QVERIFY(QFile::remove(music("Lists/road.m3u")));
    QVERIFY(run({"mp3", music()}).error.contains("0 converted, 1 moved to the trash"));
    QVERIFY(!QFileInfo::exists(mirror("Lists/road.m3u8")));
}

QTEST_GUILESS_MAIN(TestE2eMirror)
#include "tst_e2e_mirror.moc"
