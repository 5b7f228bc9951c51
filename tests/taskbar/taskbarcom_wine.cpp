// The COM taskbar backend in a real top-level window, built with mingw-w64
// and run under wine (in a virtual display) by scripts/checks/taskbar-mingw.sh.
// Wine creates the taskbar list but never announces the taskbar button, so
// the program sends "TaskbarButtonCreated" to its own window, as the shell
// would. One line per case that passed; exit status 1 on any failure.
#include "taskbarcom.h"

#include <objbase.h>
#include <shobjidl.h>

#include <cstdio>

namespace {

taskbar::com::ShellTaskbar *shell = nullptr;
int becameReady = 0;

// Every message of the window reaches the backend, as in the Qt adapter.
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (shell && shell->handleMessage(message))
        ++becameReady;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Stands in for the taskbar list and refuses to make one, as a shell without
// a taskbar does.
struct RefusingFactory : IClassFactory
{
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **out) override
    {
        if (id == IID_IUnknown || id == IID_IClassFactory) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *, REFIID, void **out) override
    {
        *out = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// The window's calls in the order a conversion makes them: busy, progress,
// an error, and clearing the button at the end.
void driveLikeTheWindow(taskbar::com::ShellTaskbar &taskbar, HWND window)
{
    taskbar.setProgressState(window, TBPF_NORMAL);
    taskbar.setProgressValue(window, 30, 100);
    taskbar.setProgressValue(window, -1, 100);
    taskbar.setProgressState(window, TBPF_ERROR);
    taskbar.setProgressState(window, TBPF_NOPROGRESS);
}

int failures = 0;
void report(bool passed, const char *what)
{
    if (passed) {
        std::printf("taskbar COM backend under wine: %s\n", what);
    } else {
        std::printf("taskbar-mingw: FAILED: %s\n", what);
        ++failures;
    }
    std::fflush(stdout);
}

} // namespace

int main()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 2;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TonewrightTaskbarCheck";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Tonewright", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (!window)
        return 2;
    ShowWindow(window, SW_SHOWNORMAL);
    const UINT buttonCreated = RegisterWindowMessageW(L"TaskbarButtonCreated");

    taskbar::com::ShellTaskbar taskbar;
    shell = &taskbar;
    SendMessageW(window, WM_NULL, 0, 0);
    driveLikeTheWindow(taskbar, window);
    report(!taskbar.isReady() && becameReady == 0,
           "not ready before the taskbar button exists; calls do nothing");

    RefusingFactory refusing;
    DWORD registration = 0;
    const bool registered = SUCCEEDED(CoRegisterClassObject(
        CLSID_TaskbarList, &refusing, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &registration));
    SendMessageW(window, buttonCreated, 0, 0);
    driveLikeTheWindow(taskbar, window);
    report(registered && !taskbar.isReady() && becameReady == 0,
           "a failed creation falls back to doing nothing");
    if (registered)
        CoRevokeClassObject(registration);

    SendMessageW(window, buttonCreated, 0, 0);
    const bool ready = taskbar.isReady() && becameReady == 1;
    driveLikeTheWindow(taskbar, window);
    report(ready, "ready once \"TaskbarButtonCreated\" arrives; states, values and clear return");

    SendMessageW(window, buttonCreated, 0, 0);
    report(taskbar.isReady() && becameReady == 1,
           "a later announcement keeps the taskbar list in use");

    DestroyWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    shell = nullptr;
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
