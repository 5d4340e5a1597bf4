// console_box_win32.cpp -- message boxes of a Win32 console front end: one
// line on stderr, in the console's code page.
#include <windows.h>

#include "platform/console_answer.h"
#include "platform/platform.h"

int ShowMessageBox(WindowHandle, const char* text, const char* caption, std::uint32_t style) {
    char line[2048];
    wchar_t wide[sizeof line + 2];
    char bytes[4 * sizeof line];
    (void)caption;  // a console line has no title
    JoinLines(text, line, sizeof line);
    int length = MultiByteToWideChar(1252, 0, line, -1, wide, sizeof line);
    if (length > 0) wide[length - 1] = L'\n';  // in place of the terminator
    HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, wide, static_cast<DWORD>(length), &written, nullptr);
    } else {
        UINT codePage = GetConsoleOutputCP();
        if (codePage == 0) codePage = GetOEMCP();  // no console at all
        int count = WideCharToMultiByte(codePage, 0, wide, length, bytes, sizeof bytes, nullptr,
                                        nullptr);
        if (count > 0) WriteFile(out, bytes, static_cast<DWORD>(count), &written, nullptr);
    }
    return ConsoleAnswer(style);
}
