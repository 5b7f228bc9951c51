#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Fire-and-forget posts of usage statistics and bug reports: form posts to
// "/statistics/usage.php" and "/statistics/bugreport.php" on the statistics
// server. Nothing reads the answers and nothing is shown about them: a post
// is done once the server's answer has begun (its body is never read), once
// it has failed, or at its deadline.
class ReportSender
{
public:
    // Posts through manager, which outlives the sender. serverBase: scheme,
    // host and optional port of the statistics server; an empty URL (or one
    // that is not http or https) sends nothing.
    ReportSender(QNetworkAccessManager &manager, const QUrl &serverBase,
                 int timeoutMs = DefaultTimeoutMs);
    ~ReportSender();
    ReportSender(const ReportSender &) = delete;
    ReportSender &operator=(const ReportSender &) = delete;

    static constexpr int DefaultTimeoutMs = 30000;

    // done, when given, runs once the post is done, also when nothing could
    // be sent; it does not run once the sender is gone.
    void sendUsage(const QString &appId, const QString &partId,
                   std::function<void()> done = nullptr);
    void sendBugReport(const QString &appId, const QString &reportText,
                       std::function<void()> done = nullptr);

    // Posts still under way; a finished post's reply is released at once.
    int pendingReplies() const;

private:
    void post(const QString &path, const QByteArray &body, std::function<void()> done);

    QNetworkAccessManager &m_manager;
    QUrl m_serverBase;
    int m_timeoutMs;
    QList<QNetworkReply *> replies;
    // What the replies call back goes with the sender.
    QObject m_alive;
};
