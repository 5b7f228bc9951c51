#include "advertisement.h"
#include "boundedget.h"
#include "httpserver.h"
#include "weburl.h"

#include <QBuffer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using online::AbortReason;
using twtest::HttpResponse;
using twtest::HttpServer;

Q_DECLARE_METATYPE(twtest::HttpResponse)

class TestAdvertisement : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void documentAddress_data();
    void documentAddress();
    void evaluate_data();
    void evaluate();
    void unsafeAddressesNeverFetched_data();
    void unsafeAddressesNeverFetched();
    void plainGet();
    void bounded_data();
    void bounded();
    void releasedReplyStopsItsDeadline();
    void hugeBodyCutOffAsItArrives();
    void picture();

private:
    // Waits for the reply to finish; false when it never does.
    static bool finishes(QNetworkReply *reply, int timeoutMs = 5000);
    std::unique_ptr<HttpServer> m_server;
};

namespace {

const QByteArray Full = R"({"currentversion": 1.1, "freshurl": "http://dl/new",
    "imgurl": "http://img/ad.png", "autoopen": false, "targeturl": "http://target/"})";

QByteArray withMember(const QByteArray &key, const QByteArray &json)
{
    QByteArray doc = R"({"currentversion": 1.1, "freshurl": "http://dl/new",
        "imgurl": "http://img/ad.png", "autoopen": false, "targeturl": "http://target/"})";
    const qsizetype at = doc.indexOf(QByteArray("\"" + key + "\""));
    if (at < 0)
        return doc;
    const qsizetype valueStart = doc.indexOf(':', at) + 1;
    qsizetype valueEnd = doc.indexOf(',', valueStart);
    if (valueEnd < 0)
        valueEnd = doc.lastIndexOf('}');
    return QByteArray(doc.left(valueStart) + json + doc.mid(valueEnd));
}

QByteArray without(const QByteArray &key)
{
    return QByteArray(Full).replace(QByteArray("\"" + key + "\""), QByteArray("\"unused\""));
}

} // namespace

void TestAdvertisement::init()
{
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->listen());
}

bool TestAdvertisement::finishes(QNetworkReply *reply, int timeoutMs)
{
    if (reply->isFinished())
        return true;
    QSignalSpy spy(reply, &QNetworkReply::finished);
    return spy.wait(timeoutMs);
}

void TestAdvertisement::documentAddress_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    QTest::newRow("host") << "https://ads.example"
                          << "https://ads.example/tonewright/v10.json";
    QTest::newRow("port kept") << "http://127.0.0.1:47631"
                               << "http://127.0.0.1:47631/tonewright/v10.json";
    QTest::newRow("trailing slash") << "http://a:8/"
                                    << "http://a:8/tonewright/v10.json";
    QTest::newRow("path prefix") << "http://a/ads"
                                 << "http://a/ads/tonewright/v10.json";
}

void TestAdvertisement::documentAddress()
{
    QFETCH(QString, base);
    QFETCH(QString, expected);
    QCOMPARE(online::adDocumentAddress(QUrl(base)).toString(), expected);
}

void TestAdvertisement::evaluate_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("version");
    QTest::addColumn<bool>("autoOpen");
    QTest::addColumn<QString>("targetUrl");

    QTest::newRow("newer version") << Full << true << 1.1 << false << "http://target/";
    QTest::newRow("version 1") << withMember("currentversion", "1") << true << 1.0 << false
                               << "http://target/";
    QTest::newRow("version 1.0") << withMember("currentversion", "1.0") << true << 1.0 << false
                                 << "http://target/";
    QTest::newRow("version as string")
        << withMember("currentversion", "\"2\"") << true << 2.0 << false << "http://target/";
    QTest::newRow("version string without number")
        << withMember("currentversion", "\"soon\"") << true << 0.0 << false << "http://target/";
    QTest::newRow("version as bool")
        << withMember("currentversion", "true") << true << 1.0 << false << "http://target/";
    QTest::newRow("version null") << withMember("currentversion", "null") << false << 0.0 << false
                                  << "";
    QTest::newRow("version array")
        << withMember("currentversion", "[2]") << false << 0.0 << false << "";
    QTest::newRow("autoopen true")
        << withMember("autoopen", "true") << true << 1.1 << true << "http://target/";
    QTest::newRow("autoopen as string false")
        << withMember("autoopen", "\"false\"") << true << 1.1 << false << "http://target/";
    QTest::newRow("autoopen as number")
        << withMember("autoopen", "1") << true << 1.1 << true << "http://target/";
    QTest::newRow("autoopen missing") << without("autoopen") << false << 0.0 << false << "";
    QTest::newRow("version missing") << without("currentversion") << false << 0.0 << false << "";
    QTest::newRow("targeturl missing") << without("targeturl") << false << 0.0 << false << "";
    QTest::newRow("freshurl as object")
        << withMember("freshurl", R"({"u":"x"})") << false << 0.0 << false << "";
    QTest::newRow("imgurl null") << withMember("imgurl", "null") << false << 0.0 << false << "";
    QTest::newRow("targeturl as number")
        << withMember("targeturl", "42") << true << 1.1 << false << "42";
    QTest::newRow("extra members ignored")
        << QByteArray(Full).replace("{", R"({"extra": [1, {"x": null}], )") << true << 1.1 << false
        << "http://target/";
    QTest::newRow("trailing NUL and garbage") << QByteArray(Full + QByteArray("\0\xff\xfe{", 4))
                                              << true << 1.1 << false << "http://target/";
    QTest::newRow("NUL inside") << QByteArray(Full).replace("\"targeturl\"",
                                                            QByteArray("\"target\0url\"", 12))
                                << false << 0.0 << false << "";
    QTest::newRow("Latin-1 body") << withMember("targeturl", "\"http://t/\xe9\"") << true << 1.1
                                  << false << QString::fromUtf8("http://t/é");
    QTest::newRow("array") << QByteArray("[" + Full + "]") << false << 0.0 << false << "";
    QTest::newRow("string") << QByteArray("\"http://x\"") << false << 0.0 << false << "";
    QTest::newRow("garbage") << QByteArray("<html>502 Bad Gateway</html>") << false << 0.0 << false
                             << "";
    QTest::newRow("truncated") << Full.left(Full.size() - 3) << false << 0.0 << false << "";
    QTest::newRow("empty") << QByteArray() << false << 0.0 << false << "";
    QTest::newRow("deeply nested") << QByteArray(100000, '[') << false << 0.0 << false << "";
}

void TestAdvertisement::evaluate()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, accepted);
    QFETCH(double, version);
    QFETCH(bool, autoOpen);
    QFETCH(QString, targetUrl);

    const std::optional<online::AdDocument> document = online::evaluateAdDocument(body);
    QCOMPARE(document.has_value(), accepted);
    if (!accepted)
        return;
    QCOMPARE(document->currentVersion, version);
    QCOMPARE(document->autoOpen, autoOpen);
    QCOMPARE(document->targetUrl, targetUrl);
    QCOMPARE(document->imgUrl, QString("http://img/ad.png"));
    QCOMPARE(document->freshUrl, QString("http://dl/new"));
}

void TestAdvertisement::unsafeAddressesNeverFetched_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("file") << "file:///etc/passwd";
    QTest::newRow("javascript") << "javascript:alert(1)";
    QTest::newRow("data") << "data:image/png;base64,AAAA";
    QTest::newRow("smb") << "smb://127.0.0.1:%1/share";
    QTest::newRow("ftp") << "ftp://127.0.0.1:%1/x";
    QTest::newRow("relative path") << "/tonewright/v10.json";
    QTest::newRow("no host") << "http:/tonewright/v10.json";
    QTest::newRow("empty") << "";
}

void TestAdvertisement::unsafeAddressesNeverFetched()
{
    QFETCH(QString, address);
    const QUrl url(address.contains("%1") ? address.arg(m_server->port()) : address);
    QVERIFY(!weburl::isWebAddress(url));
    QNetworkAccessManager manager;
    QCOMPARE(online::boundedGet(manager, url, 1000), nullptr);
    QVERIFY(manager.findChildren<QNetworkReply *>().isEmpty());
    QVERIFY(!m_server->waitForRequests(1, 100));
}

void TestAdvertisement::plainGet()
{
    HttpResponse document;
    document.contentType = "application/json";
    document.body = Full;
    m_server->route("/tonewright/v10.json", document);
    QNetworkAccessManager manager;
    QNetworkReply *reply = online::boundedGet(
        manager, online::adDocumentAddress(m_server->baseUrl()), online::MaxDocumentBytes);
    QVERIFY(reply);
    QVERIFY(finishes(reply));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(online::abortReason(reply), AbortReason::None);
    QVERIFY(online::evaluateAdDocument(online::takeBody(reply)).has_value());

    const twtest::HttpRequest request = m_server->requests().at(0);
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path, QByteArray("/tonewright/v10.json"));
    QVERIFY(request.body.isEmpty());
    // Only what the network stack always sends; nothing of our own.
    const QList<QByteArray> standard{"host", "connection", "accept-encoding", "accept-language",
                                     "user-agent"};
    for (const auto &header : request.headers)
        QVERIFY2(standard.contains(header.first.toLower()), header.first.constData());
}

void TestAdvertisement::bounded_data()
{
    QTest::addColumn<HttpResponse>("response");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("reason");

    HttpResponse fits;
    fits.body = QByteArray(1000, 'a');
    QTest::newRow("exactly the limit")
        << fits << qint64(1000) << 5000 << int(QNetworkReply::NoError) << int(AbortReason::None);

    HttpResponse declared;
    declared.body = QByteArray(5000, 'a');
    QTest::newRow("declared too large")
        << declared << qint64(1000) << 5000 << int(QNetworkReply::OperationCanceledError)
        << int(AbortReason::TooLarge);

    HttpResponse undeclared;
    undeclared.body = QByteArray(4 << 20, 'a');
    undeclared.omitContentLength = true;
    QTest::newRow("undeclared too large")
        << undeclared << qint64(64 << 10) << 5000 << int(QNetworkReply::OperationCanceledError)
        << int(AbortReason::TooLarge);

    HttpResponse stalled;
    stalled.stall = true;
    QTest::newRow("stalled server")
        << stalled << qint64(1000) << 300 << int(QNetworkReply::OperationCanceledError)
        << int(AbortReason::TimedOut);

    // A byte every 30 ms keeps an inactivity timeout happy; the deadline still ends it.
    HttpResponse drip;
    drip.body = QByteArray(200, 'a');
    drip.dripIntervalMs = 30;
    QTest::newRow("dripping server")
        << drip << qint64(1000) << 400 << int(QNetworkReply::OperationCanceledError)
        << int(AbortReason::TimedOut);

    HttpResponse delayed;
    delayed.body = "late";
    delayed.delayMs = 100;
    QTest::newRow("slow but in time")
        << delayed << qint64(1000) << 3000 << int(QNetworkReply::NoError) << int(AbortReason::None);

    HttpResponse early;
    early.body = QByteArray(100, 'a');
    early.closeEarly = true;
    QTest::newRow("closed early") << early << qint64(1000) << 5000
                                  << int(QNetworkReply::RemoteHostClosedError)
                                  << int(AbortReason::None);

    HttpResponse missing;
    missing.status = 404;
    missing.body = Full; // an error page is no document, however well-formed
    QTest::newRow("server error") << missing << qint64(1000) << 5000
                                  << int(QNetworkReply::ContentNotFoundError)
                                  << int(AbortReason::None);

    HttpResponse corrupt;
    corrupt.extraHeaders = {{"Content-Encoding", "deflate"}};
    corrupt.body = "this is no deflate stream";
    QTest::newRow("undecodable") << corrupt << qint64(1000) << 5000
                                 << int(QNetworkReply::UnknownContentError)
                                 << int(AbortReason::None);

    // A few kilobytes that inflate to 16 MB.
    HttpResponse bomb;
    bomb.extraHeaders = {{"Content-Encoding", "deflate"}};
    bomb.body = qCompress(QByteArray(16 << 20, 0), 9).mid(4); // without qCompress's length
    QTest::newRow("decompression bomb")
        << bomb << qint64(64 << 10) << 5000 << int(QNetworkReply::UnknownContentError)
        << int(AbortReason::None);
}

void TestAdvertisement::bounded()
{
    QFETCH(HttpResponse, response);
    QFETCH(qint64, maxBytes);
    QFETCH(int, timeoutMs);
    QFETCH(int, error);
    QFETCH(int, reason);

    m_server->route("/doc", response);
    QNetworkAccessManager manager;
    QNetworkReply *reply = online::boundedGet(manager, m_server->url("/doc"), maxBytes, timeoutMs);
    QVERIFY(reply);
    QVERIFY(finishes(reply));
    QCOMPARE(int(reply->error()), error);
    QCOMPARE(int(online::abortReason(reply)), reason);
    const QByteArray body = online::takeBody(reply);
    if (error == QNetworkReply::NoError)
        QCOMPARE(body, response.body);
    else
        QVERIFY(body.isEmpty()); // nothing of a failed answer reaches the reader
}

void TestAdvertisement::releasedReplyStopsItsDeadline()
{
    HttpResponse stalled;
    stalled.stall = true;
    m_server->route("/doc", stalled);
    auto *manager = new QNetworkAccessManager;
    QPointer<QNetworkReply> reply = online::boundedGet(*manager, m_server->url("/doc"), 10, 100);
    QVERIFY(m_server->waitForRequests(1));
    // Releasing the manager takes the reply and its deadline along; nothing fires later.
    manager->deleteLater();
    QTRY_VERIFY(reply.isNull());
    QTest::qWait(200);
}

// The most a TCP socket's kernel buffer may grow to on this machine
// (the last of the three figures in /proc/sys/net/ipv4/<name>).
static qint64 largestSocketBuffer(const char *name)
{
    QFile file(QStringLiteral("/proc/sys/net/ipv4/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return 64 << 20;
    return file.readAll().simplified().split(' ').value(2).toLongLong();
}

void TestAdvertisement::hugeBodyCutOffAsItArrives()
{
    // The server sends from a thread of its own, as fast as the client takes
    // the data; it must be cut off near the limit, not after the network
    // stack has buffered whatever it was sent meanwhile.
    QThread serverThread;
    auto *server = new HttpServer;
    server->moveToThread(&serverThread);
    connect(&serverThread, &QThread::finished, server, &QObject::deleteLater);
    serverThread.start();
    const auto stopServer = qScopeGuard([&] {
        serverThread.quit();
        serverThread.wait();
    });
    bool listening = false;
    QMetaObject::invokeMethod(
        server, [&] { listening = server->listen(); }, Qt::BlockingQueuedConnection);
    QVERIFY(listening);
    HttpResponse endless;
    endless.streamBytes = qint64(1) << 40;
    QMetaObject::invokeMethod(
        server, [&] { server->route("/doc", endless); }, Qt::BlockingQueuedConnection);

    QNetworkAccessManager manager;
    QNetworkReply *reply = online::boundedGet(manager, server->url("/doc"), 1 << 20);
    QVERIFY(finishes(reply, 60000));
    QCOMPARE(online::abortReason(reply), AbortReason::TooLarge);
    QVERIFY(online::takeBody(reply).isEmpty());
    // The limit, plus what the kernel's buffers of the two sockets may hold.
    const qint64 bound =
        (1 << 20) + largestSocketBuffer("tcp_rmem") + largestSocketBuffer("tcp_wmem") + (4 << 20);
    QVERIFY2(server->streamedBytes() < bound, qPrintable(QString::number(server->streamedBytes())));
}

void TestAdvertisement::picture()
{
    QImage source(300, 100, QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(source.save(&buffer, "PNG"));

    HttpResponse image;
    image.contentType = "image/png";
    image.body = png;
    m_server->route("/ad.png", image);
    HttpResponse notImage;
    notImage.contentType = "image/png"; // the server's word is not trusted either
    notImage.body = "<html>not a picture</html>";
    m_server->route("/fake.png", notImage);

    QNetworkAccessManager manager;
    QNetworkReply *good =
        online::boundedGet(manager, m_server->url("/ad.png"), online::MaxPictureBytes);
    QNetworkReply *bad =
        online::boundedGet(manager, m_server->url("/fake.png"), online::MaxPictureBytes);
    QVERIFY(finishes(good));
    QVERIFY(finishes(bad));
    const QImage decoded = online::decodePicture(online::takeBody(good));
    QCOMPARE(decoded.size(), QSize(300, 100));
    QCOMPARE(decoded.pixelColor(5, 5), QColor(Qt::darkCyan));
    QVERIFY(online::decodePicture(online::takeBody(bad)).isNull());
    QVERIFY(online::decodePicture(QByteArray()).isNull());
    // Pictures in other formats are not looked at.
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::red);
    for (const char *format : {"PNG", "JPEG", "GIF", "BMP", "PPM", "XPM"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!small.save(&buffer, format))
            continue; // no writer for it here
        const bool shown = QByteArray("PNG JPEG GIF").contains(format);
        QCOMPARE(online::decodePicture(bytes).isNull(), !shown);
    }
}

QTEST_GUILESS_MAIN(TestAdvertisement)
#include "tst_advertisement.moc"
