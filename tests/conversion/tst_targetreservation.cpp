#include "nativepath.h"
#include "sourcenames.h"
#include "targetreservation.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

// Target names and the encoder's argument list: the pure parts of the job.
class TestTargetReservation : public QObject
{
    Q_OBJECT

private slots:
    void reservesFirstFreeName_data();
    void reservesFirstFreeName();
    void refusesUnwritableDirectories_data();
    void refusesUnwritableDirectories();
    void concurrentReservationsNeverShareAName();
    void releaseRemovesOnlyPlainFiles();
    void names_data();
    void names();
};

void TestTargetReservation::reservesFirstFreeName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free") << QStringList{"song.flac"} << "song"
                          << "song.mp3";
    QTest::newRow("own format") << QStringList{"song.mp3"} << "song"
                                << "song_1.mp3";
    QTest::newRow("two taken") << QStringList{"song.mp3", "song_1.mp3"} << "song"
                               << "song_2.mp3";
    QTest::newRow("gap is used") << QStringList{"song.mp3", "song_2.mp3"} << "song"
                                 << "song_1.mp3";
    QTest::newRow("directory in the way") << QStringList{"song.mp3/"} << "song"
                                          << "song_1.mp3";
    QTest::newRow("dangling link in the way") << QStringList{"song.mp3@"} << "song"
                                              << "song_1.mp3";
    QTest::newRow("dotted base") << QStringList{"song.live.mp3"} << "song.live"
                                 << "song.live_1.mp3";
    QTest::newRow("spaces and quotes") << QStringList{} << "a 'b\" c"
                                       << "a 'b\" c.mp3";
}

void TestTargetReservation::reservesFirstFreeName()
{
    QFETCH(QStringList, present);
    QFETCH(QString, base);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : present) {
        if (name.endsWith('/')) {
            QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
        } else if (name.endsWith('@')) {
            QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath(name.chopped(1))));
        } else {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep");
        }
    }

    const QString reserved = targetreservation::reserve(dir.path() + '/', base, "mp3");
    QCOMPARE(reserved, dir.filePath(expected));
    QCOMPARE(QFileInfo(reserved).size(), 0);
    // Nothing that was there before was touched.
    for (const QString &name : present) {
        if (name.endsWith('/') || name.endsWith('@'))
            continue;
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }
}

void TestTargetReservation::refusesUnwritableDirectories_data()
{
    QTest::addColumn<QString>("directory");
    // Tests may run as root, for whom permission bits mean nothing: these
    // places refuse new files to everyone.
    QTest::newRow("proc") << "/proc/";
    QTest::newRow("below a file") << "FILE/sub/";
    QTest::newRow("missing") << "MISSING/";
}

void TestTargetReservation::refusesUnwritableDirectories()
{
    QFETCH(QString, directory);
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    directory.replace("FILE", dir.filePath("file"));
    directory.replace("MISSING", dir.filePath("missing"));

    QCOMPARE(targetreservation::reserve(directory, "song", "mp3"), QString());
}

void TestTargetReservation::concurrentReservationsNeverShareAName()
{
    QTemporaryDir dir;
    constexpr int Threads = 8;
    constexpr int PerThread = 25;
    std::vector<QStringList> results(Threads);
    std::vector<std::thread> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < PerThread; ++i)
                results[t] << targetreservation::reserve(dir.path() + '/', "song", "mp3");
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    QSet<QString> distinct;
    for (const QStringList &list : results) {
        for (const QString &path : list) {
            QVERIFY(!path.isEmpty());
            distinct.insert(path);
        }
    }
    QCOMPARE(distinct.size(), Threads * PerThread);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), Threads * PerThread);
}

void TestTargetReservation::releaseRemovesOnlyPlainFiles()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a.mp3");
    QFile(file).open(QIODevice::WriteOnly);
    QVERIFY(QDir(dir.path()).mkdir("b.mp3"));
    const QString kept = dir.filePath("kept.wav");
    QFile(kept).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(kept, dir.filePath("c.mp3")));

    targetreservation::release(file);
    targetreservation::release(dir.filePath("b.mp3"));
    targetreservation::release(dir.filePath("c.mp3"));
    targetreservation::release(QString());

    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(QFileInfo(dir.filePath("b.mp3")).isDir());
    QVERIFY(QFileInfo(dir.filePath("c.mp3")).isSymLink());
    QVERIFY(QFileInfo::exists(kept));
}

void TestTargetReservation::names_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("base");

    QTest::newRow("plain") << "/music/song.flac"
                           << "FLAC"
                           << "song.flac"
                           << "song";
    QTest::newRow("two dots") << "/music/song.live.avi"
                              << "AVI"
                              << "song.live.avi"
                              << "song.live";
    QTest::newRow("no dot") << "/music/song"
                            << "/MUSIC/SONG"
                            << "song"
                            << "song";
    QTest::newRow("dot in folder only") << "/mu.sic/song"
                                        << "SIC/SONG"
                                        << "song"
                                        << "song";
    QTest::newRow("leading dot") << "/music/.flac"
                                 << "FLAC"
                                 << ".flac"
                                 << ".flac";
    QTest::newRow("leading dash") << "/music/-i.wav"
                                  << "WAV"
                                  << "-i.wav"
                                  << "-i";
    QTest::newRow("relative") << "song.Mp3"
                              << "MP3"
                              << "song.Mp3"
                              << "song";
}

void TestTargetReservation::names()
{
    QFETCH(QString, source);
    QFETCH(QString, label);
    QFETCH(QString, fileName);
    QFETCH(QString, base);

    QCOMPARE(sourcenames::extensionLabel(source), label);
    QCOMPARE(sourcenames::fileNamePart(source), fileName);
    QCOMPARE(sourcenames::baseName(source), base);
    QCOMPARE(nativepath::withTrailingSeparator("/out"), QDir::toNativeSeparators("/out/"));
    QCOMPARE(nativepath::withTrailingSeparator("/out/"), QDir::toNativeSeparators("/out/"));
}

QTEST_GUILESS_MAIN(TestTargetReservation)
#include "tst_targetreservation.moc"
