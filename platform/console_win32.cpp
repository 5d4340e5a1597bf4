// console_win32.cpp -- the console of Win32: text in the console's code page
// on stdout and stderr, and the console events that interrupt a conversion.
#include <windows.h>

#include <cstdio>

#include "platform/platform.h"

namespace {

volatile LONG interrupted = 0;

// Runs on a thread of its own. Ctrl+C and Ctrl+Break are noted and the
// process goes on to stop the conversion; on closing, logoff and shutdown the
// system ends the process when the handler returns, so the handler waits for
// the conversion to clean up and end the process itself.
BOOL WINAPI NoteInterrupt(DWORD event) {
    InterlockedExchange(&interrupted, 1);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) Sleep(4000);
    return TRUE;
}

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

void WatchInterrupts() { SetConsoleCtrlHandler(NoteInterrupt, TRUE); }

bool InterruptRequested() { return InterlockedCompareExchange(&interrupted, 0, 0) != 0; }
