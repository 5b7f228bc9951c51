#include "httpserver.h"
#include "reportsender.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

using twtest::HttpResponse;
using twtest::HttpServer;

Q_DECLARE_METATYPE(twtest::HttpResponse)

class TestReportSender : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void usage_data();
    void usage();
    void bugReport_data();
    void bugReport();
    void serverPathPrefixKept();
    void noServerSendsNothing_data();
    void noServerSendsNothing();
    void repliesReleasedWhenFinished();
    void postDoneWithinItsBounds_data();
    void postDoneWithinItsBounds();
    void destroyedWithPostsUnderWay();

private:
    std::unique_ptr<HttpServer> m_server;
    QNetworkAccessManager m_manager;
};

void TestReportSender::init()
{
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->listen());
}

void TestReportSender::usage_data()
{
    QTest::addColumn<QString>("partId");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("settings dialog") << "gui" << QByteArray("appid=tonewright&partid=gui");
    QTest::newRow("conversion") << "main" << QByteArray("appid=tonewright&partid=main");
    // A value can never break out of its field.
    QTest::newRow("encoded") << "a b&c=d" << QByteArray("appid=tonewright&partid=a%20b%26c%3Dd");
}

void TestReportSender::usage()
{
    QFETCH(QString, partId);
    QFETCH(QByteArray, body);
    ReportSender sender(m_manager, m_server->baseUrl());
    sender.sendUsage("tonewright", partId);
    QVERIFY(m_server->waitForRequests(1));
    const twtest::HttpRequest request = m_server->requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/statistics/usage.php"));
    QCOMPARE(request.body, body);
    QCOMPARE(request.headerCount("Content-Type"), 1);
    QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
}

void TestReportSender::bugReport_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("arguments and text")
        << "-i&&a b.wav##Error"
        << QByteArray("appid=tonewright&reportstring=-i%26%26a%20b.wav%23%23Error");
    QTest::newRow("accented name")
        << QString::fromUtf8("é.wav") << QByteArray("appid=tonewright&reportstring=%C3%A9.wav");
    QTest::newRow("unreserved kept")
        << "AZaz09-._~" << QByteArray("appid=tonewright&reportstring=AZaz09-._~");
    QTest::newRow("reserved and controls")
        << "a+b=c/d?e\n\r%"
        << QByteArray("appid=tonewright&reportstring=a%2Bb%3Dc%2Fd%3Fe%0A%0D%25");
    QTest::newRow("empty report") << "" << QByteArray("appid=tonewright&reportstring=");
}

void TestReportSender::bugReport()
{
    QFETCH(QString, report);
    QFETCH(QByteArray, body);
    ReportSender sender(m_manager, m_server->baseUrl());
    sender.sendBugReport("tonewright", report);
    QVERIFY(m_server->waitForRequests(1));
    const twtest::HttpRequest request = m_server->requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/statistics/bugreport.php"));
    QCOMPARE(request.body, body);
    QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
}

void TestReportSender::serverPathPrefixKept()
{
    QUrl base = m_server->baseUrl();
    base.setPath("/prefix/");
    ReportSender sender(m_manager, base);
    sender.sendUsage("tonewright", "gui");
    QVERIFY(m_server->waitForRequests(1));
    QCOMPARE(m_server->requests().at(0).path, QByteArray("/prefix/statistics/usage.php"));
}

void TestReportSender::noServerSendsNothing_data()
{
    QTest::addColumn<QString>("base");
    QTest::newRow("empty") << QString();
    QTest::newRow("file scheme") << "file:///tmp";
    QTest::newRow("ftp scheme") << "ftp://127.0.0.1:%1";
    QTest::newRow("no host") << "http:relative";
}

void TestReportSender::noServerSendsNothing()
{
    QFETCH(QString, base);
    ReportSender sender(m_manager, QUrl(base.contains("%1") ? base.arg(m_server->port()) : base));
    sender.sendUsage("tonewright", "main");
    sender.sendBugReport("tonewright", "report");
    QCOMPARE(sender.pendingReplies(), 0);
    QVERIFY(!m_server->waitForRequests(1, 300));
}

void TestReportSender::repliesReleasedWhenFinished()
{
    ReportSender sender(m_manager, m_server->baseUrl());
    for (int i = 0; i < 5; ++i)
        sender.sendUsage("tonewright", "main");
    sender.sendBugReport("tonewright", "x");
    QCOMPARE(sender.pendingReplies(), 6);
    QVERIFY(m_server->waitForRequests(6));
    QTRY_COMPARE(sender.pendingReplies(), 0);
}

void TestReportSender::postDoneWithinItsBounds_data()
{
    QTest::addColumn<HttpResponse>("answer");
    QTest::addColumn<int>("deadlineMs");
    QTest::newRow("answered") << HttpResponse() << 300;
    QTest::newRow("error status") << HttpResponse::withStatus(500) << 300;
    QTest::newRow("stalled server") << HttpResponse::stalled() << 300;
    // Cut off at its status line, not read until the deadline: with the default
    // deadline the wait below would run out first. (How many bytes the server
    // got rid of meanwhile is up to the kernel's socket buffers.)
    HttpResponse endless;
    endless.streamBytes = qint64(1) << 40;
    QTest::newRow("endless answer") << endless << ReportSender::DefaultTimeoutMs;
}

void TestReportSender::postDoneWithinItsBounds()
{
    QFETCH(HttpResponse, answer);
    QFETCH(int, deadlineMs);
    m_server->route("/statistics/usage.php", answer);
    m_server->route("/statistics/bugreport.php", answer);
    ReportSender sender(m_manager, m_server->baseUrl(), deadlineMs);
    int done = 0;
    sender.sendUsage("tonewright", "main", [&] { ++done; });
    sender.sendBugReport("tonewright", "report", [&] { ++done; });
    QTRY_COMPARE_WITH_TIMEOUT(done, 2, deadlineMs / 3 + 5000);
    QCOMPARE(sender.pendingReplies(), 0);
}

void TestReportSender::destroyedWithPostsUnderWay()
{
    twtest::HttpResponse stall;
    stall.stall = true;
    m_server->route("/statistics/usage.php", stall);
    {
        ReportSender sender(m_manager, m_server->baseUrl());
        sender.sendUsage("tonewright", "main");
        QVERIFY(m_server->waitForRequests(1));
        QCOMPARE(sender.pendingReplies(), 1);
    }
    // The abandoned post must not touch the destroyed sender.
    QTest::qWait(50);
}

QTEST_GUILESS_MAIN(TestReportSender)
#include "tst_reportsender.moc"
