#pragma once

#include "onlinebackend.h"

#include <QObject>
#include <QStringList>

class QThread;

namespace online {

// The network work of one window: the statistics posts and the fetches of
// the advertisement. All of it runs on a thread of its own, with the network
// stack loaded there from the online module: the window's thread never loads,
// waits for or works on any of it. The thread starts a moment after the first
// request, once the window has drawn itself and the encoder is under way;
// loading the network stack alongside would take a processor from both.
//
// Requests are carried out in the order they are made. Without a module, or
// without a server to talk to, requests are dropped and fetches answer with
// an empty body.
class OnlineServices : public QObject
{
    Q_OBJECT
public:
    // An empty factory stands for the backend of the online module (see
    // moduleFolders).
    explicit OnlineServices(const QUrl &statsServer, OnlineBackendFactory factory = {},
                            QObject *parent = nullptr);
    // Releases the requests still under way (on their thread) and ends it.
    ~OnlineServices() override;

    void sendUsage(const QString &appId, const QString &partId);
    void sendBugReport(const QString &appId, const QString &reportText);

    // A bounded GET of address; done runs on this object's thread with the
    // body, or with an empty one when the request failed, was cut off, or
    // could not be made. It never runs once this object is gone.
    void fetch(const QUrl &address, qint64 maxBytes,
               std::function<void(const QByteArray &body)> done);

    // How long after the first request the network thread starts.
    static constexpr int StartDelayMs = 100;

    // Whether any request has been made that needs the network thread (tests).
    bool isStarted() const;

    // Where the module is looked for, in this order: beside the program,
    // then in the folder it is installed to, relative to the program.
    static QStringList moduleFolders();

private:
    // A statistics post, sent on the network thread.
    void post(std::function<void(OnlineBackend &)> send);
    // Runs task on the network thread with the backend, made by the first
    // task; nullptr when none could be made.
    void onNetworkThread(std::function<void(OnlineBackend *)> task);

    QUrl m_statsServer;
    OnlineBackendFactory m_factory;
    QThread *m_thread = nullptr;
    QObject *m_threadContext = nullptr; // lives on m_thread
    // Made, used and destroyed on m_thread only.
    std::unique_ptr<OnlineBackend> m_backend;
    bool m_backendTried = false;
};

// Loads the online module from the first of folders that holds one and
// makes its backend; nullptr when no folder holds a module that loads.
std::unique_ptr<OnlineBackend> loadModuleBackend(const QStringList &folders,
                                                 const QUrl &statsServer);

} // namespace online
