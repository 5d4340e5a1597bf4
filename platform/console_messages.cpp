// console_messages.cpp -- message boxes of a console front end: one line on
// stderr each, answered without a user.
#include "platform/console_box.h"
#include "platform/console.h"
#include "platform/window.h"

int ShowMessageBox(WindowHandle, const char* text, const char*, std::uint32_t style) {
    int answer = ConsoleAnswer(style);
    char line[2048];
    ConsoleBoxLine(text, style, answer, line, sizeof line - 1);
    WriteConsoleText(kConsoleError, line);
    WriteConsoleText(kConsoleError, "\n");
    return answer;  // a console line has no title: the caption is not shown
}

// A console has no window to paint.
void RepaintWindow(WindowHandle) {}
