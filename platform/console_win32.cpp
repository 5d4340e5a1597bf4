// console_win32.cpp -- the console of Win32: text in the console's code page
// on stdout and stderr.
#include <windows.h>

#include <cstdio>

#include "platform/platform.h"

namespace {

// Converts a text of the ANSI code page to the console's code page and hands
// it to the C library, which writes "\n" as CR LF.
void WriteAnsi(ConsoleStream stream, const char* text) {
    static wchar_t wide[4096];
    static char bytes[4 * 4096];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 4096);
    if (length <= 0) return;
    UINT codePage = GetConsoleOutputCP();
    if (codePage == 0) codePage = GetOEMCP();  // no console at all
    int count = WideCharToMultiByte(codePage, 0, wide, length, bytes, sizeof bytes, nullptr, nullptr);
    if (count <= 0) return;
    std::FILE* out = stream == kConsoleOut ? stdout : stderr;
    std::fputs(bytes, out);
    std::fflush(out);
}

}  // namespace

// The system's texts are Windows-1252, the ANSI code page they are made for.
void WriteConsoleText(ConsoleStream stream, const char* text) { WriteAnsi(stream, text); }

void WriteConsolePath(ConsoleStream stream, const char* path) { WriteAnsi(stream, path); }
