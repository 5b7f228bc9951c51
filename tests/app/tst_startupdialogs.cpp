#include "desktopsteps.h"
#include "dialogtesting.h"
#include "httpserver.h"
#include "modalanswerer.h"
#include "networkbackend.h"
#include "onlineservices.h"
#include "processexit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// Start-up with the real file selection and options dialogs, answered as a
// person would; only the conversion itself is recorded instead of run.
namespace {

class RecordingDesktop final : public DesktopSteps
{
public:
    QList<ConversionRequest> conversions;
    int convert(const ConversionRequest &request) override
    {
        conversions << request;
        return 0;
    }
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

// Cancel ends the process; the recording exit returns, so the dialog is then
// left the way Escape leaves it.
ModalAnswerer::Answer cancel()
{
    return [](QWidget *dialog) {
        child<QPushButton>(*dialog, "btn_Cancel")->click();
        static_cast<QDialog *>(dialog)->reject();
    };
}

ModalAnswerer::Answer escape()
{
    return [](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); };
}

} // namespace

class TestStartupDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void paths_data();
    void paths();
    void settingsUsageArrivesBeforeTheEnd();

private:
    QTemporaryDir m_dir;
    QList<int> m_exits;
};

void TestStartupDialogs::init()
{
    m_exits.clear();
    processexit::setHandler([this](int status) { m_exits << status; });
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

    QTest::newRow("no file: file, options, conversion")
        << QStringList{} << QStringList{"file", "OGG"} << "ogg" << QList<int>{};
    QTest::newRow("format word without file: the options overwrite it")
        << QStringList{"mp3"} << QStringList{"file", "FLAC"} << "flac" << QList<int>{};
    QTest::newRow("ppp with a file: options only")
        << QStringList{"ppp", "SONG"} << QStringList{"M4A"} << "m4a" << QList<int>{};
    QTest::newRow("format word and file: no dialog")
        << QStringList{"wav", "SONG"} << QStringList{} << "wav" << QList<int>{};
    QTest::newRow("file dialog cancelled")
        << QStringList{} << QStringList{"cancel"} << "" << QList<int>{0, 0};
    QTest::newRow("options cancelled")
        << QStringList{"ppp", "SONG"} << QStringList{"cancel"} << "" << QList<int>{0};
    QTest::newRow("options left by Escape")
        << QStringList{"ppp", "SONG"} << QStringList{"escape"} << "" << QList<int>{};
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
            answerer.enqueue(escape());
        else
            answerer.enqueue(chooseFormat(answer));
    }

    RecordingDesktop steps;
    runStartup(QStringList{"/opt/tw/tonewright"} + arguments, "/opt/tw/tonewright", steps);

    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen.size(), answers.size());
    QCOMPARE(m_exits, exits);
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
    // The statistics server of this build is a made-up host, reached through
    // a loopback proxy that records the post.
    twtest::HttpServer proxy;
    QVERIFY(proxy.listen());
    QNetworkProxy::setApplicationProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", proxy.port()));
    online::OnlineServices::setBackendFactory(online::createNetworkBackend);
    const auto restore = qScopeGuard([] {
        QNetworkProxy::setApplicationProxy(QNetworkProxy());
        online::OnlineServices::setBackendFactory(nullptr);
    });
    int postsAtExit = -1;
    processexit::setHandler([&](int status) {
        m_exits << status;
        postsAtExit = int(proxy.requests().size());
    });

    ModalAnswerer answerer;
    answerer.enqueue([](QWidget *dialog) { child<QPushButton>(*dialog, "pushButton_5")->click(); });
    RecordingDesktop steps;
    runStartup({"/opt/tw/tonewright", "config"}, "/opt/tw/tonewright", steps);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(m_exits, QList<int>{0});
    QCOMPARE(postsAtExit, 1);
    QCOMPARE(proxy.requests().at(0).body, QByteArray("appid=tonewright&partid=gui"));
}

QTEST_MAIN(TestStartupDialogs)
#include "tst_startupdialogs.moc"
