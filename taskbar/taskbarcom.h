#pragma once

// The Windows shell's taskbar list, reached through COM. Plain C++ without Qt:
// a window handle in, shell calls out.

#include <windows.h>

#include <cstdint>

struct ITaskbarList3;

namespace taskbar::com {

class ShellTaskbar
{
public:
    ShellTaskbar() = default;
    ~ShellTaskbar();
    ShellTaskbar(const ShellTaskbar &) = delete;
    ShellTaskbar &operator=(const ShellTaskbar &) = delete;

    // Looks at one message of the window. The shell sends "TaskbarButtonCreated"
    // once it has made the window's taskbar button; on its first successful
    // arrival the taskbar list is obtained and initialised. Returns true only
    // for the message that made the shell ready.
    bool handleMessage(UINT message);

    bool isReady() const { return m_taskbar != nullptr; }

    // The amounts are signed differences; the shell's unsigned 64-bit
    // parameters receive them sign-extended. Ignored while not ready.
    void setProgressValue(HWND window, std::int32_t completed, std::int32_t total);
    // `flags` is a TBPF_ value. Ignored while not ready.
    void setProgressState(HWND window, int flags);

private:
    UINT m_buttonCreatedMessage = 0;
    ITaskbarList3 *m_taskbar = nullptr;
};

} // namespace taskbar::com
