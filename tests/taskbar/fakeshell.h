#pragma once

#include "taskbarbackend.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace taskbar {

class TaskbarButton;

// A shell that records what the taskbar button asks of it, one string per
// call: "value 30/100" (completed/total) and "state 2" (the state's number).
// Readiness comes when the test says so, or at once when constructed with
// Readiness::WhenAttached.
class FakeShell final : public Backend
{
public:
    enum class Readiness { OnRequest, WhenAttached };

    explicit FakeShell(Readiness readiness = Readiness::OnRequest);

    // The recorded calls, in order.
    QStringList calls() const { return *m_calls; }
    // The same list, shared, so that it can be read after the button (and
    // this shell with it) is gone.
    std::shared_ptr<QStringList> callLog() const { return m_calls; }
    void clearCalls() { m_calls->clear(); }

    // Announces that the shell takes requests, as the desktop does once the
    // window is shown. Calling it again announces it again.
    void makeReady();

    // The window the button serves, as handed to attach().
    QWidget *window() const { return m_window; }
    bool isAttached() const { return m_attached; }
    int nativeEventCount() const { return m_nativeEvents; }

    void attach(QWidget *window, ReadyCallback onReady) override;
    void handleNativeEvent(const QByteArray &eventType, void *message) override;
    void setProgress(std::int32_t completed, std::int32_t total) override;
    void setState(TaskbarProgressBar::ProgressState state) override;

private:
    Readiness m_readiness;
    std::shared_ptr<QStringList> m_calls = std::make_shared<QStringList>();
    ReadyCallback m_onReady;
    QPointer<QWidget> m_window;
    bool m_attached = false;
    int m_nativeEvents = 0;
};

// A button for `window` (its parent, which owns it) driven by a FakeShell.
// The shell pointer stays valid as long as the button lives.
struct FakeButton
{
    TaskbarButton *button;
    FakeShell *shell;
};
FakeButton makeFakeButton(QWidget *window,
                          FakeShell::Readiness readiness = FakeShell::Readiness::OnRequest);

} // namespace taskbar
