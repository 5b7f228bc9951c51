#include "networkbackend.h"

#include "boundedget.h"
#include "reportsender.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace online {

namespace {

class NetworkBackend : public OnlineBackend
{
public:
    explicit NetworkBackend(const QUrl &statsServer)
        : m_reporter(m_manager, statsServer)
    {
    }

    void sendUsage(const QString &appId, const QString &partId, std::function<void()> done) override
    {
        m_reporter.sendUsage(appId, partId, std::move(done));
    }

    void sendBugReport(const QString &appId, const QString &reportText,
                       std::function<void()> done) override
    {
        m_reporter.sendBugReport(appId, reportText, std::move(done));
    }

    void fetch(const QUrl &address, qint64 maxBytes,
               std::function<void(const QByteArray &body)> done) override
    {
        QNetworkReply *reply = boundedGet(m_manager, address, maxBytes);
        if (!reply) {
            done(QByteArray());
            return;
        }
        QObject::connect(reply, &QNetworkReply::finished, &m_alive,
                         [reply, done = std::move(done)] {
                             reply->deleteLater();
                             done(takeBody(reply));
                         });
    }

private:
    // Destroyed in reverse order: m_alive goes first and takes the finished
    // connections with it, so that replies the manager deletes afterwards
    // call nobody back. One manager for posts and fetches: one network
    // thread, and a connection to a server both reach is shared.
    QNetworkAccessManager m_manager;
    ReportSender m_reporter;
    QObject m_alive;
};

} // namespace

std::unique_ptr<OnlineBackend> createNetworkBackend(const QUrl &statsServer)
{
    return std::make_unique<NetworkBackend>(statsServer);
}

} // namespace online
