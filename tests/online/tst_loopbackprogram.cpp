#include "httpserver.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using twtest::HttpResponse;
using twtest::HttpServer;

Q_DECLARE_METATYPE(twtest::HttpResponse)

// Runs a build of the program whose advertisement and statistics servers are
// this test's loopback server, on a real WAV file, and checks what reaches
// the servers.
class TestLoopbackProgram : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void conversionFetchesAdAndPostsUsage();
    void quickConversionDeliversUsage_data();
    void quickConversionDeliversUsage();
    void failedConversionPostsBugReport();

private:
    QProcess *startProgram(const QStringList &arguments, const QString &extraPath = QString());

    QTemporaryDir m_dir;
    QString m_wav;
    QString m_slowBin;
    std::unique_ptr<HttpServer> m_server;
};

void TestLoopbackProgram::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty())
        QSKIP("ffmpeg is not installed");
    m_wav = m_dir.filePath("song.wav");
    QProcess generate;
    generate.start(ffmpeg, {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=10",
                            "-ac", "2", "-ar", "44100", "-y", m_wav});
    QVERIFY(generate.waitForFinished(60000));
    QCOMPARE(generate.exitCode(), 0);

    // The real encoder, started a little late, so that the program is still
    // converting when the advertisement and its picture arrive.
    m_slowBin = m_dir.filePath("slow-bin");
    QVERIFY(QDir().mkpath(m_slowBin));
    QFile slow(m_slowBin + "/ffmpeg");
    QVERIFY(slow.open(QIODevice::WriteOnly));
    slow.write("#!/bin/sh\nsleep 2\nexec '" + ffmpeg.toUtf8() + "' \"$@\"\n");
    slow.close();
    slow.setPermissions(slow.permissions() | QFileDevice::ExeOwner);
}

void TestLoopbackProgram::init()
{
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->listen());

    QImage picture(300, 100, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");

    HttpResponse document;
    document.contentType = "application/json";
    // Version 1.0: no update question, which would wait for an answer.
    document.body = QString(R"({"currentversion": 1.0, "freshurl": "%1/new",
        "imgurl": "%1/ad.png", "autoopen": false, "targeturl": "%1/target"})")
                        .arg(m_server->baseUrl().toString())
                        .toUtf8();
    m_server->route("/tonewright/v10.json", document);
    HttpResponse image;
    image.contentType = "image/png";
    image.body = png;
    m_server->route("/ad.png", image);
    HttpResponse thanks;
    thanks.body = "ok";
    m_server->route("/statistics/usage.php", thanks);
    m_server->route("/statistics/bugreport.php", thanks);
}

QProcess *TestLoopbackProgram::startProgram(const QStringList &arguments, const QString &extraPath)
{
    auto *program = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!extraPath.isEmpty())
        env.insert("PATH", extraPath + ":" + env.value("PATH"));
    env.insert("TW_TEST_SERVER", m_server->baseUrl().toString());
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program->start(TW_TEST_PROGRAM, arguments);
    return program;
}

void TestLoopbackProgram::conversionFetchesAdAndPostsUsage()
{
    QProcess *program = startProgram({"mp3", m_wav}, m_slowBin);
    QSignalSpy finished(program, &QProcess::finished);
    QVERIFY(finished.wait(90000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(QFileInfo::exists(m_dir.filePath("song.mp3")));

    const QList<twtest::HttpRequest> requests = m_server->requests();
    QStringList seen;
    for (const auto &r : requests)
        seen << QString::fromUtf8(r.method + " " + r.path);
    const qsizetype document = seen.indexOf("GET /tonewright/v10.json");
    const qsizetype picture = seen.indexOf("GET /ad.png");
    QVERIFY2(document >= 0, qPrintable(seen.join(", ")));
    QVERIFY2(picture > document, qPrintable(seen.join(", ")));

    const QList<twtest::HttpRequest> usage = m_server->requestsTo("/statistics/usage.php");
    QCOMPARE(usage.size(), 1);
    QCOMPARE(usage.at(0).method, QByteArray("POST"));
    QCOMPARE(usage.at(0).body, QByteArray("appid=tonewright&partid=main"));
    QCOMPARE(usage.at(0).header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QVERIFY(m_server->requestsTo("/statistics/bugreport.php").isEmpty());
}

void TestLoopbackProgram::quickConversionDeliversUsage_data()
{
    QTest::addColumn<HttpResponse>("answer");
    QTest::newRow("answered") << HttpResponse();
    QTest::newRow("error status") << HttpResponse::withStatus(500);
    QTest::newRow("stalled server") << HttpResponse::stalled();
}

void TestLoopbackProgram::quickConversionDeliversUsage()
{
    // An encoder that writes its target and ends at once, and a network stack
    // slow to load: the conversion is over before anything could have been
    // sent, and the usage record must still have arrived when the process ends.
    QFETCH(HttpResponse, answer);
    m_server->route("/statistics/usage.php", answer);
    const QString bin = m_dir.filePath("quick-bin");
    QVERIFY(QDir().mkpath(bin));
    QFile quick(bin + "/ffmpeg");
    QVERIFY(quick.open(QIODevice::WriteOnly));
    quick.write("#!/bin/sh\nfor OUT in \"$@\"; do :; done\nprintf x > \"$OUT\"\n");
    quick.close();
    quick.setPermissions(quick.permissions() | QFileDevice::ExeOwner);
    const QString target = m_dir.filePath("song.mp3");
    QFile::remove(target);

    qputenv("TW_TEST_SLOW_NETWORK", "500");
    QProcess *program = startProgram({"mp3", m_wav}, bin);
    qunsetenv("TW_TEST_SLOW_NETWORK");
    QSignalSpy finished(program, &QProcess::finished);
    // A stalled server holds the end two seconds at most; this only proves no hang.
    QVERIFY(finished.wait(60000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QCOMPARE(QFileInfo(target).size(), 1);
    const QList<twtest::HttpRequest> usage = m_server->requestsTo("/statistics/usage.php");
    QCOMPARE(usage.size(), 1);
    QCOMPARE(usage.at(0).body, QByteArray("appid=tonewright&partid=main"));
}

void TestLoopbackProgram::failedConversionPostsBugReport()
{
    // A real failure (WMA holds two channels at most) of a source whose
    // folder, name and tags are the user's own business.
    const QString folder = m_dir.filePath("alice USB STICK");
    QVERIFY(QDir().mkpath(folder));
    const QString source = folder + "/holiday-recording.flac";
    QProcess generate;
    generate.start("ffmpeg",
                   {"-v", "error", "-f", "lavfi", "-i", "sine=duration=1", "-af",
                    "pan=5.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0", "-metadata", "comment=my diary",
                    "-metadata", "location=+48.8577+002.2950/", "-y", source});
    QVERIFY(generate.waitForFinished(60000));
    QCOMPARE(generate.exitCode(), 0);

    QProcess *program =
        startProgram({"wma", "--artist=Alice Secret", "--title=Diary Entry", source});
    // The report goes out before the error box, which then waits for a person.
    QTRY_VERIFY_WITH_TIMEOUT(!m_server->requestsTo("/statistics/bugreport.php").isEmpty(), 60000);
    program->kill();
    program->waitForFinished(10000);

    const twtest::HttpRequest report = m_server->requestsTo("/statistics/bugreport.php").at(0);
    QCOMPARE(report.method, QByteArray("POST"));
    QVERIFY(report.body.startsWith("appid=tonewright&reportstring="));
    const QString text = QUrl::fromPercentEncoding(report.body.mid(30));
    // The encoder's arguments and its complaint, and nothing of the user's.
    for (const char *kept :
         {"-i&&<source>.flac&&", "&&<target>.wma##", "-metadata&&artist=&&", "too many channels"})
        QVERIFY2(text.contains(kept), qPrintable(text));
    for (const char *secret :
         {"alice", "USB STICK", "holiday", "Secret", "Diary", "my diary", "48.8577", "/proc/self"})
        QVERIFY2(!text.contains(secret, Qt::CaseInsensitive), qPrintable(text));
    QVERIFY2(!text.contains(m_dir.path()), qPrintable(text));
    QCOMPARE(m_server->requestsTo("/statistics/usage.php").size(), 1);
}

QTEST_GUILESS_MAIN(TestLoopbackProgram)
#include "tst_loopbackprogram.moc"
