#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

class QNetworkReply;

// Fire-and-forget posts of usage statistics and bug reports: form posts to
// "/statistics/usage.php" and "/statistics/bugreport.php" on the statistics
// server. Nothing reads the answers and nothing is shown about them.
class ReportSender
{
public:
    // serverBase: scheme, host and optional port of the statistics server;
    // an empty URL (or one that is not http or https) sends nothing.
    explicit ReportSender(const QUrl &serverBase);
    ~ReportSender();
    ReportSender(const ReportSender &) = delete;
    ReportSender &operator=(const ReportSender &) = delete;

    void sendUsage(const QString &appId, const QString &partId);
    void sendBugReport(const QString &appId, const QString &reportText);

    // Posts still under way; a finished post's reply is released at once.
    int pendingReplies() const;

private:
    void post(const QString &path, const QByteArray &body);

    QUrl m_serverBase;
    QNetworkAccessManager manager;
    QList<QNetworkReply *> replies;
};
