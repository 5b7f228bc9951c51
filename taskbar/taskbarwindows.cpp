// The taskbar button on Windows 7 and later: the shell's taskbar list,
// driven from the window's native messages.
#include "taskbarbackend.h"
#include "taskbarbutton.h"
#include "taskbarcom.h"

#include <QOperatingSystemVersion>
#include <QPointer>
#include <QWidget>

#include <windows.h>

namespace taskbar {

namespace {

// The state values were chosen to equal the shell's TBPF_ flags;
// AutomaticProgress has no flag of its own and is passed on unchanged.
int nativeProgressState(TaskbarProgressBar::ProgressState state)
{
    return static_cast<int>(state);
}

class WindowsTaskbarBackend final : public Backend
{
public:
    void attach(QWidget *window, ReadyCallback onReady) override
    {
        m_window = window;
        m_onReady = std::move(onReady);
    }

    void handleNativeEvent(const QByteArray &eventType, void *message) override
    {
        if (!message || eventType != QByteArrayLiteral("windows_generic_MSG"))
            return;
        if (m_shell.handleMessage(static_cast<const MSG *>(message)->message) && m_onReady)
            m_onReady();
    }

    void setProgress(std::int32_t completed, std::int32_t total) override
    {
        m_shell.setProgressValue(handle(), completed, total);
    }

    void setState(TaskbarProgressBar::ProgressState state) override
    {
        m_shell.setProgressState(handle(), nativeProgressState(state));
    }

private:
    HWND handle() const { return m_window ? reinterpret_cast<HWND>(m_window->winId()) : nullptr; }

    QPointer<QWidget> m_window;
    ReadyCallback m_onReady;
    com::ShellTaskbar m_shell;
};

} // namespace

bool isTaskbarSupported()
{
    return QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows7;
}

void checkTaskbarSupportInBackground()
{
    // The answer costs nothing to find here.
}

std::unique_ptr<Backend> createPlatformBackend()
{
    return std::make_unique<WindowsTaskbarBackend>();
}

} // namespace taskbar
