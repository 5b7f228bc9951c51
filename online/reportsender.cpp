#include "reportsender.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QUrl postAddress(const QUrl &base, const QString &path)
{
    QUrl url = base;
    QString basePath = base.path();
    while (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    url.setPath(basePath + path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

bool isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

ReportSender::ReportSender(const QUrl &serverBase)
    : m_serverBase(serverBase)
{
}

ReportSender::~ReportSender()
{
    // The manager deletes the replies still under way; their signals must not
    // reach the list, which is destroyed first.
    for (QNetworkReply *reply : std::as_const(replies))
        QObject::disconnect(reply, nullptr, &manager, nullptr);
}

void ReportSender::sendUsage(const QString &appId, const QString &partId)
{
    const QString form = QStringLiteral("appid=") + appId + QStringLiteral("&partid=") + partId;
    post(QStringLiteral("/statistics/usage.php"), form.toUtf8());
}

void ReportSender::sendBugReport(const QString &appId, const QString &reportText)
{
    const QByteArray form = QByteArrayLiteral("appid=") + appId.toUtf8() +
                            QByteArrayLiteral("&reportstring=") +
                            QUrl::toPercentEncoding(reportText);
    post(QStringLiteral("/statistics/bugreport.php"), form);
}

int ReportSender::pendingReplies() const
{
    return int(replies.size());
}

void ReportSender::post(const QString &path, const QByteArray &body)
{
    if (!isWebAddress(m_serverBase))
        return;
    QNetworkRequest request(postAddress(m_serverBase, path));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    QNetworkReply *reply = manager.post(request, body);
    replies.append(reply);
    // Nobody reads the answer; a long-lived sender releases each reply as soon
    // as it is done instead of keeping it until the sender goes.
    QObject::connect(reply, &QNetworkReply::finished, &manager, [this, reply] {
        replies.removeOne(reply);
        reply->deleteLater();
    });
}
