// The Linux launcher-entry shell against a real session bus (the test runner
// provides a private one). Without any bus the bus cases skip themselves.
#include "taskbarbutton.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using taskbar::TaskbarButton;
using taskbar::TaskbarProgressBar;

namespace {
const char LauncherInterface[] = "com.canonical.Unity.LauncherEntry";
const char LauncherPath[] = "/com/tonewright/LauncherEntry";
const char SentinelPath[] = "/sentinel";
const char NoBusAddress[] = "unix:path=/nonexistent";

// The registrations without a bus: one whose address points at nothing, and
// one that names none at all (no address, no socket in the runtime folder).
bool withoutBus()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/bus");
    return qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS") == QLatin1String(NoBusAddress);
}
} // namespace

class TestLauncherEntry : public QObject
{
    Q_OBJECT

public slots:
    // Only what this process sent: the suites run side by side on one bus,
    // and the programs other suites start send their own updates.
    void record(const QDBusMessage &message)
    {
        if (message.service() == QDBusConnection::sessionBus().baseService())
            m_received.append(message);
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void supportFoundInTheBackground();
    void updatesFollowTheStates();
    void progressIsAClampedFraction_data();
    void progressIsAClampedFraction();
    void nothingIsSentBeforeTheWindowIsShown();
    void aSecondShowChangesNothing();
    void withoutSessionBus();

private:
    // Every update sent so far, in order; a sentinel signal sent afterwards
    // on the same connection marks the end, as the bus keeps their order.
    QList<QVariantMap> updates();

    QList<QDBusMessage> m_received;
    bool m_hasBus = false;
};

void TestLauncherEntry::initTestCase()
{
    if (withoutBus())
        return;
    m_hasBus = QDBusConnection::sessionBus().isConnected();
    if (!m_hasBus)
        return;
    // A separate connection listens, so that delivery goes through the bus.
    QDBusConnection listener =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("listener"));
    QVERIFY(listener.connect(QString(), QString(), LauncherInterface, "Update", this,
                             SLOT(record(QDBusMessage))));
}

void TestLauncherEntry::init()
{
    const bool busCase = QByteArray(QTest::currentTestFunction()) != "withoutSessionBus";
    if (busCase && !m_hasBus)
        QSKIP("No session bus; run the suite through scripts/test");
    m_received.clear();
}

void TestLauncherEntry::cleanup()
{
    m_received.clear();
}

QList<QVariantMap> TestLauncherEntry::updates()
{
    QDBusMessage sentinel = QDBusMessage::createSignal(SentinelPath, LauncherInterface, "Update");
    sentinel << QString("application://sentinel.desktop") << QVariantMap();
    QDBusConnection::sessionBus().send(sentinel);
    const bool ended = QTest::qWaitFor(
        [this] { return !m_received.isEmpty() && m_received.last().path() == SentinelPath; },
        10000);
    if (!ended)
        return {QVariantMap{{"failure", "the sentinel signal never arrived"}}};
    m_received.removeLast();

    QList<QVariantMap> result;
    for (const QDBusMessage &message : std::as_const(m_received)) {
        [&] {
            QCOMPARE(message.path(), QString(LauncherPath));
            QCOMPARE(message.interface(), QString(LauncherInterface));
            QCOMPARE(message.member(), QString("Update"));
            QCOMPARE(message.signature(), QString("sa{sv}"));
            QCOMPARE(message.arguments().at(0).toString(),
                     QString("application://tonewright.desktop"));
        }();
        result.append(qdbus_cast<QVariantMap>(message.arguments().at(1)));
    }
    m_received.clear();
    return result;
}

void TestLauncherEntry::supportFoundInTheBackground()
{
    // As the program asks: started early, collected later; asked again, the
    // answer is the same.
    taskbar::checkTaskbarSupportInBackground();
    QVERIFY(taskbar::isTaskbarSupported());
    QVERIFY(taskbar::isTaskbarSupported());
}

void TestLauncherEntry::updatesFollowTheStates()
{
    QVERIFY(taskbar::isTaskbarSupported());
    QWidget window;
    TaskbarButton button(&window);
    TaskbarProgressBar *bar = button.progressBar();
    window.show();
    QVERIFY(button.isReady());

    const QVariantMap atThird{{"progress", 0.3}, {"progress-visible", true}};
    bar->setValue(30);
    bar->setState(TaskbarProgressBar::NormalProgress);
    QCOMPARE(updates(), QList<QVariantMap>({atThird, atThird}));

    bar->setState(TaskbarProgressBar::IndeterminateProgress);
    QCOMPARE(updates(), QList<QVariantMap>({atThird}));

    const QVariantMap full{{"progress", 1.0}, {"progress-visible", true}};
    QVariantMap failed = full;
    failed.insert("urgent", true);
    bar->setValue(100);
    bar->setState(TaskbarProgressBar::ErrorProgress);
    QCOMPARE(updates(), QList<QVariantMap>({full, failed}));

    bar->setState(TaskbarProgressBar::NoProgress);
    QCOMPARE(updates(),
             QList<QVariantMap>({QVariantMap{{"progress-visible", false}, {"urgent", false}}}));
}

void TestLauncherEntry::progressIsAClampedFraction_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("progress");
    QTest::newRow("half") << 0 << 200 << 100 << 0.5;
    QTest::newRow("offset range") << 10 << 110 << 35 << 0.25;
    QTest::newRow("beyond maximum") << 0 << 100 << 150 << 1.0;
    QTest::newRow("below minimum") << 0 << 100 << -1 << 0.0;
    QTest::newRow("empty range") << 0 << 0 << 5 << 0.0;
    QTest::newRow("inverted range") << 100 << 0 << 50 << 0.0;
}

void TestLauncherEntry::progressIsAClampedFraction()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(double, progress);

    QWidget window;
    TaskbarButton button(&window);
    window.show();
    button.progressBar()->setRange(minimum, maximum);
    button.progressBar()->setValue(value);
    const QList<QVariantMap> sent = updates();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).value("progress").toDouble(), progress);
}

void TestLauncherEntry::nothingIsSentBeforeTheWindowIsShown()
{
    QWidget window;
    TaskbarButton button(&window);
    button.progressBar()->setState(TaskbarProgressBar::IndeterminateProgress);
    button.progressBar()->setValue(10);
    QVERIFY(!button.isReady());

    // A button that serves no window never becomes ready.
    TaskbarButton orphan(nullptr);
    orphan.progressBar()->setValue(10);
    QVERIFY(!orphan.isReady());
    QVERIFY(updates().isEmpty());
}

void TestLauncherEntry::aSecondShowChangesNothing()
{
    QWidget window;
    TaskbarButton button(&window);
    QSignalSpy ready(&button, &TaskbarButton::shellReady);
    window.show();
    window.hide();
    window.show();
    QCOMPARE(ready.count(), 1);
    QVERIFY(updates().isEmpty());
}

void TestLauncherEntry::withoutSessionBus()
{
    if (!withoutBus())
        QSKIP("Runs in its own registrations, without a bus");
    taskbar::checkTaskbarSupportInBackground();
    QVERIFY(!taskbar::isTaskbarSupported());
    QVERIFY(!taskbar::isTaskbarSupported());
    QWidget window;
    TaskbarButton button(&window);
    window.show();
    TaskbarProgressBar *bar = button.progressBar();
    bar->setValue(50);
    bar->setState(TaskbarProgressBar::ErrorProgress);
    QVERIFY(!button.isReady());
    QCOMPARE(bar->value(), -1);
    QCOMPARE(bar->state(), TaskbarProgressBar::NoProgress);
}

QTEST_MAIN(TestLauncherEntry)
#include "tst_launcherentry.moc"
