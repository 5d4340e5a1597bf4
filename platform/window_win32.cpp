// window_win32.cpp -- message boxes and repaints of the window program.
#include <windows.h>

#include "platform/window.h"

static_assert(kBoxOk == MB_OK && kBoxYesNo == MB_YESNO && kBoxIconHand == MB_ICONHAND &&
                  kBoxAbortRetryIgnore == MB_ABORTRETRYIGNORE && kBoxDefaultButton2 == MB_DEFBUTTON2,
              "box styles are the system's");
static_assert(kAnswerYes == IDYES && kAnswerNo == IDNO && kAnswerAbort == IDABORT &&
                  kAnswerRetry == IDRETRY && kAnswerIgnore == IDIGNORE && kAnswerOk == IDOK,
              "answers are the system's");

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, std::uint32_t style) {
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

void RepaintWindow(WindowHandle window) { InvalidateRect(static_cast<HWND>(window), nullptr, TRUE); }
