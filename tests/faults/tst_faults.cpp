#include "encoderslot.h"
#include "fakeencoderinstall.h"
#include "modalanswerer.h"
#include "settings.h"
#include "soundmill.h"
#include "testservices.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/mount.h>

// Every fault ends in the window's own way out (the error box, or the user's
// stop), and afterwards the folders hold exactly what they held before.
class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void encoderFaults_data();
    void encoderFaults();
    void diskFull();
    void targetFolderTurnsReadOnly();
    void terminationSignalTakesBackTheTarget_data();
    void terminationSignalTakesBackTheTarget();

private:
    enum Action { Nothing, KillEncoder, UserStops, RemoveTargetFolder, RemoveSource };
    QMap<QString, QByteArray> snapshot(const QString &folder) const;
    bool runConversion(Action action, int timeoutMs = 60000);
    void expectNothingLeftBehind();
    bool mountSmallDisk(const QString &folder, const QByteArray &options);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QString m_encoderFolder;
    QString m_sourceFolder;
    QString m_targetFolder;
    QString m_source;
    QList<int> m_exits;
    // How the window's run ended: it ran its course, or it was stopped.
    enum class End { Finished, Stopped };
    QList<End> m_ends;
    Services m_services;
    QMap<QString, QByteArray> m_sourceBefore;
    QMap<QString, QByteArray> m_targetBefore;
    QStringList m_mounts;
};

namespace {
QtMessageHandler testLog = nullptr;

// The window writes the encoder's whole text as one debug message when it
// fails; for the 50 MB case that would bury the test's own report.
void withoutDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg)
        testLog(type, context, text);
}
} // namespace

void TestFaults::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    testLog = qInstallMessageHandler(withoutDebugMessages);
}

void TestFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_answerer = std::make_unique<ModalAnswerer>();
    m_exits.clear();
    m_ends.clear();

    m_encoderFolder = m_dir->filePath("encoder");
    m_sourceFolder = m_dir->filePath("music");
    m_targetFolder = m_dir->filePath("out");
    QVERIFY(QDir().mkpath(m_encoderFolder));
    QVERIFY(QDir().mkpath(m_sourceFolder));
    QVERIFY(QDir().mkpath(m_targetFolder));
    m_services = testServices(m_encoderFolder);
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, m_targetFolder);

    m_source = m_sourceFolder + "/song.wav";
    QFile source(m_source);
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(QByteArray(4096, 'w'));
    source.close();
    // What the user already had: a file under the name the conversion would
    // like best, and another one beside it.
    for (const QString &name : {QStringLiteral("song.mp3"), QStringLiteral("notes.txt")}) {
        QFile existing(m_targetFolder + "/" + name);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("kept " + name.toUtf8());
    }
    m_sourceBefore = snapshot(m_sourceFolder);
    m_targetBefore = snapshot(m_targetFolder);
}

void TestFaults::cleanup()
{
    for (const QString &mount : std::as_const(m_mounts))
        ::umount2(QFile::encodeName(mount).constData(), MNT_DETACH);
    m_mounts.clear();
    QCOMPARE(m_answerer->pending(), 0);
    m_answerer.reset();
    m_dir.reset();
}

QMap<QString, QByteArray> TestFaults::snapshot(const QString &folder) const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(path, QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
    }
    return files;
}

bool TestFaults::runConversion(Action action, int timeoutMs)
{
    Soundmill window(m_services);
    QObject::connect(&window, &Soundmill::ended, this, [this, &window] {
        m_exits << 0;
        m_ends << (window.queue()->wasStopped() ? End::Stopped : End::Finished);
    });
    window.startConversion(m_source, "mp3", {});

    const QString pidFile = m_encoderFolder + "/pid";
    switch (action) {
    case Nothing:
        break;
    case KillEncoder: {
        waitUntil([&pidFile] { return QFile::exists(pidFile); });
        QFile file(pidFile);
        file.open(QIODevice::ReadOnly);
        ::kill(file.readAll().trimmed().toInt(), SIGKILL);
        break;
    }
    case UserStops:
        QTest::qWait(300);
        m_answerer->enqueue(ModalAnswerer::click("Yes"));
        window.close();
        break;
    case RemoveTargetFolder:
        QTest::qWait(100);
        QDir(m_targetFolder).removeRecursively();
        m_targetBefore.clear();
        break;
    case RemoveSource:
        QTest::qWait(100);
        QFile::remove(m_source);
        m_sourceBefore.clear();
        break;
    }

    waitUntil([this] { return !m_exits.isEmpty(); }, timeoutMs);
    return m_exits == QList<int>{0};
}

void TestFaults::expectNothingLeftBehind()
{
    // Only the user's own files, unchanged: no reservation, no partial result.
    QCOMPARE(snapshot(m_sourceFolder), m_sourceBefore);
    QCOMPARE(snapshot(m_targetFolder), m_targetBefore);
    // No slot lock stays taken.
    const QString slotFolder = m_services.encoderSlotFolder;
    QVERIFY2(QDir(slotFolder).entryList(QDir::Files).isEmpty(), qPrintable(slotFolder));
}

void TestFaults::encoderFaults_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("errorBox");

    const QByteArray progress = "err Duration: 00:00:10.00, start\\n\n"
                                "err size=1kB time=00:00:01.00 bitrate=1\\r\n";
    QTest::newRow("crash mid-conversion") << progress + "write 1000\nsleep 200\nsignal 11\n"
                                          << int(Nothing) << true;
    QTest::newRow("killed by someone else")
        << progress + "pid " + QFile::encodeName(QDir::tempPath()) + "/unused\nwrite 1000\nhang\n"
        << int(KillEncoder) << true;
    QTest::newRow("hangs until the user stops it") << progress + "write 1000\nhang\n"
                                                   << int(UserStops) << false;
    QTest::newRow("50 MB of garbage, then failure")
        << QByteArray("err-repeat 500000 garbage without any stamp, ninety bytes of it each "
                      "time round the loop..\\n\nexit 1\n")
        << int(Nothing) << true;
    QTest::newRow("exit 0 without writing the target") << progress + "exit 0\n"
                                                       << int(Nothing) << true;
    QTest::newRow("target folder disappears") << progress + "sleep 400\nwrite 1000\nexit 0\n"
                                              << int(RemoveTargetFolder) << true;
    // The encoder reads the file the conversion holds open, whatever
    // happens to its name: the conversion goes through.
    QTest::newRow("source deleted after start") << progress + "sleep 400\ncopy-input\nexit 0\n"
                                                << int(RemoveSource) << false;
}

void TestFaults::encoderFaults()
{
    QFETCH(QByteArray, script);
    QFETCH(int, action);
    QFETCH(bool, errorBox);
    script.replace(QByteArray(QFile::encodeName(QDir::tempPath()) + "/unused"),
                   QByteArray(QFile::encodeName(m_encoderFolder) + "/pid"));
    QVERIFY(!fakeencoder::install(m_encoderFolder, script).isEmpty());

    QElapsedTimer clock;
    clock.start();
    QVERIFY2(runConversion(Action(action)), "the window did not end");
    QVERIFY2(clock.elapsed() < 60000, "the window took too long to end");
    QCOMPARE(m_answerer->count("Error"), errorBox ? 1 : 0);
    // Only a conversion that ran its course lets its posts hold the end.
    QCOMPARE(m_ends, QList<End>{action == UserStops ? End::Stopped
                                                               : End::Finished});
    if (action == RemoveSource) {
        // Converted from the file held open since the start.
        const QString target = m_targetFolder + "/song_1.mp3";
        QVERIFY(QFileInfo(target).size() > 0);
        QVERIFY(QFile::remove(target));
    }
    expectNothingLeftBehind();
}

bool TestFaults::mountSmallDisk(const QString &folder, const QByteArray &options)
{
    if (::mount("tonewright-test", QFile::encodeName(folder).constData(), "tmpfs", 0,
                options.constData()) != 0)
        return false;
    m_mounts << folder;
    return true;
}

void TestFaults::diskFull()
{
    // A target disk of 64 KiB that the encoder fills up.
    if (!mountSmallDisk(m_targetFolder, "size=64k"))
        QSKIP("mounting a small disk needs root");
    m_targetBefore = snapshot(m_targetFolder);
    QVERIFY(!fakeencoder::install(m_encoderFolder, "write 1048576\nexit 0\n").isEmpty());
    QVERIFY(runConversion(Nothing));
    QCOMPARE(m_answerer->count("Error"), 1);
    expectNothingLeftBehind();
}

void TestFaults::targetFolderTurnsReadOnly()
{
    if (!mountSmallDisk(m_targetFolder, "size=1m"))
        QSKIP("mounting a small disk needs root");
    m_targetBefore = snapshot(m_targetFolder);
    QVERIFY(!fakeencoder::install(m_encoderFolder, "sleep 400\nwrite 1000\nexit 0\n").isEmpty());
    const QByteArray folder = QFile::encodeName(m_targetFolder);
    int remount = 0;
    QTimer::singleShot(100, this, [folder, &remount] {
        remount = ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    });
    QVERIFY(runConversion(Nothing));
    // The reservation is held open for writing, which keeps its disk from
    // turning read-only under it: the conversion then simply completes.
    if (remount != 0) {
        QVERIFY(m_answerer->seen.isEmpty());
        QCOMPARE(QFileInfo(m_targetFolder + "/song.mp3").size(), 1000);
        return;
    }
    QCOMPARE(m_answerer->count("Error"), 1);
    // The small disk hides the user's files, so the target takes the first name.
    // A read-only folder keeps whatever was made in it before it turned
    // read-only (the empty reservation): nothing can remove it until it is
    // writable again. Everything else is as it was.
    QCOMPARE(snapshot(m_sourceFolder), m_sourceBefore);
    QMap<QString, QByteArray> after = snapshot(m_targetFolder);
    after.remove(m_targetFolder + "/song.mp3");
    QCOMPARE(after, m_targetBefore);
}

void TestFaults::terminationSignalTakesBackTheTarget_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestFaults::terminationSignalTakesBackTheTarget()
{
    // The real program, as the session's end finds it: converting, its
    // encoder writing the reserved target.
    QFETCH(int, signalNumber);
    const QString pidFile = m_encoderFolder + "/pid";
    QVERIFY(!fakeencoder::install(m_encoderFolder,
                                  "pid " + QFile::encodeName(pidFile) + "\nwrite 1000\nhang\n")
                 .isEmpty());
    const QString runtime = m_dir->filePath("runtime");
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", m_encoderFolder + ":" + env.value("PATH"));
    env.insert("XDG_RUNTIME_DIR", runtime);
    // The program reads the settings this suite wrote.
    env.insert("XDG_CONFIG_HOME",
               QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    program.setProcessEnvironment(env);
    program.start(TW_TEST_BINARY_DIR "/bin/tonewright", {"mp3", m_source});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(m_targetFolder + "/song_1.mp3").size() == 1000, 20000);
    QFile pid(pidFile);
    QVERIFY(pid.open(QIODevice::ReadOnly));
    const pid_t encoder = pid.readAll().trimmed().toInt();

    ::kill(pid_t(program.processId()), signalNumber);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 128 + signalNumber);
    // The encoder went with it, and the folders hold what they held before.
    QTRY_VERIFY(::kill(encoder, 0) != 0);
    QCOMPARE(snapshot(m_sourceFolder), m_sourceBefore);
    QCOMPARE(snapshot(m_targetFolder), m_targetBefore);
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
