#include "onlineservices.h"
#include "weburl.h"


#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>
#include <QTimer>
#include <climits>

namespace online {

OnlineServices::OnlineServices(const QUrl &statsServer, OnlineBackendFactory factory,
                               QObject *parent)
    : QObject(parent)
    , m_statsServer(statsServer)
    , m_factory(std::move(factory))
{
    if (!m_factory) {
        const QStringList folders = moduleFolders();
        m_factory = [folders](const QUrl &server) { return loadModuleBackend(folders, server); };
    }
}

OnlineServices::~OnlineServices()
{
    if (!m_thread)
        return;
    if (m_thread->isRunning()) {
        // The backend and its replies belong to the network thread; nothing
        // it posts back can arrive after this, and what it posted already is
        // discarded with this object.
        QMetaObject::invokeMethod(
            m_threadContext, [this] { m_backend.reset(); }, Qt::BlockingQueuedConnection);
        m_thread->quit();
        m_thread->wait();
    }
    // Requests still waiting for the thread to start go with its context.
    delete m_threadContext;
    delete m_thread;
}

void OnlineServices::prepare()
{
    if (weburl::isWebAddress(m_statsServer))
        onNetworkThread([](OnlineBackend *) {});
}

void OnlineServices::sendUsage(const QString &appId, const QString &partId)
{
    post([appId, partId](OnlineBackend &backend, std::function<void()> done) {
        backend.sendUsage(appId, partId, std::move(done));
    });
}

void OnlineServices::sendBugReport(const QString &appId, const QString &reportText)
{
    post([appId, reportText](OnlineBackend &backend, std::function<void()> done) {
        backend.sendBugReport(appId, reportText, std::move(done));
    });
}

void OnlineServices::post(std::function<void(OnlineBackend &, std::function<void()>)> send)
{
    // Without a statistics server there is nothing to post to, and no thread starts.
    if (!weburl::isWebAddress(m_statsServer))
        return;
    ++m_postsUnderWay;
    // Counted back here, from the event loop; never once this object is gone.
    auto done = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (--m_postsUnderWay == 0)
                    emit postsSettled();
            },
            Qt::QueuedConnection);
    };
    onNetworkThread([send = std::move(send), done](OnlineBackend *backend) {
        if (backend)
            send(*backend, done);
        else
            done();
    });
}

bool OnlineServices::settlePosts(QDeadlineTimer deadline)
{
    if (m_postsUnderWay == 0)
        return true;
    QEventLoop loop;
    connect(this, &OnlineServices::postsSettled, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // An application-wide exit also ends nested loops, and a timer may fire
    // a little early: wait on until the posts are done or the deadline has passed.
    while (m_postsUnderWay > 0 && !deadline.hasExpired()) {
        if (!deadline.isForever())
            timer.start(int(qBound(qint64(1), deadline.remainingTime(), qint64(INT_MAX))));
        loop.exec();
    }
    return m_postsUnderWay == 0;
}

void OnlineServices::whenPostsSettled(int graceMs, std::function<void()> then)
{
    if (m_postsUnderWay == 0) {
        then();
        return;
    }
    auto once = std::make_shared<std::function<void()>>(std::move(then));
    const auto run = [once] {
        if (*once)
            std::exchange(*once, {})();
    };
    connect(this, &OnlineServices::postsSettled, this, run, Qt::SingleShotConnection);
    QTimer::singleShot(graceMs, Qt::PreciseTimer, this, run);
}

int OnlineServices::postsUnderWay() const
{
    return m_postsUnderWay;
}

void OnlineServices::fetch(const QUrl &address, qint64 maxBytes,
                           std::function<void(const QByteArray &body)> done)
{
    // Answered from here, so that the caller sees every answer arrive the
    // same way: later, from the event loop.
    auto answer = [this, done = std::move(done)](const QByteArray &body) {
        QMetaObject::invokeMethod(
            this, [done, body] { done(body); }, Qt::QueuedConnection);
    };
    if (!weburl::isWebAddress(address)) {
        answer(QByteArray());
        return;
    }
    onNetworkThread([address, maxBytes, answer](OnlineBackend *backend) {
        if (backend)
            backend->fetch(address, maxBytes, answer);
        else
            answer(QByteArray());
    });
}

bool OnlineServices::isStarted() const
{
    return m_thread != nullptr;
}

void OnlineServices::onNetworkThread(std::function<void(OnlineBackend *)> task)
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("online"));
        m_threadContext = new QObject;
        m_threadContext->moveToThread(m_thread);
        m_thread->start();
    }
    QMetaObject::invokeMethod(
        m_threadContext,
        [this, task = std::move(task)] {
            if (!m_backendTried) {
                m_backendTried = true;
                m_backend = m_factory(m_statsServer);
            }
            task(m_backend.get());
        },
        Qt::QueuedConnection);
}

QStringList OnlineServices::moduleFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QLatin1Char('/') +
                                           QLatin1String(TONEWRIGHT_ONLINE_MODULE_RELATIVE_DIR))};
}

std::unique_ptr<OnlineBackend> loadModuleBackend(const QStringList &folders,
                                                 const QUrl &statsServer)
{
    using Entry = OnlineBackend *(*)(const QUrl &);
    for (const QString &folder : folders) {
        const QString file =
            folder + QLatin1Char('/') + QLatin1String(TONEWRIGHT_ONLINE_MODULE_FILE);
        if (!QFileInfo(file).isFile())
            continue;
        // Stays loaded for the rest of the process: its code runs until then.
        QLibrary module(file);
        const auto entry = reinterpret_cast<Entry>(module.resolve(OnlineModuleEntry));
        if (!entry) {
            qWarning().noquote() << "Online services unavailable:" << module.errorString();
            continue;
        }
        return std::unique_ptr<OnlineBackend>(entry(statsServer));
    }
    return nullptr;
}

} // namespace online
