// window.h -- message boxes and the repaint of the main window. The window
// program shows real boxes (window_win32.cpp), a console front end writes
// each as a line (console_messages.cpp), the tests record them.
#pragma once

#include <cstdint>

// The styles and answers have the numbers of the Win32 message box. A
// console has no buttons: there each box becomes one line on stderr and is
// answered with its default button.

typedef void* WindowHandle;

const std::uint32_t kBoxOk = 0x0000;                // MB_OK
const std::uint32_t kBoxAbortRetryIgnore = 0x0002;  // MB_ABORTRETRYIGNORE
const std::uint32_t kBoxYesNo = 0x0004;             // MB_YESNO
const std::uint32_t kBoxIconHand = 0x0010;          // MB_ICONHAND
const std::uint32_t kBoxDefaultButton2 = 0x0100;    // MB_DEFBUTTON2

const int kAnswerOk = 1;      // IDOK
const int kAnswerAbort = 3;   // IDABORT
const int kAnswerRetry = 4;   // IDRETRY
const int kAnswerIgnore = 5;  // IDIGNORE
const int kAnswerYes = 6;     // IDYES
const int kAnswerNo = 7;      // IDNO

// Shows a message box and waits for the answer. `owner` may be null, and so
// may `caption` (the platform's default title). Returns the button pressed.
int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, std::uint32_t style);

// Asks for the whole client area of `window` to be erased and painted again.
// Console front ends have no window and do nothing.
void RepaintWindow(WindowHandle window);
