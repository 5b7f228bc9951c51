#include "e2etools.h"

#include <QTemporaryDir>
#include <QTest>

// The real program without a display: it converts all the same, shows its
// progress on standard error and says with its status how it went.
class TestE2eTerminal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void converts_data();
    void converts();

private:
    QTemporaryDir m_config;
};

void TestE2eTerminal::initTestCase()
{
    if (!e2e::haveTools())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(QFileInfo(e2e::tonewright()).isExecutable());
}

void TestE2eTerminal::converts_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("each");
    QTest::addColumn<QString>("targetdir");
    QTest::addColumn<bool>("encoderFound");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // a line of standard error

    QTest::newRow("one file") << QStringList{"song.wav"} << false << "same" << true << 0
                              << "song.wav → song.mp3";
    QTest::newRow("three with --each") << QStringList{"a.wav", "b.wav", "c.wav"} << true
                                       << "same" << true << 0 << "c.wav → c.mp3";
    QTest::newRow("no encoder") << QStringList{"song.wav"} << false << "same" << false << 1
                                << "song.wav: Conversion core module not found! Please "
                                   "reinstall application.";
    QTest::newRow("folder to be asked")
        << QStringList{"a.wav", "b.wav"} << true << "ask" << true << 1
        << "b.wav: The target folder must be chosen, but no display is available; set "
           "targetdir.";
}

void TestE2eTerminal::converts()
{
    QFETCH(QStringList, files);
    QFETCH(bool, each);
    QFETCH(QString, targetdir);
    QFETCH(bool, encoderFound);
    QFETCH(int, status);
    QFETCH(QString, said);

    QTemporaryDir music;
    QStringList arguments;
    if (each)
        arguments << "--each";
    arguments << "mp3";
    for (const QString &name : files) {
        arguments << music.filePath(name);
        QVERIFY(e2e::makeTone(arguments.last(), 1));
    }
    QVERIFY(e2e::writeSettings(m_config.path(), "128", targetdir));

    QProcessEnvironment environment = e2e::terminalEnvironment(m_config.path());
    if (!encoderFound)
        environment.insert("PATH", music.path());
    const e2e::Ended ended = e2e::runProgram(arguments, environment);
    const QString &error = ended.error;
    QCOMPARE(ended.status, status);
    QVERIFY2(error.split('\n').contains(said), qPrintable(error));
    // Nobody reads a warning about the platform or the runtime folder.
    QVERIFY2(!error.contains("QStandardPaths") && !error.contains("qt.qpa"), qPrintable(error));
    for (const QString &name : files) {
        const QString target = music.filePath(QFileInfo(name).completeBaseName() + ".mp3");
        QCOMPARE(QFileInfo::exists(target), status == 0);
        if (status == 0)
            QVERIFY(e2e::probe(target).duration > 0.5);
    }
}

QTEST_GUILESS_MAIN(TestE2eTerminal)
#include "tst_e2e_terminal.moc"
