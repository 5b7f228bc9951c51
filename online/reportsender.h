#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

class QNetworkReply;

// Fire-and-forget posts of usage statistics and bug reports.
class ReportSender
{
public:
    // serverBase: scheme, host and optional port of the statistics server;
    // an empty URL sends nothing.
    explicit ReportSender(const QUrl &serverBase);
    ~ReportSender();
    ReportSender(const ReportSender &) = delete;
    ReportSender &operator=(const ReportSender &) = delete;

    void sendUsage(const QString &appId, const QString &partId);
    void sendBugReport(const QString &appId, const QString &reportText);

private:
    QUrl m_serverBase;
    QNetworkAccessManager manager;
    QList<QNetworkReply *> replies;
};

// n characters drawn from [0-9A-Za-z]; with a seed, its SHA-1 in hex and "_" first.
QString randomString(int n, const QString &seed);
