#include "reportsender.h"

#include "weburl.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

ReportSender::ReportSender(QNetworkAccessManager &manager, const QUrl &serverBase, int timeoutMs)
    : m_manager(manager)
    , m_serverBase(serverBase)
    , m_timeoutMs(timeoutMs)
{
}

ReportSender::~ReportSender()
{
    // The posts still under way end with the sender; the manager deletes
    // their replies.
    for (QNetworkReply *reply : std::as_const(replies)) {
        QObject::disconnect(reply, nullptr, &m_alive, nullptr);
        reply->abort();
    }
}

void ReportSender::sendUsage(const QString &appId, const QString &partId,
                             std::function<void()> done)
{
    const QByteArray form = QByteArrayLiteral("appid=") + QUrl::toPercentEncoding(appId) +
                            QByteArrayLiteral("&partid=") + QUrl::toPercentEncoding(partId);
    post(QStringLiteral("/statistics/usage.php"), form, std::move(done));
}

void ReportSender::sendBugReport(const QString &appId, const QString &reportText,
                                 std::function<void()> done)
{
    const QByteArray form = QByteArrayLiteral("appid=") + QUrl::toPercentEncoding(appId) +
                            QByteArrayLiteral("&reportstring=") +
                            QUrl::toPercentEncoding(reportText);
    post(QStringLiteral("/statistics/bugreport.php"), form, std::move(done));
}

int ReportSender::pendingReplies() const
{
    return int(replies.size());
}

void ReportSender::post(const QString &path, const QByteArray &body, std::function<void()> done)
{
    if (!weburl::isWebAddress(m_serverBase)) {
        if (done)
            done();
        return;
    }
    QNetworkRequest request(weburl::withPath(m_serverBase, path));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    // Whatever the server answers, the post has arrived; an answer is never followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply *reply = m_manager.post(request, body);
    replies.append(reply);
    // Nothing of the answer is kept: the server may send any amount.
    reply->setReadBufferSize(4096);

    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(qMax(0, m_timeoutMs));
    // The status line is all we wait for; the rest of the answer is cut off
    // (from the event loop: the network stack is not done with the reply yet).
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
        QMetaObject::invokeMethod(
            reply,
            [reply] {
                // An error answer may have ended it meanwhile.
                if (reply->isRunning() && reply->error() == QNetworkReply::NoError)
                    reply->abort();
            },
            Qt::QueuedConnection);
    });
    QObject::connect(reply, &QNetworkReply::finished, &m_alive,
                     [this, reply, done = std::move(done)] {
                         replies.removeOne(reply);
                         reply->deleteLater();
                         if (done)
                             done();
                     });
}
