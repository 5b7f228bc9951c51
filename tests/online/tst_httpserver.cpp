#include "httpserver.h"

#include <QTcpSocket>
#include <QTest>

using twtest::HttpResponse;
using twtest::HttpServer;

// The loopback server is itself relied on by other suites: it must read
// bodies that arrive in pieces and keep requests on one connection apart.
class TestHttpServer : public QObject
{
    Q_OBJECT
private slots:
    void bodySplitAcrossPackets();
    void keepAliveRequestsInOrder();
    void scriptedAnswers();
};

static QByteArray readAnswer(QTcpSocket &socket, int minimum)
{
    QByteArray answer;
    QElapsedTimer timer;
    timer.start();
    while (answer.size() < minimum && timer.elapsed() < 5000) {
        if (socket.bytesAvailable() == 0)
            QTest::qWait(10);
        answer += socket.readAll();
    }
    return answer;
}

void TestHttpServer::bodySplitAcrossPackets()
{
    HttpServer server;
    QVERIFY(server.listen());
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(socket.waitForConnected(5000));
    const QByteArray pieces[] = {"POST /p?x=1 HTTP/1.1\r\nHost: a\r\nContent-Le",
                                 "ngth: 11\r\nX-Two: 1\r\nX-Two: 2\r\n\r\nhello", " world"};
    for (const QByteArray &piece : pieces) {
        socket.write(piece);
        socket.flush();
        QTest::qWait(30);
    }
    QVERIFY(server.waitForRequests(1));
    const twtest::HttpRequest request = server.requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/p?x=1"));
    QCOMPARE(request.body, QByteArray("hello world"));
    QCOMPARE(request.headerCount("x-two"), 2);
    QCOMPARE(server.requestsTo("/p").size(), 1);
    QVERIFY(readAnswer(socket, 12).startsWith("HTTP/1.1 404"));
}

void TestHttpServer::keepAliveRequestsInOrder()
{
    HttpServer server;
    QVERIFY(server.listen());
    HttpResponse slow;
    slow.body = "first";
    slow.delayMs = 100;
    server.route("/a", slow);
    HttpResponse quick;
    quick.body = "second";
    server.route("/b", quick);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /a HTTP/1.1\r\n\r\nPOST /b HTTP/1.1\r\nContent-Length: 2\r\n\r\nok");
    QVERIFY(server.waitForRequests(2));
    const QByteArray answers = readAnswer(socket, 150);
    QVERIFY(answers.indexOf("first") >= 0);
    QVERIFY(answers.indexOf("first") < answers.indexOf("second"));
    QCOMPARE(server.requests().at(1).body, QByteArray("ok"));
}

void TestHttpServer::scriptedAnswers()
{
    HttpServer server;
    QVERIFY(server.listen());
    HttpResponse early;
    early.body = QByteArray(100, 'x');
    early.closeEarly = true;
    server.route("/early", early);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /early HTTP/1.1\r\n\r\n");
    QVERIFY(server.waitForRequests(1));
    QTRY_COMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    const QByteArray answer = socket.readAll();
    QVERIFY(answer.contains("Content-Length: 100\r\n"));
    QVERIFY(answer.endsWith(QByteArray("\r\n\r\n" + QByteArray(50, 'x'))));
}

QTEST_GUILESS_MAIN(TestHttpServer)
#include "tst_httpserver.moc"
