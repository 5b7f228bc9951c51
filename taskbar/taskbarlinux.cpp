// Launcher progress on Linux desktops: the fire-and-forget launcher-entry
// D-Bus signal, which task managers and docks read for the entry of our
// desktop file. Nothing is registered on the bus; the receiver drops the
// entry's progress when this process leaves the bus.
#include "sessionbus.h"
#include "taskbarbackend.h"
#include "taskbarbutton.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QEvent>
#include <QPointer>
#include <QVariantMap>
#include <QWidget>

#include <algorithm>
#include <future>

namespace taskbar {

namespace {

// Receivers match on interface and member only; the path just names the sender.
QString launcherPath()
{
    return QStringLiteral("/com/tonewright/LauncherEntry");
}
QString launcherInterface()
{
    return QStringLiteral("com.canonical.Unity.LauncherEntry");
}
QString applicationUri()
{
    return QStringLiteral("application://tonewright.desktop");
}

// completed / total within 0..1; an empty or inverted range shows nothing done.
double fraction(std::int32_t completed, std::int32_t total)
{
    if (total <= 0)
        return 0.0;
    return std::clamp(static_cast<double>(completed) / total, 0.0, 1.0);
}

// How the taskbar states map onto the launcher entry, which knows only a
// progress fraction, whether it is visible, and an "urgent" mark:
//   NoProgress                     progress hidden
//   IndeterminateProgress, Paused  visible at the last fraction (there is no
//                                  busy or paused look)
//   NormalProgress, Automatic      visible at the last fraction
//   ErrorProgress                  visible at the last fraction, urgent raised
// Urgent is cleared again when the state leaves ErrorProgress.
QVariantMap stateProperties(TaskbarProgressBar::ProgressState state, double progress, bool wasError)
{
    QVariantMap properties;
    const bool isError = state == TaskbarProgressBar::ErrorProgress;
    if (state == TaskbarProgressBar::NoProgress) {
        properties.insert(QStringLiteral("progress-visible"), false);
    } else {
        properties.insert(QStringLiteral("progress"), progress);
        properties.insert(QStringLiteral("progress-visible"), true);
    }
    if (isError != wasError)
        properties.insert(QStringLiteral("urgent"), isError);
    return properties;
}

class LauncherEntryBackend final : public QObject, public Backend
{
public:
    void attach(QWidget *window, ReadyCallback onReady) override
    {
        m_window = window;
        m_onReady = std::move(onReady);
        if (!window)
            return;
        if (window->isVisible() && becomeReady())
            return;
        window->installEventFilter(this);
    }

    void setProgress(std::int32_t completed, std::int32_t total) override
    {
        // Like the Windows shell, a value shows the bar whatever the state.
        m_progress = fraction(completed, total);
        QVariantMap properties;
        properties.insert(QStringLiteral("progress"), m_progress);
        properties.insert(QStringLiteral("progress-visible"), true);
        send(properties);
    }

    void setState(TaskbarProgressBar::ProgressState state) override
    {
        send(stateProperties(state, m_progress, m_state == TaskbarProgressBar::ErrorProgress));
        m_state = state;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && becomeReady())
            m_window->removeEventFilter(this);
        return false;
    }

private:
    // The entry can be updated once the window exists on screen and the bus
    // is there to carry the signal.
    bool becomeReady()
    {
        if (!hasSessionBus())
            return false;
        if (m_onReady)
            m_onReady();
        return true;
    }

    static void send(const QVariantMap &properties)
    {
        QDBusMessage message = QDBusMessage::createSignal(launcherPath(), launcherInterface(),
                                                          QStringLiteral("Update"));
        message << applicationUri() << properties;
        QDBusConnection::sessionBus().send(message);
    }

    QPointer<QWidget> m_window;
    ReadyCallback m_onReady;
    double m_progress = 0.0;
    TaskbarProgressBar::ProgressState m_state = TaskbarProgressBar::NoProgress;
};

} // namespace

namespace {
std::future<bool> &backgroundCheck()
{
    static std::future<bool> check;
    return check;
}
} // namespace

bool isTaskbarSupported()
{
    if (backgroundCheck().valid())
        return backgroundCheck().get();
    return hasSessionBus();
}

void checkTaskbarSupportInBackground()
{
    if (!backgroundCheck().valid()) {
        backgroundCheck() = std::async(std::launch::async, [] { return hasSessionBus(); });
    }
}

std::unique_ptr<Backend> createPlatformBackend()
{
    return std::make_unique<LauncherEntryBackend>();
}

} // namespace taskbar
