#include "ui/win32/WinPlacement.h"

#include <algorithm>

namespace {

// The message box being shown on this thread: the hook has no other way to know it. One
// box at a time per thread, since a box is modal.
thread_local HHOOK t_hook = nullptr;
thread_local HWND t_boxOwner = nullptr;

void CentreOn(HWND window, HWND over) {
    RECT outer{}, inner{};
    if (over == nullptr || !GetWindowRect(over, &outer) || !GetWindowRect(window, &inner)) {
        return;
    }
    const int width = inner.right - inner.left;
    const int height = inner.bottom - inner.top;
    int x = outer.left + (outer.right - outer.left - width) / 2;
    int y = outer.top + (outer.bottom - outer.top - height) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        x = std::max<int>(work.left, std::min<int>(x, work.right - width));
        y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void WinPlacement::CentreOnOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    CentreOn(window, owner != nullptr ? owner : GetParent(window));
}

int WinPlacement::MessageBoxOver(HWND owner, const wchar_t* text, const wchar_t* caption,
                                 UINT type) {
    // The system centres a message box on the screen; it is moved as it is activated,
    // before it is drawn.
    const bool hooked = owner != nullptr && t_hook == nullptr;
    if (hooked) {
        t_boxOwner = owner;
        t_hook =
            SetWindowsHookExW(WH_CBT, &WinPlacement::CentreBoxHook, nullptr, GetCurrentThreadId());
    }
    const int result = MessageBoxW(owner, text, caption, type);
    if (hooked && t_hook != nullptr) {
        UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
    }
    return result;
}

LRESULT CALLBACK WinPlacement::CentreBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = t_hook;
    if (code == HCBT_ACTIVATE && hook != nullptr) {
        CentreOn(reinterpret_cast<HWND>(wParam), t_boxOwner);
        // Once: the box's own dialogs (none today) stay where the system puts them.
        UnhookWindowsHookEx(hook);
        t_hook = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}
