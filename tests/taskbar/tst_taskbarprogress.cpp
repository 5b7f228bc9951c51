// The platform-neutral progress rules, driven through a recording shell.
#include "fakeshell.h"
#include "taskbarbutton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <climits>

using taskbar::FakeShell;
using taskbar::TaskbarButton;
using taskbar::TaskbarProgressBar;

class TestTaskbarProgress : public QObject
{
    Q_OBJECT

private slots:
    void requestsBeforeReadinessAreLost();
    void readinessHappensOnce();
    void valueIsSentAsDifferences_data();
    void valueIsSentAsDifferences();
    void boundsReachTheShellWithTheNextValue();
    void statesAreStoredOnlyWhenReady_data();
    void statesAreStoredOnlyWhenReady();
    void droppedRequestsEmitNothing();
    void nullBackendDropsEverything();
    void nativeEventsReachTheShellAndAreNotConsumed();
    void buttonGoesWithItsWindow();
};

void TestTaskbarProgress::requestsBeforeReadinessAreLost()
{
    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window);
    QCOMPARE(shell->window(), &window);
    TaskbarProgressBar *bar = button->progressBar();

    // What the window does before it is first shown: dropped, not stored.
    bar->setState(TaskbarProgressBar::IndeterminateProgress);
    bar->setValue(40);
    QCOMPARE(bar->state(), TaskbarProgressBar::NoProgress);
    QCOMPARE(bar->value(), -1);

    shell->makeReady();
    QVERIFY(shell->calls().isEmpty());

    bar->setValue(42);
    bar->setState(TaskbarProgressBar::NormalProgress);
    QCOMPARE(shell->calls(), QStringList({"value 42/100", "state 2"}));
}

void TestTaskbarProgress::readinessHappensOnce()
{
    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window);
    QSignalSpy ready(button, &TaskbarButton::shellReady);
    QVERIFY(!button->isReady());
    shell->makeReady();
    QVERIFY(button->isReady());
    button->progressBar()->setValue(10);
    shell->makeReady();
    QCOMPARE(ready.count(), 1);
    QVERIFY(button->isReady());
    QCOMPARE(shell->calls(), QStringList({"value 10/100"}));
    QCOMPARE(button->progressBar()->value(), 10);
}

void TestTaskbarProgress::valueIsSentAsDifferences_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("call");

    QTest::newRow("percent") << 0 << 100 << 30 << "value 30/100";
    QTest::newRow("beyond maximum") << 0 << 100 << 150 << "value 150/100";
    QTest::newRow("below minimum") << 0 << 100 << -1 << "value -1/100";
    QTest::newRow("offset range") << 10 << 110 << 60 << "value 50/100";
    QTest::newRow("empty range") << 0 << 0 << 0 << "value 0/0";
    QTest::newRow("inverted range") << 100 << 0 << 50 << "value -50/-100";
    // Differences wrap as signed 32-bit numbers rather than overflowing.
    QTest::newRow("full int range") << INT_MIN << INT_MAX << 0 << "value -2147483648/-1";
    QTest::newRow("max minus min") << -10 << INT_MAX << INT_MAX << "value -2147483639/-2147483639";
}

void TestTaskbarProgress::valueIsSentAsDifferences()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, call);

    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window, FakeShell::Readiness::WhenAttached);
    TaskbarProgressBar *bar = button->progressBar();
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    QCOMPARE(shell->calls(), QStringList({call}));
    QCOMPARE(bar->value(), value);
}

void TestTaskbarProgress::boundsReachTheShellWithTheNextValue()
{
    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window);
    TaskbarProgressBar *bar = button->progressBar();
    QSignalSpy minimumChanged(bar, &TaskbarProgressBar::minimumChanged);
    QSignalSpy maximumChanged(bar, &TaskbarProgressBar::maximumChanged);

    // Bounds are stored even before readiness.
    bar->setRange(10, 20);
    QCOMPARE(bar->minimum(), 10);
    QCOMPARE(bar->maximum(), 20);
    shell->makeReady();
    bar->setMaximum(30);
    bar->setMinimum(20);
    bar->setMinimum(20);
    QVERIFY(shell->calls().isEmpty());
    QCOMPARE(minimumChanged.count(), 2);
    QCOMPARE(maximumChanged.count(), 2);

    bar->setValue(25);
    QCOMPARE(shell->calls(), QStringList({"value 5/10"}));
}

void TestTaskbarProgress::statesAreStoredOnlyWhenReady_data()
{
    QTest::addColumn<TaskbarProgressBar::ProgressState>("state");
    QTest::addColumn<QString>("call");
    QTest::newRow("none") << TaskbarProgressBar::NoProgress << "state 0";
    QTest::newRow("indeterminate") << TaskbarProgressBar::IndeterminateProgress << "state 1";
    QTest::newRow("normal") << TaskbarProgressBar::NormalProgress << "state 2";
    QTest::newRow("error") << TaskbarProgressBar::ErrorProgress << "state 4";
    QTest::newRow("paused") << TaskbarProgressBar::PausedProgress << "state 8";
    QTest::newRow("automatic") << TaskbarProgressBar::AutomaticProgress << "state 16";
}

void TestTaskbarProgress::statesAreStoredOnlyWhenReady()
{
    QFETCH(TaskbarProgressBar::ProgressState, state);
    QFETCH(QString, call);

    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window);
    TaskbarProgressBar *bar = button->progressBar();
    bar->setState(TaskbarProgressBar::PausedProgress);
    QCOMPARE(bar->state(), TaskbarProgressBar::NoProgress);
    shell->makeReady();
    // Goes through the property system, as the property is writable.
    QVERIFY(bar->setProperty("state", QVariant::fromValue(state)));
    QCOMPARE(bar->state(), state);
    QCOMPARE(shell->calls(), QStringList({call}));
}

void TestTaskbarProgress::droppedRequestsEmitNothing()
{
    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window);
    TaskbarProgressBar *bar = button->progressBar();
    QSignalSpy valueChanged(bar, &TaskbarProgressBar::valueChanged);
    QSignalSpy stateChanged(bar, &TaskbarProgressBar::stateChanged);
    bar->setValue(5);
    bar->setState(TaskbarProgressBar::ErrorProgress);
    QCOMPARE(valueChanged.count(), 0);
    QCOMPARE(stateChanged.count(), 0);

    shell->makeReady();
    bar->setValue(5);
    bar->setValue(5);
    bar->setState(TaskbarProgressBar::ErrorProgress);
    // A repeated value is still sent (the shell may have been reset) but changes nothing.
    QCOMPARE(shell->calls(), QStringList({"value 5/100", "value 5/100", "state 4"}));
    QCOMPARE(valueChanged.count(), 1);
    QCOMPARE(valueChanged.at(0).at(0).toInt(), 5);
    QCOMPARE(stateChanged.count(), 1);
}

void TestTaskbarProgress::nullBackendDropsEverything()
{
    QWidget window;
    TaskbarButton button(&window, std::make_unique<taskbar::NullBackend>());
    window.show();
    TaskbarProgressBar *bar = button.progressBar();
    bar->setValue(50);
    bar->setState(TaskbarProgressBar::NormalProgress);
    bar->setRange(0, 10);
    QVERIFY(!button.isReady());
    QCOMPARE(bar->value(), -1);
    QCOMPARE(bar->state(), TaskbarProgressBar::NoProgress);
    QCOMPARE(bar->maximum(), 10);

    // A bar that belongs to no button behaves the same way.
    TaskbarProgressBar standalone;
    standalone.setValue(50);
    QCOMPARE(standalone.value(), -1);
}

void TestTaskbarProgress::nativeEventsReachTheShellAndAreNotConsumed()
{
    QWidget window;
    auto [button, shell] = taskbar::makeFakeButton(&window);
    int message = 0;
    qintptr result = 7;
    QVERIFY(!button->nativeEvent("windows_generic_MSG", &message, &result));
    QCOMPARE(result, qintptr(7));
    QCOMPARE(shell->nativeEventCount(), 1);
}

void TestTaskbarProgress::buttonGoesWithItsWindow()
{
    auto *window = new QWidget;
    auto [button, shell] = taskbar::makeFakeButton(window, FakeShell::Readiness::WhenAttached);
    QPointer<TaskbarProgressBar> bar = button->progressBar();
    bar->setValue(100);
    bar->setState(TaskbarProgressBar::ErrorProgress);
    const std::shared_ptr<QStringList> log = shell->callLog();
    delete window;
    QVERIFY(bar.isNull());
    QCOMPARE(*log, QStringList({"value 100/100", "state 4"}));
}

QTEST_MAIN(TestTaskbarProgress)
#include "tst_taskbarprogress.moc"
