#include "childprocess.h"
#include "nativepath.h"
#include "sourcenames.h"
#include "targetreservation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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
    void writesOnlyIntoTheReservedFile_data();
    void writesOnlyIntoTheReservedFile();
    void names_data();
    void names();
};

void TestTargetReservation::reservesFirstFreeName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");

    const struct
    {
        const char *tag;
        QStringList present; // "name/" a folder, "name@" a dangling link
        QString base, expected;
    } rows[] = {
        {"free", {"song.flac"}, "song", "song.mp3"},
        {"own format", {"song.mp3"}, "song", "song_1.mp3"},
        {"two taken", {"song.mp3", "song_1.mp3"}, "song", "song_2.mp3"},
        {"gap is used", {"song.mp3", "song_2.mp3"}, "song", "song_1.mp3"},
        {"directory in the way", {"song.mp3/"}, "song", "song_1.mp3"},
        {"dangling link in the way", {"song.mp3@"}, "song", "song_1.mp3"},
        {"dotted base", {"song.live.mp3"}, "song.live", "song.live_1.mp3"},
        {"spaces and quotes", {}, "a 'b\" c", "a 'b\" c.mp3"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.present << row.base << row.expected;
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

    const targetreservation::Reservation reservation =
        targetreservation::reserve(dir.path() + '/', base, "mp3");
    const QString reserved = reservation.path();
    QCOMPARE(reserved, dir.filePath(expected));
    QCOMPARE(QFileInfo(reserved).size(), 0);
    QVERIFY(reservation.isIntact());
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
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("failure");
    const int notWritable = int(targetreservation::Failure::NotWritable);
    // Tests may run as root, for whom permission bits mean nothing: these
    // places refuse new files to everyone.
    QTest::newRow("proc") << "/proc/"
                          << "song" << notWritable;
    QTest::newRow("below a file") << "FILE/sub/"
                                  << "song" << notWritable;
    QTest::newRow("missing") << "MISSING/"
                             << "song" << notWritable;
    // No folder takes a name of more than 255 bytes.
    QTest::newRow("name too long")
        << "DIR/" << QString(252, 'a') << int(targetreservation::Failure::NameTooLong);
}

void TestTargetReservation::refusesUnwritableDirectories()
{
    QFETCH(QString, directory);
    QFETCH(QString, base);
    QFETCH(int, failure);
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    directory.replace("FILE", dir.filePath("file"));
    directory.replace("MISSING", dir.filePath("missing"));
    directory.replace("DIR", dir.path());

    targetreservation::Failure reason = targetreservation::Failure::None;
    QVERIFY(!targetreservation::reserve(directory, base, "mp3", &reason).isValid());
    QCOMPARE(int(reason), failure);
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
                results[t] << targetreservation::reserve(dir.path() + '/', "song", "mp3").path();
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

void TestTargetReservation::writesOnlyIntoTheReservedFile_data()
{
    QTest::addColumn<QString>("swap"); // what another user puts at the name
    QTest::addColumn<bool>("kept");    // keep() rather than release()
    QTest::newRow("untouched, released") << "" << false;
    QTest::newRow("untouched, kept") << "" << true;
    QTest::newRow("link to another file") << "link" << false;
    QTest::newRow("another file") << "file" << false;
    QTest::newRow("removed") << "remove" << false;
}

void TestTargetReservation::writesOnlyIntoTheReservedFile()
{
    QFETCH(QString, swap);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim.txt");
    QFile victimFile(victim);
    QVERIFY(victimFile.open(QIODevice::WriteOnly));
    victimFile.write("victim");
    victimFile.close();

    targetreservation::Reservation reservation =
        targetreservation::reserve(dir.path() + '/', "song", "mp3");
    const QString name = reservation.path();
    if (!swap.isEmpty())
        QVERIFY(QFile::remove(name));
    if (swap == "link")
        QVERIFY(QFile::link(victim, name));
    if (swap == "file")
        QVERIFY(QFile::copy(victim, name));
    QCOMPARE(reservation.isIntact(), swap.isEmpty());

    // A child writes through the path it is given, as the encoder does.
    QProcess child;
    childprocess::start(child, "sh",
                        {"-c", "printf written > \"$1\"", "sh", reservation.encoderPath()},
                        {reservation.descriptor()});
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(reservation.size(), qint64(7));
    // Other children never get the descriptor.
    QProcess other;
    other.start("sh", {"-c", "test -e \"$1\"", "sh", reservation.encoderPath()});
    QVERIFY(other.waitForFinished());
    QCOMPARE(other.exitCode(), 1);
    if (kept)
        reservation.keep();
    else
        reservation.release();

    victimFile.open(QIODevice::ReadOnly);
    QCOMPARE(victimFile.readAll(), QByteArray("victim"));
    if (swap.isEmpty()) {
        QCOMPARE(QFileInfo::exists(name), kept);
    } else if (swap != "remove") {
        // What another user put there stays as it is.
        QCOMPARE(QFileInfo(name).isSymLink(), swap == "link");
        QFile foreign(name);
        QVERIFY(foreign.open(QIODevice::ReadOnly));
        QCOMPARE(foreign.readAll(), QByteArray("victim"));
    }
}

void TestTargetReservation::names_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("base");

    const struct
    {
        const char *tag;
        QString source, label, fileName, base;
    } rows[] = {
        {"plain", "/music/song.flac", "FLAC", "song.flac", "song"},
        {"two dots", "/music/song.live.avi", "AVI", "song.live.avi", "song.live"},
        {"no dot", "/music/song", "/MUSIC/SONG", "song", "song"},
        {"dot in folder only", "/mu.sic/song", "SIC/SONG", "song", "song"},
        {"leading dot", "/music/.flac", "FLAC", ".flac", ".flac"},
        {"leading dash", "/music/-i.wav", "WAV", "-i.wav", "-i"},
        {"relative", "song.Mp3", "MP3", "song.Mp3", "song"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.source << row.label << row.fileName << row.base;
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
