#pragma once

#include "taskbarprogressbar.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace taskbar {

// The desktop shell's side of a taskbar button: the small surface that the
// portable progress logic drives. One implementation per platform, chosen by
// which source file the build adds, plus a null one that drops everything.
class Backend
{
public:
    using ReadyCallback = std::function<void()>;

    virtual ~Backend();

    // Starts serving `window` (may be null). The backend calls `onReady` when
    // the shell can take requests for the window; it may call it more than
    // once, and the button acts only on the first call.
    virtual void attach(QWidget *window, ReadyCallback onReady) = 0;

    // A native message of the window; shells that announce themselves by a
    // window message watch for it here.
    virtual void handleNativeEvent(const QByteArray &eventType, void *message);

    // `completed` of `total`, both as the signed 32-bit differences value -
    // minimum and maximum - minimum.
    virtual void setProgress(std::int32_t completed, std::int32_t total) = 0;

    virtual void setState(TaskbarProgressBar::ProgressState state) = 0;
};

// Accepts every request and drops it, exactly as while a shell is not ready.
class NullBackend final : public Backend
{
public:
    void attach(QWidget *window, ReadyCallback onReady) override;
    void setProgress(std::int32_t completed, std::int32_t total) override;
    void setState(TaskbarProgressBar::ProgressState state) override;
};

// The backend of the platform this program was built for.
std::unique_ptr<Backend> createPlatformBackend();

} // namespace taskbar
