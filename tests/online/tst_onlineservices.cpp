#include "httpserver.h"
#include "onlineservices.h"

#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using online::OnlineBackend;
using online::OnlineServices;

// The thread that carries out the program's network requests: order, the
// threads things run on, shutdown with requests under way, and loading the
// online module.
namespace {

// What the fake backend saw, shared with the test across threads.
struct Journal
{
    QMutex mutex;
    QStringList calls;
    QList<QThread *> threads;
    std::function<void(const QByteArray &)> heldAnswer; // a fetch left unanswered
    std::function<void()> heldPost;                     // a post left unanswered
    bool destroyed = false;

    void record(const QString &call)
    {
        QMutexLocker lock(&mutex);
        calls << call;
        threads << QThread::currentThread();
    }
};

class FakeBackend : public OnlineBackend
{
public:
    explicit FakeBackend(Journal &journal)
        : m_journal(journal)
    {
    }
    ~FakeBackend() override
    {
        QMutexLocker lock(&m_journal.mutex);
        m_journal.destroyed = true;
        m_journal.threads << QThread::currentThread();
    }
    void sendUsage(const QString &appId, const QString &partId, std::function<void()> done) override
    {
        m_journal.record("usage " + appId + " " + partId);
        if (partId == "hold") {
            QMutexLocker lock(&m_journal.mutex);
            m_journal.heldPost = done;
            return;
        }
        done();
    }
    void sendBugReport(const QString &appId, const QString &reportText,
                       std::function<void()> done) override
    {
        m_journal.record("bug " + appId + " " + reportText);
        done();
    }
    void fetch(const QUrl &address, qint64 maxBytes,
               std::function<void(const QByteArray &)> done) override
    {
        m_journal.record("fetch " + address.toString() + " " + QString::number(maxBytes));
        if (address.path() == "/hold") {
            QMutexLocker lock(&m_journal.mutex);
            m_journal.heldAnswer = done;
            return;
        }
        done("body of " + address.path().toUtf8());
    }

private:
    Journal &m_journal;
};

const QUrl StatsServer("http://stats.test");

} // namespace

class TestOnlineServices : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void requestsRunInOrderOnTheNetworkThread();
    void nothingStartsWithoutAServer();
    void noBackendStillAnswersFetches();
    void destroyedWithAFetchUnderWay();
    void settlePosts_data();
    void settlePosts();
    void moduleLoadedFromTheFirstFolderHoldingIt();
    void brokenModuleIsRefused();

private:
    std::unique_ptr<Journal> m_journal;
    online::OnlineBackendFactory m_fake; // records into m_journal
};

void TestOnlineServices::init()
{
    m_journal = std::make_unique<Journal>();
    Journal *journal = m_journal.get();
    m_fake = [journal](const QUrl &) { return std::make_unique<FakeBackend>(*journal); };
}

void TestOnlineServices::requestsRunInOrderOnTheNetworkThread()
{
    QStringList answers;
    QList<QThread *> answerThreads;
    {
        OnlineServices services(StatsServer, m_fake);
        QVERIFY(!services.isStarted());
        services.sendUsage("tonewright", "main");
        services.fetch(QUrl("http://ads.test/doc"), 1024, [&](const QByteArray &body) {
            answers << QString::fromUtf8(body);
            answerThreads << QThread::currentThread();
        });
        services.sendBugReport("tonewright", "args##text");
        QVERIFY(services.isStarted());
        // Nothing is answered at once, even when the backend answers at once.
        QVERIFY(answers.isEmpty());
        QTRY_COMPARE(answers, QStringList{"body of /doc"});
        QTRY_COMPARE(m_journal->calls.size(), 3);
    }
    QCOMPARE(m_journal->calls,
             QStringList({"usage tonewright main", "fetch http://ads.test/doc 1024",
                          "bug tonewright args##text"}));
    QCOMPARE(answerThreads, QList<QThread *>{QThread::currentThread()});
    // One thread, not this one, made every call and destroyed the backend.
    QVERIFY(m_journal->destroyed);
    QCOMPARE(m_journal->threads.size(), 4);
    for (QThread *thread : std::as_const(m_journal->threads)) {
        QCOMPARE(thread, m_journal->threads.first());
        QVERIFY(thread != QThread::currentThread());
    }
}

void TestOnlineServices::nothingStartsWithoutAServer()
{
    OnlineServices services(QUrl(), m_fake);
    services.prepare();
    services.sendUsage("tonewright", "main");
    services.sendBugReport("tonewright", "text");
    QByteArray answer = "none yet";
    services.fetch(QUrl("file:///etc/passwd"), 1024,
                   [&](const QByteArray &body) { answer = body; });
    QTRY_COMPARE(answer, QByteArray());
    QVERIFY(!services.isStarted());
    QVERIFY(m_journal->calls.isEmpty());
}

void TestOnlineServices::noBackendStillAnswersFetches()
{
    OnlineServices services(StatsServer, [](const QUrl &) { return nullptr; });
    services.sendUsage("tonewright", "main");
    QByteArray answer = "none yet";
    services.fetch(QUrl("http://ads.test/doc"), 1024,
                   [&](const QByteArray &body) { answer = body; });
    QTRY_COMPARE(answer, QByteArray());
}

void TestOnlineServices::destroyedWithAFetchUnderWay()
{
    bool answered = false;
    {
        OnlineServices services(StatsServer, m_fake);
        services.fetch(QUrl("http://ads.test/hold"), 1024,
                       [&](const QByteArray &) { answered = true; });
        QTRY_VERIFY(m_journal->heldAnswer != nullptr);
    }
    // The backend went with it, on its own thread, and nothing was answered.
    QVERIFY(m_journal->destroyed);
    QVERIFY(m_journal->threads.last() != QThread::currentThread());
    QTest::qWait(50);
    QVERIFY(!answered);
}

void TestOnlineServices::settlePosts_data()
{
    QTest::addColumn<QStringList>("partIds");
    QTest::addColumn<bool>("settled");
    QTest::newRow("nothing posted") << QStringList() << true;
    QTest::newRow("answered") << QStringList{"main", "gui"} << true;
    QTest::newRow("one unanswered") << QStringList{"main", "hold"} << false;
}

void TestOnlineServices::settlePosts()
{
    QFETCH(QStringList, partIds);
    QFETCH(bool, settled);
    OnlineServices services(StatsServer, m_fake);
    for (const QString &partId : partIds)
        services.sendUsage("tonewright", partId);
    services.sendBugReport("tonewright", "text");
    QCOMPARE(services.settlePosts(QDeadlineTimer(settled ? 60000 : 200)), settled);
    QCOMPARE(services.postsUnderWay(), settled ? 0 : 1);
    QCOMPARE(m_journal->calls.size(), partIds.size() + 1);
}

void TestOnlineServices::moduleLoadedFromTheFirstFolderHoldingIt()
{
    twtest::HttpServer server;
    QVERIFY(server.listen());
    QTemporaryDir empty;
    const QStringList folders{empty.path(), QStringLiteral(TW_ONLINE_MODULE_DIR)};
    OnlineServices services(server.baseUrl(), [folders](const QUrl &statsServer) {
        return online::loadModuleBackend(folders, statsServer);
    });
    services.sendUsage("tonewright", "main");
    QVERIFY(server.waitForRequests(1));
    QCOMPARE(server.requests().first().path, QByteArray("/statistics/usage.php"));
    QCOMPARE(server.requests().first().body, QByteArray("appid=tonewright&partid=main"));

    QVERIFY(online::loadModuleBackend({empty.path()}, server.baseUrl()) == nullptr);
}

void TestOnlineServices::brokenModuleIsRefused()
{
    QTemporaryDir folder;
    QFile fake(folder.filePath(QFileInfo(QStringLiteral(TW_ONLINE_MODULE_FILE)).fileName()));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("\x7f"
               "ELF but nothing more");
    fake.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Online services unavailable:"));
    QVERIFY(online::loadModuleBackend({folder.path()}, StatsServer) == nullptr);
}

QTEST_GUILESS_MAIN(TestOnlineServices)
#include "tst_onlineservices.moc"
