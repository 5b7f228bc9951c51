#pragma once

#include <QString>

// Where usage records and bug reports are handed to be posted (the online
// services do it on their network thread): the engine that makes them
// knows nothing of the network.
class ReportSink
{
public:
    virtual ~ReportSink() = default;
    virtual void sendUsage(const QString &appId, const QString &partId) = 0;
    virtual void sendBugReport(const QString &appId, const QString &reportText) = 0;
};
