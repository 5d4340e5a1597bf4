// start_up.cpp -- start-up, single instance and the message loop.
#include "app/start_up.h"

#include "app/main_window.h"
#include "app/shell_records.h"
#include "app/shell_texts.h"
#include "app/window_dpi.h"
#include "resources/resource_ids.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

ShellRecords shell;

std::uint8_t GuardSingleInstance() {
    while (FindWindowA(KELVOR_CLASS_NAME, nullptr) != nullptr) {
        int answer = ShowMessageBox(nullptr, kAlreadyRunningText, kWindowTitle, kBoxAbortRetryIgnore);
        if (answer == kAnswerAbort) return 0;
        if (answer != kAnswerRetry) return 1;  // Ignore: this copy runs beside the first
    }
    return 1;
}

std::uint8_t CreateMainWindow() {
    HINSTANCE instance = static_cast<HINSTANCE>(appState.instance);
    WNDCLASSA& windowClass = shell.windowClass;
    FillBytes(&windowClass, sizeof windowClass, 0);
    // Redrawn whole whenever its width or height changes.
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KELVOR));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = KELVOR_CLASS_NAME;
    if (RegisterClassA(&windowClass) == 0) {
        ShowMessageBox(nullptr, kNoWindowClassText, kWindowTitle, kBoxOk | kBoxIconHand);
        return 0;
    }
    appState.menuBar = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_MENU_BAR));
    HWND window = CreateWindowExA(0, KELVOR_CLASS_NAME, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                  static_cast<HMENU>(appState.menuBar), instance, nullptr);
    if (window == nullptr) {
        ShowMessageBox(nullptr, kNoMainWindowText, kWindowTitle, kBoxOk | kBoxIconHand);
        return 0;
    }
    SizeWindowForDpi(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);  // the step list is painted before the first message
    return 1;
}

void RunMessageLoop() {
    // 0 is the quit message; -1, a failed fetch, ends the loop as well.
    while (GetMessageA(&shell.loopMessage, nullptr, 0, 0) > 0) {
        TranslateMessage(&shell.loopMessage);
        DispatchMessageA(&shell.loopMessage);
    }
}

// Owned by the main window while it is there, so that it cannot be used
// behind the box; closed by the user, it is gone.
void ShowClosingBox() {
    HWND window = static_cast<HWND>(appState.mainWindow);
    ShowMessageBox(IsWindow(window) ? window : nullptr, kClosingText, kInfoCaption, kBoxOk);
}
