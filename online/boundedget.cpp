#include "boundedget.h"
#include "weburl.h"


#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace online {

namespace {

const char AbortReasonProperty[] = "tw_boundedGetAbortReason";
const char CollectorName[] = "tw_boundedGetBody";

// Qt keeps at most this much of a reply unread: the transfer waits for us,
// so the limit is checked as the data arrives rather than after the stack
// has buffered all the server cares to send. (A buffer the size of the limit
// would stall the transfer at the limit and leave only the deadline to end it.)
constexpr qint64 ReadBufferBytes = 64 << 10;

// Collects the body of one reply as it arrives; a child of the reply.
class BodyCollector : public QObject
{
public:
    BodyCollector(QNetworkReply *reply, qint64 maxBytes)
        : QObject(reply)
        , m_reply(reply)
        , m_maxBytes(maxBytes)
    {
        setObjectName(QLatin1String(CollectorName));
    }

    // Moves what has arrived into the body; false, keeping nothing, once the
    // body would pass the limit.
    bool collect()
    {
        const qint64 available = m_reply->bytesAvailable();
        if (available > m_maxBytes - body.size()) {
            body.clear();
            return false;
        }
        if (available > 0)
            body += m_reply->read(available);
        return true;
    }

    QByteArray body;

private:
    QNetworkReply *m_reply;
    qint64 m_maxBytes;
};

void abortFor(QNetworkReply *reply, AbortReason reason)
{
    if (!reply->isRunning())
        return;
    reply->setProperty(AbortReasonProperty, int(reason));
    reply->abort();
}

bool isSuccessStatus(const QNetworkReply *reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() && status.toInt() >= 200 && status.toInt() <= 299;
}

} // namespace

QNetworkReply *boundedGet(QNetworkAccessManager &manager, const QUrl &url, qint64 maxBytes,
                          int timeoutMs)
{
    if (!weburl::isWebAddress(url))
        return nullptr;

    QNetworkRequest request(url);
    // Redirects may only stay on http/https and never go from https to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply *reply = manager.get(request);
    reply->setReadBufferSize(ReadBufferBytes);
    auto *collector = new BodyCollector(reply, maxBytes);

    // The server is untrusted: a declared or delivered body past the limit is
    // cut off at once rather than buffered.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes)
            abortFor(reply, AbortReason::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, collector, [reply, collector] {
        if (reply->isRunning() && !collector->collect())
            abortFor(reply, AbortReason::TooLarge);
    });

    // A whole-request deadline: an inactivity timeout alone would let a server
    // that drips a byte now and then hold the request open for ever.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply,
                     [reply] { abortFor(reply, AbortReason::TimedOut); });
    QObject::connect(reply, &QNetworkReply::finished, deadline, &QTimer::stop);
    deadline->start(qMax(0, timeoutMs));
    return reply;
}

QByteArray takeBody(QNetworkReply *reply)
{
    if (!reply || !reply->isFinished())
        return QByteArray();
    auto *collector = static_cast<BodyCollector *>(
        reply->findChild<QObject *>(QLatin1String(CollectorName), Qt::FindDirectChildrenOnly));
    if (!collector)
        return QByteArray();
    // The last piece may arrive together with finished().
    if (!collector->collect())
        return QByteArray();
    QByteArray body = std::move(collector->body);
    collector->body.clear();
    // A failed, refused, cut-off or undecodable answer is no document and no
    // picture, whatever part of it arrived.
    if (reply->error() != QNetworkReply::NoError || abortReason(reply) != AbortReason::None ||
        !isSuccessStatus(reply))
        return QByteArray();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && !reply->hasRawHeader("Content-Encoding") &&
        body.size() < length.toLongLong())
        return QByteArray();
    return body;
}

AbortReason abortReason(const QNetworkReply *reply)
{
    if (!reply)
        return AbortReason::None;
    return AbortReason(reply->property(AbortReasonProperty).toInt());
}

} // namespace online
