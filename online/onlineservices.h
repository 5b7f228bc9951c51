#pragma once

#include "onlinebackend.h"
#include "reportsink.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>

class QThread;

namespace online {

// The network work of one window: the statistics posts and the fetches of
// the advertisement. All of it runs on a thread of its own, with the network
// stack loaded there from the online module: the window's thread never loads,
// waits for or works on any of it. The thread starts when the window asks
// for it to be prepared (as it is built) or with the first request, and
// loads the network stack first thing.
//
// Requests are carried out in the order they are made. Without a module, or
// without a server to talk to, requests are dropped and fetches answer with
// an empty body.
//
// The statistics posts are the one thing the program's end waits for (see
// settlePosts): they are what the statistics server learns of a run.
class OnlineServices : public QObject, public ReportSink
{
    Q_OBJECT
public:
    // An empty factory stands for the backend of the online module (see
    // moduleFolders).
    explicit OnlineServices(const QUrl &statsServer, OnlineBackendFactory factory = {},
                            QObject *parent = nullptr);
    // Releases the requests still under way (on their thread) and ends it.
    ~OnlineServices() override;

    // Starts the network thread and loads the network stack on it now, so
    // that the first request finds them ready. Nothing without a server.
    void prepare();

    void sendUsage(const QString &appId, const QString &partId) override;
    void sendBugReport(const QString &appId, const QString &reportText) override;

    // A bounded GET of address; done runs on this object's thread with the
    // body, or with an empty one when the request failed, was cut off, or
    // could not be made. It never runs once this object is gone.
    void fetch(const QUrl &address, qint64 maxBytes,
               std::function<void(const QByteArray &body)> done);

    // Runs the event loop until every post made so far has been answered or
    // has failed, or until the deadline; true when none is under way. Meant
    // for the end of the program, once its window is gone: fetches are not
    // waited for.
    bool settlePosts(QDeadlineTimer deadline);
    // The same without an event loop of its own: then runs once every post
    // made so far is done, or after graceMs, whichever comes first; at once
    // when none is under way.
    void whenPostsSettled(int graceMs, std::function<void()> then);
    int postsUnderWay() const;

    // Whether the network thread has been started (tests).
    bool isStarted() const;

    // Where the module is looked for, in this order: beside the program,
    // then in the folder it is installed to, relative to the program.
    static QStringList moduleFolders();

signals:
    // The last post under way is done.
    void postsSettled();

private:
    // A statistics post, sent on the network thread; the backend calls the
    // function it is given once the post is done.
    void post(std::function<void(OnlineBackend &, std::function<void()>)> send);
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
    int m_postsUnderWay = 0; // counted on this object's thread
};

// How long the program's end waits for its statistics posts at most.
inline constexpr int PostsGraceMs = 2000;

// Loads the online module from the first of folders that holds one and
// makes its backend; nullptr when no folder holds a module that loads.
std::unique_ptr<OnlineBackend> loadModuleBackend(const QStringList &folders,
                                                 const QUrl &statsServer);

} // namespace online
