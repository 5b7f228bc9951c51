#include "taskbarcom.h"

#include <objbase.h>
#include <shobjidl.h>

namespace taskbar::com {

namespace {

ITaskbarList3 *createTaskbarList()
{
    ITaskbarList3 *list = nullptr;
    HRESULT result = CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_ITaskbarList3, reinterpret_cast<void **>(&list));
    // A thread that never initialised COM gets a single-threaded apartment here.
    if (result == CO_E_NOTINITIALIZED) {
        CoInitialize(nullptr);
        result = CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_ITaskbarList3, reinterpret_cast<void **>(&list));
    }
    if (FAILED(result) || !list)
        return nullptr;
    if (FAILED(list->HrInit())) {
        list->Release();
        return nullptr;
    }
    return list;
}

ULONGLONG signExtended(std::int32_t amount)
{
    return static_cast<ULONGLONG>(static_cast<std::int64_t>(amount));
}

} // namespace

ShellTaskbar::~ShellTaskbar()
{
    if (m_taskbar)
        m_taskbar->Release();
}

bool ShellTaskbar::handleMessage(UINT message)
{
    if (m_buttonCreatedMessage == 0)
        m_buttonCreatedMessage = RegisterWindowMessageW(L"TaskbarButtonCreated");
    // A failed registration leaves 0, which must not match WM_NULL.
    if (m_buttonCreatedMessage == 0 || message != m_buttonCreatedMessage)
        return false;
    // A later announcement (Explorer restarted) keeps the interface in use.
    if (m_taskbar)
        return false;
    // Any failure leaves the shell not ready; the next announcement tries again.
    m_taskbar = createTaskbarList();
    return m_taskbar != nullptr;
}

void ShellTaskbar::setProgressValue(HWND window, std::int32_t completed, std::int32_t total)
{
    if (m_taskbar)
        m_taskbar->SetProgressValue(window, signExtended(completed), signExtended(total));
}

void ShellTaskbar::setProgressState(HWND window, int flags)
{
    if (m_taskbar)
        m_taskbar->SetProgressState(window, static_cast<TBPFLAG>(flags));
}

} // namespace taskbar::com
