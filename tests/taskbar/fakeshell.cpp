#include "fakeshell.h"

#include "taskbarbutton.h"

namespace taskbar {

FakeShell::FakeShell(Readiness readiness)
    : m_readiness(readiness)
{
}

void FakeShell::makeReady()
{
    if (m_onReady)
        m_onReady();
}

void FakeShell::attach(QWidget *window, ReadyCallback onReady)
{
    m_window = window;
    m_onReady = std::move(onReady);
    m_attached = true;
    if (m_readiness == Readiness::WhenAttached)
        makeReady();
}

void FakeShell::handleNativeEvent(const QByteArray &, void *)
{
    ++m_nativeEvents;
}

void FakeShell::setProgress(std::int32_t completed, std::int32_t total)
{
    m_calls->append(QStringLiteral("value %1/%2").arg(completed).arg(total));
}

void FakeShell::setState(TaskbarProgressBar::ProgressState state)
{
    m_calls->append(QStringLiteral("state %1").arg(int(state)));
}

FakeButton makeFakeButton(QWidget *window, FakeShell::Readiness readiness)
{
    auto shell = std::make_unique<FakeShell>(readiness);
    FakeShell *raw = shell.get();
    auto *button = new TaskbarButton(window, std::move(shell));
    return {button, raw};
}

} // namespace taskbar
