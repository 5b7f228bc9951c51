#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

namespace online {

// What the program asks of the network. An implementation lives on one
// thread and is called and destroyed there only; its callbacks run on that
// thread too.
class OnlineBackend
{
public:
    virtual ~OnlineBackend() = default;

    // Posts to the statistics server (see ReportSender). done runs once the
    // post has been answered or has failed; it is not called once the
    // backend is gone.
    virtual void sendUsage(const QString &appId, const QString &partId,
                           std::function<void()> done) = 0;
    virtual void sendBugReport(const QString &appId, const QString &reportText,
                               std::function<void()> done) = 0;

    // A bounded GET (see boundedGet). done gets the body once the request has
    // ended, or an empty one when it failed or was cut off; it is not called
    // once the backend is gone.
    virtual void fetch(const QUrl &address, qint64 maxBytes,
                       std::function<void(const QByteArray &body)> done) = 0;
};

// Makes the backend that posts to the given statistics server; nullptr when
// none can be had (the program then simply stays offline).
using OnlineBackendFactory = std::function<std::unique_ptr<OnlineBackend>(const QUrl &statsServer)>;

// The versioned name of the function the online module exports:
//   extern "C" OnlineBackend *<name>(const QUrl &statsServer);
// A module built against another version of this interface has another name
// and is never called.
inline constexpr char OnlineModuleEntry[] = "tonewright_online_backend_v2";

} // namespace online
