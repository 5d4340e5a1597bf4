// window_dpi.cpp -- WindowDpi, ScaleToDpi and SizeWindowForDpi.
#include "app/window_dpi.h"

#include "app/step_list.h"

namespace {

// The window the step list was laid out for: what the system gives at
// 96 dpi on a screen of 1024 x 768.
const int kDesignWidth = 768;
const int kDesignHeight = 576;

int Larger(int a, int b) { return a > b ? a : b; }
int Smaller(int a, int b) { return a < b ? a : b; }

RECT WorkArea(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// The width of the menu bar's items side by side: the bar stays on one line
// in a client area at least as wide.
int MenuItemsWidth(HWND window) {
    HMENU menu = GetMenu(window);
    int width = 0;
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        RECT item;
        if (GetMenuItemRect(window, menu, static_cast<UINT>(i), &item)) width += item.right - item.left;
    }
    return width;
}

}  // namespace

UINT WindowDpi(HWND window) {
    // Looked up at run time, so that the program still starts on Windows 7.
    typedef UINT(WINAPI * DpiForWindow)(HWND);
    DpiForWindow dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    UINT dpi = 0;
    if (dpiForWindow != nullptr) {
        dpi = dpiForWindow(window);
    } else {
        HDC context = GetDC(window);
        dpi = static_cast<UINT>(GetDeviceCaps(context, LOGPIXELSY));
        ReleaseDC(window, context);
    }
    return dpi != 0 ? dpi : kDesignDpi;
}

int ScaleToDpi(int distance, UINT dpi) { return MulDiv(distance, static_cast<int>(dpi), kDesignDpi); }

void SizeWindowForDpi(HWND window) {
    UINT dpi = WindowDpi(window);
    if (dpi == kDesignDpi) return;
    RECT frame;
    GetWindowRect(window, &frame);
    const RECT work = WorkArea(window);
    int width =
        Smaller(Larger(frame.right - frame.left, ScaleToDpi(kDesignWidth, dpi)), work.right - work.left);
    int height =
        Smaller(Larger(frame.bottom - frame.top, ScaleToDpi(kDesignHeight, dpi)), work.bottom - work.top);
    int left = Larger(work.left, Smaller(frame.left, work.right - width));
    int top = Larger(work.top, Smaller(frame.top, work.bottom - height));
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepContentWhole(HWND window, MINMAXINFO* limits) {
    SIZE list = StepListExtent(WindowDpi(window));
    int width = Larger(list.cx, MenuItemsWidth(window));
    RECT frame = {0, 0, width, list.cy};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);  // caption, frame, one line of menu
    const RECT work = WorkArea(window);
    limits->ptMinTrackSize.x = Smaller(frame.right - frame.left, work.right - work.left);
    limits->ptMinTrackSize.y = Smaller(frame.bottom - frame.top, work.bottom - work.top);
}
