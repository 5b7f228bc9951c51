#include "e2etools.h"
#include "fakeencoderinstall.h"
#include "testservices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

// A selection in the real program: three hundred files in one window on a
// real X server, and a termination request in the middle of a selection.
// The program's encoder slots in these tests, whatever the machine.
constexpr int SlotCount = 2;

class TestE2eSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void threeHundredFilesInOneWindow();
    void terminationKeepsWhatIsConverted();

private:
    // Sources of these names, and the program started on them with --each.
    QStringList sources(const QStringList &names);
    void start(const QStringList &files, bool onTheXServer);

    QProcess m_xserver;
    QString m_display;
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_music;
    std::unique_ptr<QTemporaryDir> m_out;
    std::unique_ptr<QTemporaryDir> m_encoder;
    std::unique_ptr<QProcess> m_program;
};

void TestE2eSelection::initTestCase()
{
    // A display of its own: Xvfb picks a free number and writes it to us.
    m_xserver.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    QVERIFY2(m_xserver.waitForStarted(10000), "Xvfb is needed");
    QVERIFY(m_xserver.canReadLine() || m_xserver.waitForReadyRead(10000));
    m_display = ":" + QString::fromLatin1(m_xserver.readLine()).trimmed();
    QVERIFY(QDir(m_home.path()).mkpath("config"));
    QVERIFY(QDir(m_home.path()).mkpath("runtime"));
    QVERIFY(QFile::setPermissions(m_home.filePath("runtime"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestE2eSelection::cleanupTestCase()
{
    m_xserver.terminate();
    m_xserver.waitForFinished(10000);
}

void TestE2eSelection::init()
{
    m_music = std::make_unique<QTemporaryDir>();
    m_out = std::make_unique<QTemporaryDir>();
    m_encoder = std::make_unique<QTemporaryDir>();
    QVERIFY(e2e::writeSettings(m_home.filePath("config"), "128", m_out->path()));
}

QStringList TestE2eSelection::sources(const QStringList &names)
{
    QStringList files;
    for (const QString &name : names) {
        QFile file(m_music->filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("RIFF");
        files << file.fileName();
    }
    return files;
}

void TestE2eSelection::start(const QStringList &files, bool onTheXServer)
{
    QProcessEnvironment environment = e2e::programEnvironment(m_home.filePath("config"));
    environment.insert("PATH", m_encoder->path() + ":" + environment.value("PATH"));
    environment.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
    environment.insert("TW_TEST_SLOTS", QString::number(SlotCount));
    if (onTheXServer) {
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", m_display);
    }
    m_program = std::make_unique<QProcess>();
    m_program->setProcessEnvironment(environment);
    m_program->setProcessChannelMode(QProcess::ForwardedChannels);
    m_program->start(TW_TEST_PROGRAM, QStringList{"--each", "mp3"} + files);
    QVERIFY(m_program->waitForStarted(10000));
}

void TestE2eSelection::threeHundredFilesInOneWindow()
{
    const QString counts = m_encoder->filePath("counts");
    QVERIFY(!fakeencoder::install(m_encoder->path(), "enter " + counts.toUtf8() + " " +
                                                         m_out->path().toUtf8() +
                                                         "\nsleep 20\nwrite-text data\nleave " +
                                                         counts.toUtf8() + "\n")
                 .isEmpty());
    QStringList names;
    for (int i = 1; i <= 300; ++i)
        names << QString("song %1.wav").arg(i, 3, 10, QChar('0'));
    const QStringList files = sources(names);
    start(files, true);

    // Watched as a person would see it: the program's windows on the screen.
    int mostWindows = 0;
    while (!m_program->waitForFinished(100)) {
        QProcess search;
        search.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        search.setEnvironment(QStringList{"DISPLAY=" + m_display});
        search.start("xdotool", {"search", "--all", "--onlyvisible", "--pid",
                                 QString::number(m_program->processId()), "--name", "."});
        search.waitForFinished(10000);
        mostWindows = qMax(mostWindows, int(search.readAllStandardOutput().count('\n')));
    }
    QCOMPARE(m_program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program->exitCode(), 0);
    QCOMPARE(mostWindows, 1);

    // Every file converted; as many encoders at once as there are slotCount, and
    // no target reserved for a file before the slot that starts it.
    QCOMPARE(QDir(m_out->path()).entryList({"*.mp3"}, QDir::Files).size(), 300);
    QFile log(counts + "/log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 300);
    const int slotCount = SlotCount;
    int mostRunning = 0;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> numbers = line.split(' ');
        const int running = numbers[0].toInt();
        const int started = numbers[1].toInt();
        const int targets = numbers[2].toInt();
        mostRunning = qMax(mostRunning, running);
        QVERIFY2(targets <= started + slotCount - 1, line.constData());
    }
    QCOMPARE(mostRunning, slotCount);
}

void TestE2eSelection::terminationKeepsWhatIsConverted()
{
    QVERIFY(!fakeencoder::install(m_encoder->path(), "if-input slow\n"
                                                     "write-text part\n"
                                                     "hang\n"
                                                     "end-if\n"
                                                     "write-text data\n")
                 .isEmpty());
    const QStringList files = sources({"a1.wav", "a2.wav", "slow3.wav", "slow4.wav",
                                       "slow5.wav", "slow6.wav", "slow7.wav", "slow8.wav"});
    start(files, false);
    // The quick pair is converted; then both slots hold a file that hangs.
    QVERIFY(waitUntil([&] {
        return QDir(m_out->path()).entryList({"slow*.mp3"}, QDir::Files).size() == SlotCount;
    }));
    ::kill(m_program->processId(), SIGTERM);
    QVERIFY(m_program->waitForFinished(30000));
    QCOMPARE(m_program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program->exitCode(), 128 + SIGTERM);
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files, QDir::Name), QStringList({"a1.mp3", "a2.mp3"}));
    QCOMPARE(QDir(m_music->path()).entryList(QDir::Files).size(), 8);
}

QTEST_GUILESS_MAIN(TestE2eSelection)
#include "tst_e2e_selection.moc"
