// Stand-in until the statistics sender lands: sends nothing.
#include "reportsender.h"

#include <QRandomGenerator>

ReportSender::ReportSender(const QUrl &serverBase) : m_serverBase(serverBase) {}
ReportSender::~ReportSender() = default;
void ReportSender::sendUsage(const QString &, const QString &) {}
void ReportSender::sendBugReport(const QString &, const QString &) {}

QString randomString(int n, const QString &)
{
    static const char alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QString result;
    for (int i = 0; i < n; ++i)
        result += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(62)]);
    return result;
}
