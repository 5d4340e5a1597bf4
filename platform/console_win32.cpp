// console_win32.cpp -- the console of Win32: text in the console's code page
// on stdout and stderr, and the console events that interrupt a conversion.
#include <windows.h>

#include <cstdio>

#include "platform/console.h"
#include "platform/interrupts.h"

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

// Writes a text of the ANSI code page. A console window is given it as
// UTF-16, which it shows right whatever its code page (the C library's bytes
// it shows as boxes); a stream led into a file or a pipe gets it in the
// console's code page through the C library, which writes "\n" as CR LF.
void WriteAnsi(ConsoleStream stream, const char* text) {
    static wchar_t wide[4096];
    static char bytes[4 * 4096];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 4096);
    if (length <= 0) return;
    std::FILE* out = stream == kConsoleOut ? stdout : stderr;
    HANDLE console = GetStdHandle(stream == kConsoleOut ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(console, &mode)) {
        std::fflush(out);  // what the C library still holds goes first
        DWORD written = 0;
        WriteConsoleW(console, wide, static_cast<DWORD>(length - 1), &written, nullptr);
        return;
    }
    UINT codePage = GetConsoleOutputCP();
    if (codePage == 0) codePage = GetOEMCP();  // no console at all
    int count = WideCharToMultiByte(codePage, 0, wide, length, bytes, sizeof bytes, nullptr, nullptr);
    if (count <= 0) return;
    std::fputs(bytes, out);
    std::fflush(out);
}

}  // namespace

// The system's texts are Windows-1252, the ANSI code page they are made for.
void WriteConsoleText(ConsoleStream stream, const char* text) { WriteAnsi(stream, text); }

void WriteConsolePath(ConsoleStream stream, const char* path) { WriteAnsi(stream, path); }

void WatchInterrupts() { SetConsoleCtrlHandler(NoteInterrupt, TRUE); }

bool InterruptRequested() { return InterlockedCompareExchange(&interrupted, 0, 0) != 0; }
