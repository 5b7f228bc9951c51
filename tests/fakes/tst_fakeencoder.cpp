#include "fakeencoderinstall.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The conversion suites trust the fake to do exactly what its script says;
// these cases hold it to that.
class TestFakeEncoder : public QObject
{
    Q_OBJECT

private slots:
    void recordsArgumentsAndWritesOutput();
    void chunksArriveSeparately();
    void endings_data();
    void endings();
    void foundOnPath();
};

void TestFakeEncoder::recordsArgumentsAndWritesOutput()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile input(dir.filePath("in.wav"));
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write(QByteArray("RIFF\0data", 9));
    input.close();

    const QString program = fakeencoder::install(dir.path(), "# copy and say so\n"
                                                             "copy-input\n"
                                                             "stdin\n");
    QVERIFY(!program.isEmpty());
    const QStringList args{"-i",  input.fileName(),       "-y", "-metadata", "title=two\nlines  ",
                           "-vn", dir.filePath("out.mp3")};
    QVERIFY(!fakeencoder::ran(dir.path()));
    QProcess process;
    process.start(program, args);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(fakeencoder::recordedInput(dir.path()), "eof");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(fakeencoder::recordedArguments(dir.path()), args);
    QFile output(dir.filePath("out.mp3"));
    QVERIFY(output.open(QIODevice::ReadOnly));
    QCOMPARE(output.readAll(), QByteArray("RIFF\0data", 9));

    // A script that writes a sized output, and one that writes none.
    QVERIFY(fakeencoder::setScript(dir.path(), "write 1000\n"));
    process.start(program, {"-i", input.fileName(), dir.filePath("sized.mp3")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(QFileInfo(dir.filePath("sized.mp3")).size(), 1000);
    QVERIFY(fakeencoder::setScript(dir.path(), "exit 1\n"));
    process.start(program, {"-i", input.fileName(), dir.filePath("none.mp3")});
    QVERIFY(process.waitForFinished(10000));
    QVERIFY(!QFile::exists(dir.filePath("none.mp3")));
}

void TestFakeEncoder::chunksArriveSeparately()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program =
        fakeencoder::install(dir.path(), "err   Duration: 00:03:20.00, bitrate\\n\n"
                                         "sleep 300\n"
                                         "err size= time=00:0\n"
                                         "sleep 300\n"
                                         "err 1:00.00 x\\r\\0after zero\\x41\n"
                                         "sleep 300\n");
    QVERIFY(!program.isEmpty());
    QProcess process;
    QByteArrayList chunks;
    connect(&process, &QProcess::readyReadStandardError, this,
            [&] { chunks << process.readAllStandardError(); });
    process.start(program, {"out.mp3"});
    QVERIFY(process.waitForStarted(10000));
    QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 10000);
    QCOMPARE(chunks, (QByteArrayList{"  Duration: 00:03:20.00, bitrate\n", "size= time=00:0",
                                     QByteArray("1:00.00 x\r\0after zeroA", 22)}));
}

void TestFakeEncoder::endings_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("kill");
    QTest::addColumn<QProcess::ExitStatus>("status");
    QTest::addColumn<int>("code");

    QTest::newRow("end of script") << QByteArray("err x\n") << false << QProcess::NormalExit << 0;
    QTest::newRow("exit code") << QByteArray("exit 3\nerr never\n") << false << QProcess::NormalExit
                               << 3;
    QTest::newRow("segmentation fault")
        << QByteArray("signal 11\n") << false << QProcess::CrashExit << 0;
    QTest::newRow("killed by itself")
        << QByteArray("signal 9\n") << false << QProcess::CrashExit << 0;
    QTest::newRow("hangs until killed")
        << QByteArray("err started\nhang\n") << true << QProcess::CrashExit << 0;
    QTest::newRow("unknown command")
        << QByteArray("explode\n") << false << QProcess::NormalExit << 120;
    // Without any script the fake says so instead of pretending to succeed.
    QTest::newRow("no script") << QByteArray() << false << QProcess::NormalExit << 120;
}

void TestFakeEncoder::endings()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, kill);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = fakeencoder::install(dir.path(), script);
    if (script.isEmpty())
        QVERIFY(QFile::remove(dir.filePath("fakeencoder.script")));
    QProcess process;
    process.start(program, {"out.mp3"});
    QVERIFY(process.waitForStarted(10000));
    if (kill) {
        QVERIFY(!process.waitForFinished(500));
        process.kill();
    }
    QVERIFY(process.waitForFinished(10000));
    QTEST(process.exitStatus(), "status");
    if (process.exitStatus() == QProcess::NormalExit)
        QTEST(process.exitCode(), "code");
}

void TestFakeEncoder::foundOnPath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!fakeencoder::install(dir.path(), "exit 7\n").isEmpty());
    // A program started by bare name is looked up on this process's PATH.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    QProcess process;
    process.setWorkingDirectory(QDir::tempPath());
    process.start(fakeencoder::programName(), {"-i", "x", "y"});
    qputenv("PATH", path);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 7);
    QCOMPARE(fakeencoder::recordedArguments(dir.path()), (QStringList{"-i", "x", "y"}));
}

QTEST_GUILESS_MAIN(TestFakeEncoder)
#include "tst_fakeencoder.moc"
