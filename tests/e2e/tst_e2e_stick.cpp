#include "e2etools.h"
#include "stickimage.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <unistd.h>

// A folder mirrored onto real FAT32 and exFAT file systems (images mounted
// through FUSE) by the real program and encoder.
class TestE2eStick : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyNameArrivesAndStays_data();
    void everyNameArrivesAndStays();
    void fullStickLosesNothing();
    void pulledOutMidway();
    void nearlyFullStickKeepsTags();
    void tooLittleRoomIsSaidFirst();

private:
    struct Result
    {
        int status = -1;
        QString error;
    };
    // The program over Music into the stick's "Music (MP3)", in time zone zone.
    Result run(const QString &zone = "UTC", const QStringList &options = {});
    QProcess *start(const QString &zone = "UTC", const QStringList &options = {});
    int encoderStarts() const;
    // Each output relative to the mirror, with its size and a digest.
    QMap<QString, QString> outputs() const;
    QString music(const QString &relative = {}) const { return m_dir->filePath("Music/" + relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StickImage> m_stick;
};

void TestE2eStick::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    // Sticks are mounted as root; where that cannot be done the suite fails.
    QVERIFY2(QFile::exists("/dev/fuse") && QFile::exists("/dev/loop-control"),
             "FUSE and loop devices are needed");
}

void TestE2eStick::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("config") && QDir(m_dir->path()).mkpath("bin"));
    QVERIFY(e2e::writeSettings(m_dir->filePath("config"), "128"));
    // The encoder, counted by a stand-in first on PATH; once a file "hold"
    // holds a number, the starts after that many wait for a file "release".
    QFile wrapper(m_dir->filePath("bin/ffmpeg"));
    QVERIFY(wrapper.open(QIODevice::WriteOnly));
    wrapper.write("#!/bin/sh\ncd \"" + QFile::encodeName(m_dir->path()) +
                  "\" || exit 1\necho start >> starts\n"
                  "if [ -e hold ] && [ $(wc -l < starts) -gt $(cat hold) ]; then\n"
                  "  while [ ! -e release ]; do sleep 0.05; done\nfi\ncd - >/dev/null\nexec \"" +
                  QFile::encodeName(QStandardPaths::findExecutable("ffmpeg")) + "\" \"$@\"\n");
    wrapper.close();
    QVERIFY(wrapper.setPermissions(wrapper.permissions() | QFile::ExeOwner));
}

void TestE2eStick::cleanup()
{
    m_stick.reset();
    m_dir.reset();
}

QProcess *TestE2eStick::start(const QString &zone, const QStringList &options)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    environment.insert("HOME", m_dir->path());
    e2e::useOwnFolders(environment, m_dir->filePath("config"));
    environment.insert("PATH", m_dir->filePath("bin") + ':' + environment.value("PATH"));
    environment.insert("TZ", zone);
    auto *process = new QProcess(this);
    process->setProcessEnvironment(environment);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(e2e::tonewright(),
                   QStringList{"mp3", music(), "--into=" + m_stick->folder() + "/Music (MP3)"} +
                       options);
    return process;
}

TestE2eStick::Result TestE2eStick::run(const QString &zone, const QStringList &options)
{
    std::unique_ptr<QProcess> process(start(zone, options));
    Result result;
    if (process->waitForFinished(120000) && process->exitStatus() == QProcess::NormalExit)
        result.status = process->exitCode();
    result.error = QString::fromUtf8(process->readAllStandardError());
    return result;
}

int TestE2eStick::encoderStarts() const
{
    QFile log(m_dir->filePath("starts"));
    return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
}

QMap<QString, QString> TestE2eStick::outputs() const
{
    QMap<QString, QString> files;
    const QString root = m_stick->folder() + "/Music (MP3)";
    QDirIterator it(root, {"*.mp3"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        files.insert(file.fileName().mid(root.size() + 1),
                     QString::number(file.size()) + ' ' +
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex());
    }
    return files;
}

void TestE2eStick::everyNameArrivesAndStays_data()
{
    QTest::addColumn<StickImage::Kind>("kind");
    QTest::newRow("FAT32") << StickImage::Kind::Fat32;
    QTest::newRow("exFAT") << StickImage::Kind::ExFat;
}

// Names the medium refuses and names that differ only in case each give an
// output of their own; the next run converts nothing, nor does one after the
// stick was mounted elsewhere and read in a time zone five hours away (FAT
// shows every time moved by five hours then). What goes to the trash goes to
// the stick's own.
void TestE2eStick::everyNameArrivesAndStays()
{
    QFETCH(StickImage::Kind, kind);
    const QStringList sources{"Intro.wav", "intro.wav", "Live/a.wav", "live/a.wav",
                              "What?.wav", "What_.wav", "a:b.wav"};
    for (const QString &source : sources) {
        QVERIFY(QDir().mkpath(QFileInfo(music(source)).path()));
        QVERIFY(e2e::makeTone(music(source), 1));
    }
    // A playlist names three of them, one whose name the stick refuses.
    QFile playlist(music("road.m3u"));
    QVERIFY(playlist.open(QIODevice::WriteOnly) &&
            playlist.write("#EXTM3U\nintro.wav\nWhat?.wav\nlive/a.wav\n") > 0);
    playlist.close();
    m_stick = std::make_unique<StickImage>(m_dir->filePath("stick.img"), kind);
    QString error;
    QVERIFY2(m_stick->make(64, &error), qPrintable(error));
    QVERIFY2(m_stick->mount(m_dir->filePath("media/stick"), &error), qPrintable(error));

    const Result first = run();
    QVERIFY2(first.status == 0, qPrintable(first.error));
    QCOMPARE(encoderStarts(), sources.size());
    const QMap<QString, QString> written = outputs();
    QCOMPARE(written.size(), sources.size());
    QStringList entries;
    for (const QString &line : QString::fromUtf8(e2e::contents(
             m_stick->folder() + "/Music (MP3)/road.m3u8")).split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('#'))
            entries << line;
    }
    QCOMPARE(entries.size(), 3);
    for (const QString &entry : std::as_const(entries)) // names as the medium finds them
        QVERIFY2(QFile::exists(m_stick->folder() + "/Music (MP3)/" + entry), qPrintable(entry));

    const Result second = run();
    QVERIFY2(second.status == 0, qPrintable(second.error));
    QCOMPARE(encoderStarts(), sources.size());

    QVERIFY2(m_stick->mount(m_dir->filePath("media/other place"), &error, "EST5"),
             qPrintable(error));
    for (int i = 0; i < 2; ++i) {
        const Result elsewhere = run("EST5");
        QVERIFY2(elsewhere.status == 0 && !elsewhere.error.contains("changed since"),
                 qPrintable(elsewhere.error));
    }
    QCOMPARE(encoderStarts(), sources.size());
    QCOMPARE(outputs(), written);

    // The output of a source that went goes to the stick's own trash. (Not
    // tried on the FAT32 image: its FUSE driver damages a file that grows
    // after it was opened anew, as the database does here by then.)
    if (kind == StickImage::Kind::Fat32)
        return;
    QVERIFY(QFile::remove(music("Intro.wav")));
    const Result trashed = run("EST5");
    QVERIFY2(trashed.status == 0 && trashed.error.contains("on the same disk"),
             qPrintable(trashed.error));
    QCOMPARE(QDir(m_stick->folder() + "/.Trash-" + QString::number(::getuid()) + "/files").entryList(QDir::Files).size(), 1);
    QCOMPARE(outputs().size(), sources.size() - 1);
}

// A stick that fills midway: the run stops starting files, leaves no partial
// file, keeps every output it finished and says why it ended; with room
// again the next run converts only what is missing.
void TestE2eStick::fullStickLosesNothing()
{
    const int count = 16;
    for (int i = 0; i < count; ++i) { // a folder each: no album values to rewrite
        QVERIFY(QDir().mkpath(music(QString("Single %1").arg(i))));
        QVERIFY(e2e::makeWav(music(QString("Single %1/a.wav").arg(i)), 30));
    }
    m_stick = std::make_unique<StickImage>(m_dir->filePath("stick.img"), StickImage::Kind::ExFat);
    QString error;
    QVERIFY2(m_stick->make(16, &error), qPrintable(error));
    QVERIFY2(m_stick->mount(m_dir->filePath("stick"), &error), qPrintable(error));
    // Room for most of the outputs: short, but not so clearly that the run
    // refuses to start.
    QFile filler(m_stick->folder() + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    QVERIFY(filler.write(QByteArray(15 << 19, 'x')) == 15 << 19);
    filler.close();

    const Result full = run();
    QCOMPARE(full.status, 1);
    QVERIFY2(full.error.contains("There is no space left on the disk of"), qPrintable(full.error));
    QMap<QString, QString> kept = outputs();
    QVERIFY(kept.size() > 2 && kept.size() < count);
    // An output the room ran out under while its tags went in is redone.
    const QRegularExpression untagged("(\\S+ \\d+/a\\.mp3) lacks its tags");
    for (auto it = untagged.globalMatch(full.error); it.hasNext();)
        QVERIFY(kept.remove(it.next().captured(1)) == 1);
    QDirIterator leftovers(m_stick->folder() + "/Music (MP3)", {"*.part"},
                           QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QVERIFY(!leftovers.hasNext());

    QVERIFY(QFile::remove(m_stick->folder() + "/filler"));
    const int before = encoderStarts();
    const Result again = run();
    QVERIFY2(again.status == 0, qPrintable(again.error));
    QCOMPARE(encoderStarts() - before, count - int(kept.size()));
    QVERIFY(!again.error.contains("lacks its tags"));
    const QMap<QString, QString> all = outputs();
    QCOMPARE(all.size(), count);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        QCOMPARE(all.value(it.key()), it.value());
}

// A stick pulled out while files are written: the run ends at once with
// status 1 and says why, never touching the sources; plugged in again, the
// next run removes what was left and completes the mirror.
void TestE2eStick::pulledOutMidway()
{
    const int count = 6;
    QVERIFY(QDir().mkpath(music()));
    for (int i = 0; i < count; ++i)
        QVERIFY(e2e::makeWav(music(QString("%1.wav").arg(i)), 10));
    m_stick = std::make_unique<StickImage>(m_dir->filePath("stick.img"), StickImage::Kind::ExFat);
    QString error;
    QVERIFY2(m_stick->make(64, &error), qPrintable(error));
    QVERIFY2(m_stick->mount(m_dir->filePath("stick"), &error), qPrintable(error));

    // Two files are written, then the stick goes while the third is on its way.
    QFile hold(m_dir->filePath("hold"));
    QVERIFY(hold.open(QIODevice::WriteOnly) && hold.write("2\n") == 2);
    hold.close();
    std::unique_ptr<QProcess> process(start());
    QDeadlineTimer deadline(60000);
    while (encoderStarts() <= 2 && !deadline.hasExpired())
        QThread::msleep(20);
    QVERIFY(m_stick->pull());
    QVERIFY(QFile(m_dir->filePath("release")).open(QIODevice::WriteOnly));
    QVERIFY(process->waitForFinished(30000));
    QCOMPARE(process->exitCode(), 1);
    const QString said = QString::fromUtf8(process->readAllStandardError());
    QVERIFY2(said.contains("went away during the run") && !said.contains("replaced") &&
                 !said.contains("I/O"),
             qPrintable(said));
    QCOMPARE(QDir(music()).entryList(QDir::Files).size(), count);

    QVERIFY(QFile::remove(m_dir->filePath("hold")));
    QVERIFY2(m_stick->mount(m_dir->filePath("stick"), &error), qPrintable(error));
    const Result again = run();
    QVERIFY2(again.status == 0, qPrintable(again.error));
    QCOMPARE(outputs().size(), count);
    QDirIterator leftovers(m_stick->folder() + "/Music (MP3)", {"*.part"},
                           QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QVERIFY(!leftovers.hasNext());
}

// With room for a file there is room for its tags: on a stick with 40 MB
// free every output carries its tags and loudness values.
void TestE2eStick::nearlyFullStickKeepsTags()
{
    QVERIFY(QDir().mkpath(music()));
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(e2e::run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=20", "-metadata",
                                    QString("title=Song %1").arg(i), "-metadata", "artist=Band",
                                    "-y", music(QString("%1.flac").arg(i))}) == 0);
    }
    m_stick = std::make_unique<StickImage>(m_dir->filePath("stick.img"), StickImage::Kind::Fat32);
    QString error;
    QVERIFY2(m_stick->make(96, &error), qPrintable(error));
    QVERIFY2(m_stick->mount(m_dir->filePath("stick"), &error), qPrintable(error));
    const qint64 room = QStorageInfo(m_stick->folder()).bytesAvailable();
    QFile filler(m_stick->folder() + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    for (qint64 left = room - (40 << 20); left > 0; left -= 1 << 20)
        QVERIFY(filler.write(QByteArray(int(qMin<qint64>(left, 1 << 20)), 'x')) > 0);
    filler.close();

    const Result result = run();
    QVERIFY2(result.status == 0, qPrintable(result.error));
    for (int i = 1; i <= 3; ++i) {
        const QMap<QString, QString> tags =
            e2e::tags(m_stick->folder() + QString("/Music (MP3)/%1.mp3").arg(i));
        QCOMPARE(tags.value("title"), QString("Song %1").arg(i));
        QVERIFY(tags.contains("replaygain_track_gain") && tags.contains("replaygain_album_gain"));
    }
}

// Four 6 MB copies and a WAV do not fit a 16 MB stick: the run writes no
// output and says so; with --what-fits the WAV and one copy are written.
void TestE2eStick::tooLittleRoomIsSaidFirst()
{
    QVERIFY(QDir().mkpath(music("A")));
    QVERIFY(e2e::makeWav(music("A/a.wav"), 1));
    for (const QString name : {"B", "C", "D", "E"}) {
        QVERIFY(QDir().mkpath(music(name)));
        QFile copy(music(name + "/" + name.toLower() + ".mp3"));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(QByteArray(6 << 20, 'm')) > 0);
    }
    m_stick = std::make_unique<StickImage>(m_dir->filePath("stick.img"), StickImage::Kind::ExFat);
    QString error;
    QVERIFY2(m_stick->make(16, &error), qPrintable(error));
    QVERIFY2(m_stick->mount(m_dir->filePath("stick"), &error), qPrintable(error));

    const Result refused = run();
    QCOMPARE(refused.status, 1);
    QVERIFY2(QRegularExpression("Music \\(MP3\\) needs about 25\\.\\d MB; the stick has "
                                "1\\d\\.\\d MB free\\.")
                 .match(refused.error)
                 .hasMatch(),
             qPrintable(refused.error));
    QCOMPARE(encoderStarts(), 0);
    QVERIFY(outputs().isEmpty());

    const Result fits = run("UTC", {"--what-fits"});
    QCOMPARE(fits.status, 1);
    QVERIFY2(fits.error.contains("2 converted; 3 files were left for want of room"),
             qPrintable(fits.error));
    QCOMPARE(outputs().keys(), (QStringList{"A/a.mp3", "B/b.mp3"}));
}

QTEST_GUILESS_MAIN(TestE2eStick)
#include "tst_e2e_stick.moc"
