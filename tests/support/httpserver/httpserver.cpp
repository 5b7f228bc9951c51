#include "httpserver.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace twtest {

namespace {

const QByteArray HeaderEnd = "\r\n\r\n";

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return QByteArray();
}

int HttpRequest::headerCount(const QByteArray &name) const
{
    int count = 0;
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            ++count;
    }
    return count;
}

HttpServer::HttpServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    m_fallback.status = 404;
    m_fallback.body = "not found";
    connect(m_server, &QTcpServer::newConnection, this, &HttpServer::acceptConnections);
}

HttpServer::~HttpServer()
{
    for (auto it = m_connections.keyBegin(); it != m_connections.keyEnd(); ++it)
        (*it)->disconnect(this);
}

bool HttpServer::listen(quint16 port)
{
    return m_server->listen(QHostAddress(QHostAddress::LocalHost), port);
}

quint16 HttpServer::port() const
{
    return m_server->serverPort();
}

QUrl HttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port()));
}

QUrl HttpServer::url(const QString &path) const
{
    return QUrl(baseUrl().toString() + path);
}

void HttpServer::route(const QByteArray &path, const HttpResponse &response)
{
    m_routes.insert(path, response);
}

void HttpServer::setFallback(const HttpResponse &response)
{
    m_fallback = response;
}

QList<HttpRequest> HttpServer::requestsTo(const QByteArray &path) const
{
    QList<HttpRequest> matching;
    for (const HttpRequest &request : m_requests) {
        if (request.path == path || request.path.startsWith(QByteArray(path + '?')))
            matching.append(request);
    }
    return matching;
}

bool HttpServer::waitForRequests(int count, int timeoutMs)
{
    if (m_requests.size() >= count)
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &HttpServer::requestReceived, &loop, [&] {
        if (m_requests.size() >= count)
            loop.quit();
    });
    timer.start(timeoutMs);
    loop.exec();
    return m_requests.size() >= count;
}

void HttpServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        m_connections.insert(socket, Connection());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_connections.remove(socket);
            socket->deleteLater();
        });
    }
}

void HttpServer::readFrom(QTcpSocket *socket)
{
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    it->buffer.append(socket->readAll());
    while (!it->busy) {
        const qsizetype headerEnd = it->buffer.indexOf(HeaderEnd);
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = it->buffer.left(headerEnd).split('\n');
        HttpRequest request;
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        request.path = requestLine.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
        const qint64 length = request.header("Content-Length").toLongLong();
        const qsizetype bodyStart = headerEnd + HeaderEnd.size();
        if (it->buffer.size() - bodyStart < length)
            return; // the rest of the body is still on its way
        request.body = it->buffer.mid(bodyStart, length);
        it->buffer.remove(0, bodyStart + length);
        it->busy = true;

        const qsizetype query = request.path.indexOf('?');
        const QByteArray routePath = query < 0 ? request.path : request.path.left(query);
        const HttpResponse response = m_routes.value(routePath, m_fallback);
        m_requests.append(request);
        emit requestReceived(request);
        if (response.stall)
            return;
        if (response.delayMs > 0) {
            QTimer::singleShot(response.delayMs, socket,
                               [=] { answer(socket, request, response); });
            return;
        }
        answer(socket, request, response);
        it = m_connections.find(socket);
        if (it == m_connections.end())
            return;
    }
}

void HttpServer::answer(QTcpSocket *socket, const HttpRequest &request,
                        const HttpResponse &response)
{
    const bool close = response.closeEarly || response.omitContentLength ||
                       request.header("Connection").toLower() == "close";
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                      reasonPhrase(response.status) + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    if (response.streamBytes > 0)
        head += "Transfer-Encoding: chunked\r\n";
    else if (!response.omitContentLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += close ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    for (const auto &h : response.extraHeaders)
        head += h.first + ": " + h.second + "\r\n";
    head += "\r\n";
    socket->write(head);

    if (response.streamBytes > 0) {
        // Written only as the socket drains: the client's reading sets the pace.
        connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] {
            const qint64 rest = socket->property("tw_streamRest").toLongLong();
            if (rest > 0 && socket->bytesToWrite() == 0)
                stream(socket, rest);
        });
        stream(socket, response.streamBytes);
        return;
    }
    if (response.dripIntervalMs > 0) {
        drip(socket, response.body, response);
        return;
    }
    if (response.closeEarly)
        socket->write(response.body.left(response.body.size() / 2));
    else
        socket->write(response.body);
    answerDone(socket, close);
}

void HttpServer::drip(QTcpSocket *socket, QByteArray rest, const HttpResponse &response)
{
    socket->write(rest.left(qMax(1, response.dripBytes)));
    rest.remove(0, qMax(1, response.dripBytes));
    if (rest.isEmpty()) {
        answerDone(socket, response.omitContentLength);
        return;
    }
    QTimer::singleShot(response.dripIntervalMs, socket,
                       [this, socket, rest, response] { drip(socket, rest, response); });
}

void HttpServer::stream(QTcpSocket *socket, qint64 rest)
{
    const qint64 piece = qMin<qint64>(rest, 64 << 10);
    socket->write(QByteArray::number(piece, 16) + "\r\n" + QByteArray(piece, 's') + "\r\n");
    m_streamed.fetchAndAddRelaxed(piece);
    rest -= piece;
    socket->setProperty("tw_streamRest", rest);
    if (rest == 0) {
        socket->write("0\r\n\r\n");
        answerDone(socket, true);
    }
}

void HttpServer::answerDone(QTcpSocket *socket, bool close)
{
    if (close) {
        socket->disconnectFromHost();
        return;
    }
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    it->busy = false;
    // A request that arrived while this one was answered is served now.
    if (!it->buffer.isEmpty())
        QTimer::singleShot(0, socket, [this, socket] { readFrom(socket); });
}

} // namespace twtest
