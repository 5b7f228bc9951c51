#include "conversionqueue.h"
#include "fakeshell.h"
#include "fakeencoderinstall.h"
#include "httpserver.h"
#include "modalanswerer.h"
#include "networkbackend.h"
#include "onlineservices.h"
#include "selectionwindow.h"
#include "settings.h"
#include "testservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A selection of files in one window: the queue that runs them, its
// questions asked once, its failures summed up once, Cancel and termination.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void failuresAreSummedUpOnce();
    void stoppingKeepsWhatIsConverted_data();
    void stoppingKeepsWhatIsConverted();
    void questionsAreAskedOnce_data();
    void questionsAreAskedOnce();
    void progressWeighsEachFilesLength();

private:
    // Files of these names in the source folder; their requests.
    QList<ConversionRequest> sources(const QStringList &names, const QString &format = "mp3");
    // Starts the window, with a taskbar button, on the requests and waits
    // for its end.
    void run(const QList<ConversionRequest> &requests, const std::function<void()> &whileRunning = {});
    QStringList files(const QString &folder) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_out;
    std::unique_ptr<QTemporaryDir> m_encoder;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<SelectionWindow> m_window;
    Services m_services;
    // The window's network thread; none unless a test makes one.
    std::shared_ptr<online::OnlineServices> m_online;
    DirectoryAnswers m_directories;
    enum class End { Finished, Stopped };
    QList<int> m_exits; // 0 when every file was converted, else 1
    QList<End> m_ends;
    taskbar::FakeShell *m_shell = nullptr;
};

void TestSelection::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestSelection::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_out = std::make_unique<QTemporaryDir>();
    m_encoder = std::make_unique<QTemporaryDir>();
    m_answerer = std::make_unique<ModalAnswerer>();
    m_exits.clear();
    m_ends.clear();
    m_services = testServices(m_encoder->path());
    m_directories = {};
    m_services.chooseDirectory = m_directories.chooser();
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, "same");
    writeSetting(settings::BitrateKey, "");
}

void TestSelection::cleanup()
{
    m_window.reset();
    m_online.reset();
    QCOMPARE(m_answerer->pending(), 0);
    m_answerer.reset();
}

QList<ConversionRequest> TestSelection::sources(const QStringList &names, const QString &format)
{
    QList<ConversionRequest> requests;
    for (const QString &name : names) {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("RIFF");
        requests << ConversionRequest{file.fileName(), format, {}};
    }
    return requests;
}

void TestSelection::run(const QList<ConversionRequest> &requests,
                        const std::function<void()> &whileRunning)
{
    m_window = std::make_unique<SelectionWindow>(m_services, m_online);
    connect(m_window.get(), &SelectionWindow::ended, this, [this] {
        const ConversionQueue &queue = *m_window->queue();
        m_exits << (queue.converted() == queue.total() ? 0 : 1);
        m_ends << (queue.wasStopped() ? End::Stopped : End::Finished);
    });
    const taskbar::FakeButton fake =
        taskbar::makeFakeButton(m_window.get(), taskbar::FakeShell::Readiness::WhenAttached);
    m_shell = fake.shell;
    m_window->setTaskbarButton(fake.button);
    m_window->startConversions(requests);
    if (whileRunning)
        whileRunning();
    QVERIFY(waitUntil([this] { return !m_exits.isEmpty(); }, 30000));
    QVERIFY(!m_window->isVisible());
}

QStringList TestSelection::files(const QString &folder) const
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void TestSelection::failuresAreSummedUpOnce()
{
    twtest::HttpServer server;
    QVERIFY(server.listen());
    m_online =
        std::make_shared<online::OnlineServices>(server.baseUrl(), online::createNetworkBackend);
    writeSetting(settings::SendStatKey, "true");
    QVERIFY(!fakeencoder::install(m_encoder->path(), "if-input bad\n"
                                                     "err Invalid data found\\n\n"
                                                     "exit 1\n"
                                                     "end-if\n"
                                                     "write-text data\n")
                 .isEmpty());
    // Failing in the encoder, gone before its turn, a target name too long.
    const QString tooLong = QString(251, 'a') + ".wav";
    const QList<ConversionRequest> requests =
        sources({"a1.wav", "bad2.wav", "a3.wav", "bad4.wav", "gone5.wav", tooLong}, "flac");
    QString details;
    m_answerer->enqueue([&details](QWidget *box) {
        details = static_cast<QMessageBox *>(box)->detailedText();
        ModalAnswerer::click("OK")(box);
    });
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Invalid data"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Invalid data"));
    run(requests, [&] { QFile::remove(requests[4].source); });

    QCOMPARE(m_exits, QList<int>{1});
    QCOMPARE(m_ends, QList<End>{End::Finished});
    QCOMPARE(m_answerer->seen.size(), 1);
    QCOMPARE(m_answerer->seen[0].title, "Error");
    QCOMPARE(m_answerer->seen[0].text, "4 of 6 files could not be converted.");
    // Each name stands isolated for bidirectional text, one per line.
    QStringList failed;
    QStringList lines = details.split('\n');
    // Their folder was an album: with tracks failed it keeps track values only.
    QCOMPARE(lines.takeLast().section(": ", 1), "no album values, as not every track was converted.");
    for (const QString &line : std::as_const(lines)) {
        const QString name = line.section(": ", 0, 0);
        QVERIFY(name.startsWith(QChar(0x2068)) && name.endsWith(QChar(0x2069)));
        failed << QFileInfo(name.mid(1).chopped(1)).fileName();
    }
    QCOMPARE(failed, QStringList({"bad2.wav", "bad4.wav", "gone5.wav", tooLong}));
    QVERIFY(details.contains(u"gone5.wav\u2069: The file no longer exists."));
    // The taskbar shows the whole selection, and its failure at the end.
    const QStringList calls = m_shell->calls();
    QCOMPARE(calls.first(), "state 1");
    QVERIFY(calls.contains("value 100/100"));
    QCOMPARE(calls.last(), "state 4");
    QStringList left{"a1.flac", "a1.wav", "a3.flac", "a3.wav", "bad2.wav", "bad4.wav", tooLong};
    left.sort();
    QCOMPARE(files(m_dir->path()), left);
    // A report for each file the encoder failed, a usage record for each it ran on.
    QVERIFY(waitUntil([&] { return server.requestsTo("/statistics/usage.php").size() == 4; }));
    QVERIFY(waitUntil([&] { return server.requestsTo("/statistics/bugreport.php").size() == 2; }));
}

void TestSelection::stoppingKeepsWhatIsConverted_data()
{
    QTest::addColumn<bool>("byTheUser");
    QTest::newRow("Cancel, Yes") << true;
    QTest::newRow("termination request") << false;
}

void TestSelection::stoppingKeepsWhatIsConverted()
{
    QFETCH(bool, byTheUser);
    // Two slots: the quick pair is converted, the slow pair hangs halfway,
    // the last pair waits its turn.
    QVERIFY(!fakeencoder::install(m_encoder->path(), "if-input slow\n"
                                                     "write-text part\n"
                                                     "hang\n"
                                                     "end-if\n"
                                                     "write-text data\n")
                 .isEmpty());
    const QList<ConversionRequest> requests =
        sources({"q1.wav", "q2.wav", "slow3.wav", "slow4.wav", "w5.wav", "w6.wav"});
    if (byTheUser)
        m_answerer->enqueue(ModalAnswerer::click("Yes"));
    run(requests, [&] {
        QVERIFY(waitUntil([this] {
            return QFileInfo(m_dir->filePath("slow3.mp3")).size() > 0 &&
                   QFileInfo(m_dir->filePath("slow4.mp3")).size() > 0;
        }));
        if (byTheUser)
            m_window->findChild<QAbstractButton *>("btn_Cancel")->click();
        else
            m_window->queue()->stop(); // as a termination request does
    });

    QCOMPARE(m_exits, QList<int>{1});
    QCOMPARE(m_ends, QList<End>{End::Stopped});
    if (byTheUser) {
        QCOMPARE(m_answerer->seen.size(), 1);
        QCOMPARE(m_answerer->seen[0].text,
                 "Stop converting? The 4 files not yet converted will be skipped.");
    }
    QCOMPARE(files(m_dir->path()), QStringList({"q1.mp3", "q1.wav", "q2.mp3", "q2.wav",
                                                "slow3.wav", "slow4.wav", "w5.wav", "w6.wav"}));
    QCOMPARE(QFileInfo(m_dir->filePath("q1.mp3")).size(), 4);
}

void TestSelection::questionsAreAskedOnce_data()
{
    QTest::addColumn<QString>("targetdir");
    QTest::addColumn<int>("boxes");
    QTest::newRow("ask") << "ask" << 0;
    // Even root cannot create files in /proc.
    QTest::newRow("a folder that takes no file") << "/proc" << 1;
}

void TestSelection::questionsAreAskedOnce()
{
    QFETCH(QString, targetdir);
    QFETCH(int, boxes);
    writeSetting(settings::TargetDirKey, targetdir);
    QVERIFY(!fakeencoder::install(m_encoder->path(), "sleep 50\nwrite-text data\n").isEmpty());
    m_directories.queue << m_out->path();
    for (int i = 0; i < boxes; ++i)
        m_answerer->enqueue(ModalAnswerer::click("OK"));
    run(sources({"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"}));
    QCOMPARE(m_exits, QList<int>{0});
    QCOMPARE(m_directories.askedOver.size(), 1);
    QCOMPARE(m_answerer->seen.size(), boxes);
    QCOMPARE(files(m_out->path()), QStringList({"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"}));
}

void TestSelection::progressWeighsEachFilesLength()
{
    // Two slots: a 30-second file halfway, a 10-second one at its end, and
    // a third waiting, which weighs as much as the mean of those known.
    QVERIFY(!fakeencoder::install(m_encoder->path(),
                                  "if-input long\n"
                                  "err Duration: 00:00:30.00, start\\n\n"
                                  "err size= time=00:00:15.00 bitrate\\r\n"
                                  "end-if\n"
                                  "if-input short\n"
                                  "err Duration: 00:00:10.00, start\\n\n"
                                  "err size= time=00:00:10.00 bitrate\\r\n"
                                  "end-if\n"
                                  "hang\n")
                 .isEmpty());
    ConversionQueue queue(sources({"long.wav", "short.wav", "third.wav"}), m_services, nullptr);
    queue.start();
    QVERIFY(waitUntil([&] { return qAbs(queue.progress() - 25.0 / 60.0) < 0.01; }));
    QCOMPARE(queue.running().size(), 2);
    queue.stop();
    QVERIFY(queue.isFinished());
    QCOMPARE(queue.skipped(), 3);
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
