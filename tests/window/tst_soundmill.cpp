#include "fakeencoderinstall.h"
#include "fakeshell.h"
#include "httpserver.h"
#include "modalanswerer.h"
#include "networkbackend.h"
#include "onlineservices.h"
#include "settings.h"
#include "soundmill.h"
#include "taskbarbutton.h"
#include "testservices.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The conversion window: its form, its close handling, the encoder's end,
// the links, the labels' mouse rules, the taskbar calls and the online
// requests (against a loopback server at the address this test build of the
// product points to).
namespace {

// A window's network thread, for the servers of services.
std::shared_ptr<online::OnlineServices> networkFor(const Services &services)
{
    return std::make_shared<online::OnlineServices>(services.addresses.statsServer,
                                                    online::createNetworkBackend);
}

// Exposes the native-event hook for the forwarding test.
class ExposedSoundmill : public Soundmill
{
public:
    using Soundmill::nativeEvent;
    using Soundmill::Soundmill;
};

template<typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

QByteArray pngBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const QString ConversionErrorText = "Conversion error!\nMake sure that the file you are trying "
                                    "to convert is a valid video or audio file.\n";
const QString MissingEncoderText = "Conversion core module not found!\nPlease reinstall "
                                   "application.";

} // namespace

class TestSoundmill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void labels_data();
    void labels();
    void closeQuestion_data();
    void closeQuestion();
    void closeAfterEndAsksNothing();
    void encoderEnd_data();
    void encoderEnd();
    void encoderCannotStart_data();
    void encoderCannotStart();
    void reports_data();
    void reports();
    void links();
    void logoOpensWebsite();
    void advertisement_data();
    void advertisement();
    void nativeEventsGoToTheButton();

private:
    // Starts a conversion of a dummy source with the fake encoder running
    // this script; with none, the encoder folder is left as it is.
    Soundmill *start(const QByteArray &encoderScript);
    bool waitForEnd(int timeoutMs = 10000);

    QTemporaryDir *m_dir = nullptr;
    QTemporaryDir *m_encoder = nullptr;
    ModalAnswerer *m_answerer = nullptr;
    Soundmill *m_window = nullptr;
    taskbar::FakeShell *m_shell = nullptr;
    // How the window's run ended: the conversion ran its course, or it was stopped.
    enum class End { Finished, Stopped };
    QList<int> m_exits; // 0 for each end the window reported
    std::function<void(End)> m_atExit; // when the window reports its end
    QList<QUrl> m_opened;
    Services m_services;
    // The network thread of the window start() made, for its servers.
    std::shared_ptr<online::OnlineServices> m_online;
    QString m_source;
    QString m_target;
};

void TestSoundmill::initTestCase()
{
    // Run by hand, the suite must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
}

void TestSoundmill::init()
{
    m_dir = new QTemporaryDir;
    m_encoder = new QTemporaryDir;
    m_answerer = new ModalAnswerer;
    m_exits.clear();
    m_atExit = nullptr;
    m_opened.clear();
    m_services = testServices(m_encoder->path());
    m_services.browse = [this](const QUrl &url) { m_opened << url; };
    writeSetting(settings::SendStatKey, "false");
    writeSetting(settings::TargetDirKey, "same");
    writeSetting(settings::BitrateKey, "192");
    m_source = m_dir->filePath("song.wav");
    m_target = m_dir->filePath("song.mp3");
    QFile source(m_source);
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write("RIFF");
}

void TestSoundmill::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_online.reset();
    m_shell = nullptr;
    QCOMPARE(m_answerer->pending(), 0);
    delete m_answerer;
    delete m_encoder;
    delete m_dir;
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

Soundmill *TestSoundmill::start(const QByteArray &encoderScript)
{
    if (!encoderScript.isNull() && fakeencoder::install(m_encoder->path(), encoderScript).isEmpty())
        return nullptr;
    m_online = networkFor(m_services);
    m_window = new Soundmill(m_services, m_online);
    connect(m_window, &Soundmill::ended, this, [this] {
        if (m_atExit)
            m_atExit(m_window->queue()->wasStopped() ? End::Stopped : End::Finished);
        m_exits << 0;
    });
    const taskbar::FakeButton fake =
        taskbar::makeFakeButton(m_window, taskbar::FakeShell::Readiness::WhenAttached);
    m_shell = fake.shell;
    m_window->setTaskbarButton(fake.button);
    m_window->startConversion(m_source, "mp3", {});
    return m_window;
}

bool TestSoundmill::waitForEnd(int timeoutMs)
{
    return waitUntil([this] { return !m_exits.isEmpty(); }, timeoutMs);
}

void TestSoundmill::labels_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("target");
    QTest::newRow("avi to mp3") << "clip.avi"
                                << "mp3"
                                << "Converting AVI to MP3"
                                << "clip.mp3";
    QTest::newRow("flac to opus") << "clip.flac"
                                  << "opus"
                                  << "Converting FLAC to OPUS"
                                  << "clip.opus";
    // Names are shown as they are, never read as markup.
    QTest::newRow("markup in the name") << "a.<img src=\"x.png\">"
                                        << "mp3"
                                        << "Converting PNG\"> to MP3"
                                        << "a.<img src=\"x.mp3";
    // A right-to-left override shows as what it is, and reverses nothing.
    QTest::newRow("bidi override") << QString("0track\u202Evaw.exe") << "mp3"
                                   << "Converting EXE to MP3" << "0track\\u202evaw.mp3";
}

namespace {
QString isolated(const QString &name)
{
    return QChar(0x2068) + name + QChar(0x2069);
}
} // namespace

void TestSoundmill::labels()
{
    QFETCH(QString, source);
    QFETCH(QString, format);
    QFETCH(QString, title);
    QFETCH(QString, target);
    QVERIFY(fakeencoder::install(m_encoder->path(), "sleep 200\nwrite-text data\n").size());
    m_source = m_dir->filePath(source);
    QVERIFY(QFile::copy(m_dir->filePath("song.wav"), m_source));
    Soundmill window(m_services);
    connect(&window, &Soundmill::ended, this, [this] { m_exits << 0; });
    window.startConversion(m_source, format, {});
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(child<QLabel>(&window, "lbl_Title")->text(), title);
    // Each name stands isolated, so that it cannot reorder the text around it.
    QCOMPARE(child<QLabel>(&window, "lbl_Source")->text(),
             isolated(QString(source).replace(QChar(0x202E), "\\u202e")));
    QCOMPARE(child<QLabel>(&window, "lbl_TimeRemaining")->text(), "Calculating...");
    QVERIFY(window.isVisible());
    // The target's name once it is reserved, a determinate bar once the encoder runs.
    QTRY_COMPARE(child<QLabel>(&window, "lbl_Target")->text(), isolated(target));
    QTRY_COMPARE(child<QProgressBar>(&window, "prb_Progress")->maximum(), 100);
    QVERIFY(waitForEnd());
}

void TestSoundmill::closeQuestion_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes stops and removes the partial target") << "Yes";
    QTest::newRow("no goes on") << "No";
}

void TestSoundmill::closeQuestion()
{
    QFETCH(QString, answer);
    QVERIFY(start("write-text partial\nhang\n"));
    QTRY_VERIFY(QFileInfo(m_target).size() > 0);
    // A stopped encoder's object goes once its process has ended.
    QPointer<QProcess> encoder = m_window->findChild<QProcess *>();
    QVERIFY(encoder);
    QTRY_COMPARE(encoder->state(), QProcess::Running);

    m_answerer->enqueue(ModalAnswerer::click(answer));
    child<QPushButton>(m_window, "btn_Cancel")->click();
    QTRY_COMPARE(m_answerer->seen.size(), 1);
    QTRY_COMPARE(m_answerer->pending(), 0);
    QCOMPARE(m_answerer->seen[0].title, "Question");
    QCOMPARE(m_answerer->seen[0].text, "Are your sure want to stop conversion and exit");
    QCOMPARE(m_answerer->seen[0].buttons, QStringList({"Yes", "No"}));

    if (answer == "Yes") {
        QTRY_COMPARE(m_exits, QList<int>{0});
        QTRY_VERIFY(!encoder || encoder->state() == QProcess::NotRunning);
        QVERIFY(!QFileInfo::exists(m_target));
        QVERIFY(!m_window->isVisible());
        // The stopped encoder's end is no failure: no box follows.
        QTest::qWait(100);
        QCOMPARE(m_answerer->seen.size(), 1);
    } else {
        QTest::qWait(100);
        QVERIFY(m_exits.isEmpty());
        QVERIFY(m_window->isVisible());
        QCOMPARE(encoder->state(), QProcess::Running);
        QCOMPARE(QFileInfo(m_target).size(), 7);
    }
    QVERIFY(QFileInfo::exists(m_source));
}

void TestSoundmill::closeAfterEndAsksNothing()
{
    // The encoder fails while the stop question is open: the question goes
    // (there is nothing left to stop), the error box comes, and its OK ends
    // the window, which the question's own answer could never have done.
    QVERIFY(start("sleep 300\nerr broken\\n\nexit 1\n"));
    m_answerer->enqueue([](QWidget *) {}); // the question stays unanswered
    m_answerer->enqueue(ModalAnswerer::click("OK"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("broken"));
    m_window->close();
    QTRY_COMPARE(m_answerer->count("Question"), 1);
    QTRY_COMPARE(m_exits, QList<int>{0});
    QCOMPARE(m_answerer->count("Error"), 1);
    QVERIFY(!m_window->isVisible());
    // A close now asks nothing.
    m_window->close();
    QCOMPARE(m_answerer->seen.size(), 2);
    QCOMPARE(m_exits, QList<int>{0});
}

void TestSoundmill::encoderEnd_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QStringList>("taskbarCalls");
    // The debug text of a failure: the encoder's text since its last stamp,
    // as written, in quotes and followed by one space.
    QTest::addColumn<QString>("debugText");

    const QByteArray stamps = "err Duration: 00:00:10.00, start\\n\n"
                              "sleep 200\nerr size= 1kB time=00:00:05.00 speed\\n\n"
                              "sleep 200\n";
    QTest::newRow("exit 0") << stamps + "write-text mp3\nexit 0\n"
                            << true << QStringList{"state 1", "value 50/100", "state 2"}
                            << QString();
    // A refusal may be the cover's: the encoder runs once more without it.
    QTest::newRow("exit 1") << stamps + "write-text part\nerr Invalid data\\n\nexit 1\n"
                            << false
                            << QStringList{"state 1", "value 50/100", "state 2", "value 100/100",
                                           "state 4"}
                            << "\"Invalid data\n\" ";
    QTest::newRow("crash") << QByteArray("write-text part\nerr Invalid data\\n\nsignal 11\n")
                           << false << QStringList{"state 1", "value 100/100", "state 4"}
                           << "\"Invalid data\n\" ";
    QTest::newRow("exit 0 without output")
        << QByteArray("err a \"b\"\\tc\\n\nerr Invalid data\\n\nexit 0\n") << false
        << QStringList{"state 1", "value 100/100", "state 4"} << "\"a \"b\"\tc\nInvalid data\n\" ";
}

void TestSoundmill::encoderEnd()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, success);
    QFETCH(QStringList, taskbarCalls);
    QFETCH(QString, debugText);

    if (!success) {
        m_answerer->enqueue(ModalAnswerer::click("OK"));
        QTest::ignoreMessage(QtDebugMsg, debugText.toUtf8().constData());
    }
    QVERIFY(start(body));
    QProgressBar *bar = child<QProgressBar>(m_window, "prb_Progress");
    QCOMPARE(child<QLabel>(m_window, "lbl_TimeRemaining")->text(), "Calculating...");
    QTRY_COMPARE(bar->maximum(), 100);
    QVERIFY(waitForEnd());
    QCOMPARE(m_exits, QList<int>{0});
    QCOMPARE(m_shell->calls(), taskbarCalls);
    // A progress stamp reaches the labels as their texts; the figures follow the clock.
    const bool stamped = taskbarCalls.contains("value 50/100");
    static const QRegularExpression speedText("^<b>\\d+</b> s/s$");
    static const QRegularExpression remainingText(
        "^(Less than|About) <b>\\d+</b> (seconds|minutes?)$");
    QCOMPARE(speedText.match(child<QLabel>(m_window, "lbl_Speed")->text()).hasMatch(), stamped);
    QCOMPARE(remainingText.match(child<QLabel>(m_window, "lbl_TimeRemaining")->text()).hasMatch(),
             stamped);

    if (success) {
        QCOMPARE(bar->value(), 100);
        QVERIFY(m_answerer->seen.isEmpty());
        QCOMPARE(QFileInfo(m_target).size(), 3);
    } else {
        QCOMPARE(m_answerer->seen.size(), 1);
        QCOMPARE(m_answerer->seen[0].title, "Error");
        QCOMPARE(m_answerer->seen[0].text, ConversionErrorText);
        QCOMPARE(m_answerer->seen[0].buttons, QStringList{"OK"});
        QVERIFY(!QFileInfo::exists(m_target));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             success ? QStringList({"song.mp3", "song.wav"}) : QStringList({"song.wav"}));
}

void TestSoundmill::encoderCannotStart_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << false;
    QTest::newRow("not executable") << true;
}

void TestSoundmill::encoderCannotStart()
{
    QFETCH(bool, present);
    m_answerer->enqueue(ModalAnswerer::click("OK"));
    if (present) {
        QFile encoder(m_encoder->filePath(fakeencoder::programName()));
        QVERIFY(encoder.open(QIODevice::WriteOnly));
        encoder.write("#!/bin/sh\n");
    }
    QVERIFY(start(QByteArray()));
    QVERIFY(waitForEnd());
    QCOMPARE(m_exits, QList<int>{0});
    QCOMPARE(m_answerer->seen.size(), 1);
    QCOMPARE(m_answerer->seen[0].title, "Error");
    QCOMPARE(m_answerer->seen[0].text, MissingEncoderText);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"song.wav"});
}

void TestSoundmill::reports_data()
{
    QTest::addColumn<QString>("sendstat");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("bugReport");
    QTest::addColumn<bool>("stalled");

    QTest::newRow("consent, failure") << "true" << 1 << true << false;
    QTest::newRow("no consent, failure") << "false" << 1 << false << false;
    QTest::newRow("consent, success") << "" << 0 << false << false;
    // A server that never answers holds the end for a bounded moment only.
    QTest::newRow("stalled server, failure") << "true" << 1 << true << true;
}

void TestSoundmill::reports()
{
    QFETCH(QString, sendstat);
    QFETCH(int, exitCode);
    QFETCH(bool, bugReport);
    QFETCH(bool, stalled);

    twtest::HttpServer server;
    QVERIFY(server.listen());
    m_services.addresses.adServer = server.baseUrl();
    m_services.addresses.statsServer = server.baseUrl();
    if (stalled)
        server.setFallback(twtest::HttpResponse::stalled());
    writeSetting(settings::SendStatKey, sendstat);
    if (exitCode != 0) {
        m_answerer->enqueue(ModalAnswerer::click("OK"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^\"Tag "));
    }
    // The window is gone when it reports its end; the program then lets the
    // posts arrive, within their bound, and ends: what has arrived by then.
    QList<twtest::HttpRequest> usage;
    QList<twtest::HttpRequest> reports;
    bool visibleAtEnd = true;
    End end = End::Stopped;
    m_atExit = [&](End how) {
        end = how;
        visibleAtEnd = m_window->isVisible();
        m_online->settlePosts(QDeadlineTimer(online::PostsGraceMs));
        usage = server.requestsTo("/statistics/usage.php");
        reports = server.requestsTo("/statistics/bugreport.php");
    };
    // The source and target lie in the home folder, which the report hides.
    m_services.homeFolder = m_dir->path();
    const bool started =
        start("write-text x\nerr Tag \\xc3\\xa9\\nError " + QFile::encodeName(m_target) +
              "\nexit " + QByteArray::number(exitCode) + "\n");
    QVERIFY(started && waitForEnd());
    QCOMPARE(end, End::Finished);
    QVERIFY(!visibleAtEnd);
    QCOMPARE(usage.size(), 1);
    QCOMPARE(usage[0].body, "appid=tonewright&partid=main");

    if (bugReport) {
        QCOMPARE(reports.size(), 1);
        const QStringList arguments = fakeencoder::recordedArguments(m_encoder->path());
        // Paths show as placeholders that keep only the extension; a line
        // that may quote a tag is left out.
        const QString report = arguments.join("&&")
                                   .replace(arguments[arguments.indexOf("-i") + 1], "<source>.wav")
                                   .replace(arguments.last(), "<target>.mp3") +
                               "##Error <target>.mp3";
        QCOMPARE(reports[0].body,
                 "appid=tonewright&reportstring=" + QUrl::toPercentEncoding(report));
    } else {
        QTest::qWait(200);
        QCOMPARE(server.requestsTo("/statistics/bugreport.php").size(), 0);
    }
}

void TestSoundmill::links()
{
    Soundmill window(m_services);
    QObject::connect(&window, &Soundmill::ended, this, [this] { m_exits << 0; });
    m_answerer->enqueue(ModalAnswerer::click("OK"));
    emit child<QLabel>(&window, "link_Settings")->linkActivated("chrome://settings");
    QTRY_COMPARE(m_answerer->seen.size(), 1);
    QCOMPARE(m_answerer->seen[0].title, "Information");
    QCOMPARE(m_answerer->seen[0].text,
             "To set common settings open Tonewright in the start menu.\nTo change the volume of "
             "the file or add metadata select advanced conversion from Explorer.");

    m_answerer->enqueue(ModalAnswerer::closeIt());
    emit child<QLabel>(&window, "link_About")->linkActivated("chrome://about");
    QTRY_COMPARE(m_answerer->seen.size(), 2);
    QCOMPARE(m_answerer->seen[1].className, "AboutDialog");
    QVERIFY(m_opened.isEmpty());
}

void TestSoundmill::logoOpensWebsite()
{
    Soundmill window(m_services);
    QObject::connect(&window, &Soundmill::ended, this, [this] { m_exits << 0; });
    window.show();
    QLabel *logo = child<QLabel>(&window, "lbl_Logo");
    QTest::mouseMove(logo);
    QVERIFY(m_opened.isEmpty());
    QTest::mousePress(logo, Qt::RightButton);
    QCOMPARE(m_opened, QList<QUrl>{m_services.addresses.website});
}

void TestSoundmill::advertisement_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("updateQuestion");
    QTest::addColumn<bool>("autoOpen");

    const QByteArray newer = R"({"currentversion": 1.1, "freshurl": "https://fresh.test/get",
        "imgurl": "IMG", "autoopen": false, "targeturl": "https://target.test/ad"})";
    QTest::newRow("newer, no autoopen") << newer << true << true << false;
    QTest::newRow("same version, autoopen")
        << QByteArray(R"({"currentversion": "1.0", "freshurl": "https://fresh.test/get",
        "imgurl": "IMG", "autoopen": true, "targeturl": "https://target.test/ad"})")
        << true << false << true;
    QTest::newRow("autoopen missing")
        << QByteArray(R"({"currentversion": 2, "freshurl": "https://fresh.test/get",
        "imgurl": "IMG", "targeturl": "https://target.test/ad"})")
        << false << false << false;
    QTest::newRow("not json") << QByteArray("<html>") << false << false << false;
    // Until a document arrives a click opens the social-network page.
    QTest::newRow("no server") << QByteArray() << false << false << false;
}

void TestSoundmill::advertisement()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, accepted);
    QFETCH(bool, updateQuestion);
    QFETCH(bool, autoOpen);

    twtest::HttpServer server;
    QVERIFY(server.listen());
    if (!document.isNull())
        m_services.addresses.adServer = server.baseUrl();
    m_services.addresses.statsServer = server.baseUrl();
    twtest::HttpResponse documentAnswer;
    documentAnswer.contentType = "application/json";
    documentAnswer.body = document.replace("IMG", server.url("/ad.png").toString().toUtf8());
    server.route("/tonewright/v10.json", documentAnswer);
    twtest::HttpResponse picture;
    picture.contentType = "image/png";
    picture.body = pngBytes(60, 20);
    server.route("/ad.png", picture);
    if (updateQuestion)
        m_answerer->enqueue(ModalAnswerer::click("Yes"));

    Soundmill window(m_services, networkFor(m_services));
    QObject::connect(&window, &Soundmill::ended, this, [this] { m_exits << 0; });
    window.show();
    QLabel *ad = child<QLabel>(&window, "lbl_Ad");
    QVERIFY(document.isNull() || server.waitForRequests(accepted ? 2 : 1));
    if (accepted)
        QTRY_COMPARE(ad->pixmap().size(), QSize(60, 20));
    QTest::qWait(300);
    QCOMPARE(server.requests().size(), document.isNull() ? 0 : accepted ? 2 : 1);
    QCOMPARE(m_answerer->count("Update available"), updateQuestion ? 1 : 0);
    if (updateQuestion) {
        QCOMPARE(m_answerer->seen[0].text,
                 "Tonewright had been updated!\nPlease download the fresh version to avoid bugs "
                 "and other problems.\nWould you like to download it now?");
        QCOMPARE(m_answerer->seen[0].buttons, QStringList({"Yes", "No"}));
        QCOMPARE(m_opened, QList<QUrl>{QUrl("https://fresh.test/get")});
        m_opened.clear();
    }

    const QUrl target = accepted ? QUrl("https://target.test/ad") : m_services.addresses.social;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(ad, &move);
    QApplication::sendEvent(ad, &move);
    QCOMPARE(m_opened, autoOpen ? QList<QUrl>{target} : QList<QUrl>{});
    m_opened.clear();
    QTest::mouseClick(ad, Qt::LeftButton);
    QTest::mouseClick(ad, Qt::LeftButton);
    QCOMPARE(m_opened, QList<QUrl>({target, target}));
}

void TestSoundmill::nativeEventsGoToTheButton()
{
    ExposedSoundmill window(m_services);
    QObject::connect(&window, &Soundmill::ended, this, [this] { m_exits << 0; });
    qintptr result = 0;
    QVERIFY(!window.nativeEvent("xcb_generic_event_t", nullptr, &result));
    const taskbar::FakeButton fake = taskbar::makeFakeButton(&window);
    window.setTaskbarButton(fake.button);
    QVERIFY(!window.nativeEvent("xcb_generic_event_t", nullptr, &result));
    QCOMPARE(fake.shell->nativeEventCount(), 1);
}

QTEST_MAIN(TestSoundmill)
#include "tst_soundmill.moc"
