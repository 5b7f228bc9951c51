#pragma once

#include <QAtomicInteger>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace twtest {

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// One request as it arrived: method, path (with any query), headers in order
// and the whole body (read by Content-Length, across as many packets as needed).
struct HttpRequest
{
    QByteArray method;
    QByteArray path;
    HttpHeaders headers;
    QByteArray body;

    // The first header of that name, compared without case; null when absent.
    QByteArray header(const QByteArray &name) const;
    int headerCount(const QByteArray &name) const;
};

// What the server answers on a path.
struct HttpResponse
{
    int status = 200;
    QByteArray contentType = "text/plain";
    QByteArray body;
    HttpHeaders extraHeaders;
    int delayMs = 0;                // wait this long before answering
    bool stall = false;             // never answer; keep the connection open
    bool closeEarly = false;        // declare the whole body, send half, close
    bool omitContentLength = false; // no Content-Length: send the body, then close
    int dripIntervalMs = 0;         // > 0: send the body dripBytes at a time at this pace
    int dripBytes = 1;
    // > 0: instead of body, this many bytes made up as the client takes
    // them, sent chunked; what was handed to the socket is counted.
    qint64 streamBytes = 0;

    static HttpResponse withStatus(int status)
    {
        HttpResponse response;
        response.status = status;
        return response;
    }
    static HttpResponse stalled()
    {
        HttpResponse response;
        response.stall = true;
        return response;
    }
};

// A scripted HTTP/1.1 server on 127.0.0.1 for tests. Answers come from the
// routes (exact path without the query), else from the fallback (404).
// Connections are kept alive unless an answer closes them.
class HttpServer : public QObject
{
    Q_OBJECT
public:
    explicit HttpServer(QObject *parent = nullptr);
    ~HttpServer() override;

    // Listens on 127.0.0.1; port 0 picks a free one.
    bool listen(quint16 port = 0);
    quint16 port() const;
    // "http://127.0.0.1:<port>"; url("/a") appends a path.
    QUrl baseUrl() const;
    QUrl url(const QString &path) const;

    void route(const QByteArray &path, const HttpResponse &response);
    void setFallback(const HttpResponse &response);

    QList<HttpRequest> requests() const { return m_requests; }
    QList<HttpRequest> requestsTo(const QByteArray &path) const;
    void clearRequests() { m_requests.clear(); }
    int openConnections() const { return int(m_connections.size()); }
    // Bytes of streamed bodies handed to the socket so far (any thread).
    qint64 streamedBytes() const { return m_streamed.loadRelaxed(); }

    // Runs the event loop until count requests have arrived in all, or the time is up.
    bool waitForRequests(int count, int timeoutMs = 5000);

signals:
    void requestReceived(const twtest::HttpRequest &request);

private:
    struct Connection
    {
        QByteArray buffer;
        bool busy = false; // an answer is pending: later requests wait
    };

    void acceptConnections();
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const HttpRequest &request, const HttpResponse &response);
    void drip(QTcpSocket *socket, QByteArray rest, const HttpResponse &response);
    void answerDone(QTcpSocket *socket, bool close);
    void stream(QTcpSocket *socket, qint64 rest);

    QTcpServer *m_server;
    QHash<QByteArray, HttpResponse> m_routes;
    HttpResponse m_fallback;
    QList<HttpRequest> m_requests;
    QHash<QTcpSocket *, Connection> m_connections;
    QAtomicInteger<qint64> m_streamed = 0;
};

} // namespace twtest
