#include "desktopsteps.h"
#include "dialogtesting.h"
#include "fakeencoderinstall.h"
#include "httpserver.h"
#include "mirrordatabase.h"
#include "modalanswerer.h"
#include "networkbackend.h"
#include "onlineservices.h"
#include "settings.h"
#include "testservices.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

// Start-up with the real file selection and options dialogs, answered as a
// person would; only the conversion itself is recorded instead of run.
namespace {

class RecordingDesktop final : public DesktopSteps
{
public:
    explicit RecordingDesktop(const Services &services = testServices(),
                              online::OnlineBackendFactory onlineBackend = {})
        : DesktopSteps(services, true, std::move(onlineBackend))
    {
    }

    QList<ConversionRequest> conversions;
    QList<int> exits;
    std::function<void()> atExit;
    int convert(const ConversionRequest &request) override
    {
        conversions << request;
        return 0;
    }
    void endProcess(int status) override
    {
        exits << status;
        if (atExit)
            atExit();
    }
};

// Converts for real; only the end of the process is recorded.
struct ConvertingDesktop final : DesktopSteps
{
    using DesktopSteps::DesktopSteps;
    QList<int> exits;
    void endProcess(int status) override { exits << status; }
};

using dialogtesting::child;

ModalAnswerer::Answer chooseFile(const QString &path)
{
    return [path](QWidget *dialog) {
        child<QLineEdit>(*dialog, "txt_FileName")->setText(path);
        child<QPushButton>(*dialog, "btn_Convert")->click();
    };
}

ModalAnswerer::Answer chooseFormat(const QString &format)
{
    return [format](QWidget *dialog) {
        child<QComboBox>(*dialog, "cb_Format")->setCurrentText(format);
        child<QPushButton>(*dialog, "btn_Convert")->click();
    };
}

ModalAnswerer::Answer cancel()
{
    return [](QWidget *dialog) { child<QPushButton>(*dialog, "btn_Cancel")->click(); };
}

} // namespace

class TestStartupDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void paths_data();
    void paths();
    void settingsUsageArrivesBeforeTheEnd();
    void terminationWhilePostsSettleKeepsTheStatus();
    void terminationDuringTheSummaryEndsOnce();
    void firstStepBeforeTheWindow_data();
    void firstStepBeforeTheWindow();
    void mirrorRunReadsItsSettingsOnce();

private:
    QTemporaryDir m_dir;
};

void TestStartupDialogs::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
}

void TestStartupDialogs::init()
{
    QFile song(m_dir.filePath("song.wav"));
    QVERIFY(song.open(QIODevice::WriteOnly));
    song.write("RIFF");
}

void TestStartupDialogs::paths_data()
{
    QTest::addColumn<QStringList>("arguments"); // "SONG" stands for an existing file
    QTest::addColumn<QStringList>("answers");   // one per dialog, in order
    QTest::addColumn<QString>("format");        // converted to; empty: nothing converted
    QTest::addColumn<QList<int>>("exits");
    // Which steps come in which order is tst_startup's; here, the real
    // dialogs' answers reach them.

    QTest::newRow("no file: file, options, conversion")
        << QStringList{} << QStringList{"file", "OGG"} << "ogg" << QList<int>{};
    QTest::newRow("file dialog cancelled")
        << QStringList{} << QStringList{"cancel"} << "" << QList<int>{0};
    QTest::newRow("options left by Escape")
        << QStringList{"ppp", "SONG"} << QStringList{"escape"} << "" << QList<int>{0};
}

void TestStartupDialogs::paths()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, answers);
    QFETCH(QString, format);
    QFETCH(QList<int>, exits);

    const QString song = m_dir.filePath("song.wav");
    arguments.replaceInStrings("SONG", song);
    ModalAnswerer answerer;
    for (const QString &answer : std::as_const(answers)) {
        if (answer == "file")
            answerer.enqueue(chooseFile(song));
        else if (answer == "cancel")
            answerer.enqueue(cancel());
        else if (answer == "escape")
            answerer.enqueue(ModalAnswerer::pressEscape());
        else
            answerer.enqueue(chooseFormat(answer));
    }

    RecordingDesktop steps;
    runStartup(QStringList{"/opt/tw/tonewright"} + arguments, "/opt/tw/tonewright", steps);

    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen.size(), answers.size());
    QCOMPARE(steps.exits, exits);
    if (format.isEmpty()) {
        QVERIFY(steps.conversions.isEmpty());
        return;
    }
    QCOMPARE(steps.conversions.size(), 1);
    QCOMPARE(steps.conversions[0].source, song);
    QCOMPARE(steps.conversions[0].format, format);
}

void TestStartupDialogs::settingsUsageArrivesBeforeTheEnd()
{
    twtest::HttpServer server;
    QVERIFY(server.listen());
    RecordingDesktop steps(testServices(server.baseUrl()), online::createNetworkBackend);
    int postsAtExit = -1;
    steps.atExit = [&] { postsAtExit = int(server.requests().size()); };

    ModalAnswerer answerer;
    answerer.enqueue([](QWidget *dialog) { child<QPushButton>(*dialog, "pushButton_5")->click(); });
    runStartup({"/opt/tw/tonewright", "config"}, "/opt/tw/tonewright", steps);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(steps.exits, QList<int>{0});
    QCOMPARE(postsAtExit, 1);
    QCOMPARE(server.requests().at(0).body, QByteArray("appid=tonewright&partid=gui"));
}

void TestStartupDialogs::terminationWhilePostsSettleKeepsTheStatus()
{
    // The conversion has ended well and the process waits for its usage
    // post, which a stalled server never answers, when a termination request
    // comes: the wait is cut short, and the conversion's status stands.
    twtest::HttpServer server;
    QVERIFY(server.listen());
    server.route("/statistics/usage.php", twtest::HttpResponse::stalled());
    QTemporaryDir encoder;
    QVERIFY(!fakeencoder::install(encoder.path(), "write-text mp3\nexit 0\n").isEmpty());
    Services services = testServices(encoder.path(), server.baseUrl());
    services.readSetting = [](const QString &) { return QString(); };

    ConvertingDesktop steps(services, true, online::createNetworkBackend);
    // The window hides as the wait for the posts begins.
    QTimer poll;
    bool seen = false;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (QByteArray(widget->metaObject()->className()) != "Soundmill")
                continue;
            if (widget->isVisible())
                seen = true;
            else if (seen && !server.requestsTo("/statistics/usage.php").isEmpty())
                std::raise(SIGTERM), poll.stop();
        }
    });
    poll.start(5);
    steps.convert({m_dir.filePath("song.wav"), "mp3", {}});
    QVERIFY(!steps.exits.isEmpty());
    QCOMPARE(steps.exits.first(), 0);
    QVERIFY(QFileInfo(m_dir.filePath("song.mp3")).size() > 0);
}

void TestStartupDialogs::terminationDuringTheSummaryEndsOnce()
{
    // Every file has ended and the summary box is open when a termination
    // request comes: the run ends there, once, with the selection's status.
    QTemporaryDir encoder;
    QVERIFY(!fakeencoder::install(encoder.path(), "if-input bad\nexit 1\nend-if\nwrite-text mp3\n")
                 .isEmpty());
    Services services = testServices(encoder.path());
    services.readSetting = [](const QString &key) {
        return key == settings::SendStatKey ? QString("false") : QString();
    };
    ConvertingDesktop steps(services);
    QFile bad(m_dir.filePath("bad.wav"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF");
    bad.close();
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (box && box->isVisible() && box->windowTitle() == "Error") {
            poll.stop();
            std::raise(SIGTERM);
        }
    });
    poll.start(5);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    steps.convertEach({{m_dir.filePath("song.wav"), "mp3", {}}, {bad.fileName(), "mp3", {}}},
                      false);
    QTest::qWait(200);
    QCOMPARE(steps.exits, QList<int>{1});
    QVERIFY(QFileInfo(m_dir.filePath("song.mp3")).size() > 0);
}

void TestStartupDialogs::firstStepBeforeTheWindow_data()
{
    QTest::addColumn<QString>("targetDir");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("converted");
    QTest::newRow("asks for the folder") << "ask"
                                         << "song.wav" << true;
    QTest::newRow("ends at once") << "same"
                                  << "missing.wav" << false;
}

void TestStartupDialogs::firstStepBeforeTheWindow()
{
    // The file takes its first step before its window is made: a question it
    // asked then is asked over the window, and an end it came to then ends
    // the run, once.
    QFETCH(QString, targetDir);
    QFETCH(QString, source);
    QFETCH(bool, converted);
    QTemporaryDir encoder;
    QVERIFY(!fakeencoder::install(encoder.path(), "write-text mp3\nexit 0\n").isEmpty());
    QTemporaryDir chosen;
    Services services = testServices(encoder.path());
    services.readSetting = [targetDir](const QString &key) {
        return key == settings::TargetDirKey  ? targetDir
               : key == settings::SendStatKey ? QString("false")
                                              : QString();
    };
    QStringList askedOver; // the windows' classes
    services.chooseDirectory = [&](QWidget *parent, const Services::DirectoryAnswer &answer) {
        askedOver << (parent ? parent->metaObject()->className() : "nothing");
        answer(chosen.path());
    };
    ConvertingDesktop steps(services);
    ModalAnswerer boxes;
    boxes.enqueue(ModalAnswerer::click("OK"));
    steps.convert({m_dir.filePath(source), "mp3", {}});
    QTest::qWait(50);
    QCOMPARE(steps.exits, QList<int>{0});
    QCOMPARE(QFileInfo(chosen.filePath("song.mp3")).size() > 0, converted);
    QCOMPARE(askedOver, converted ? QStringList{"Soundmill"} : QStringList());
}

void TestStartupDialogs::mirrorRunReadsItsSettingsOnce()
{
    // The bitrate is changed while the run walks the folder: the recipe
    // recorded and the encoder's bitrate are the same setting, read once.
    QTemporaryDir encoder;
    QVERIFY(!fakeencoder::install(encoder.path(), "write-text mp3\nexit 0\n").isEmpty());
    Services services = testServices(encoder.path());
    int bitrateReads = 0;
    services.readSetting = [&](const QString &key) {
        if (key == settings::BitrateKey)
            return QString(bitrateReads++ == 0 ? "128" : "192");
        return key == settings::SendStatKey ? QString("false") : QString();
    };
    ConvertingDesktop steps(services, false);
    QTemporaryDir top;
    const QString music = top.filePath("Music");
    QVERIFY(QDir().mkpath(music));
    QVERIFY(QFile::copy(m_dir.filePath("song.wav"), music + "/song.wav"));
    FolderRun run;
    run.folders << music;
    run.format = "mp3";
    QCOMPARE(steps.convertFolders(run), 0);
    QCOMPARE(steps.exits, QList<int>{0});
    MirrorDatabase database(top.filePath("Music (MP3)"));
    QString error;
    QVERIFY(database.load(&error));
    QVERIFY(database.records().value("song.wav").recipe.startsWith("mp3 128"));
    QVERIFY(fakeencoder::recordedArguments(encoder.path()).contains("128k"));
}

QTEST_MAIN(TestStartupDialogs)
#include "tst_startupdialogs.moc"
