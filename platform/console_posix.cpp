// console_posix.cpp -- the console of a POSIX system: UTF-8 text on stdout and
// stderr, and the signals that interrupt a conversion or would end it.
#include <signal.h>

#include <cstdio>
#include <cstring>

#include "platform/console.h"
#include "platform/interrupts.h"

namespace {

// Windows-1252 0x80 to 0x9F; the five bytes without a character become "?".
const unsigned short kHighControls[32] = {
    0x20AC, '?',    0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, '?',    0x017D, '?',    '?',    0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, '?',    0x017E, 0x0178,
};

volatile sig_atomic_t interrupted = 0;

void NoteInterrupt(int) { interrupted = 1; }

// stderr writes every byte on its own unless it is given a buffer; lines are
// flushed whole below.
char errorBuffer[4096];
bool errorBuffered = false;

std::FILE* StreamOf(ConsoleStream stream) {
    if (stream == kConsoleOut) return stdout;
    if (!errorBuffered) std::setvbuf(stderr, errorBuffer, _IOFBF, sizeof errorBuffer);
    errorBuffered = true;
    return stderr;
}

void PutUtf8(unsigned code, std::FILE* out) {
    if (code < 0x80) {
        std::fputc(static_cast<int>(code), out);
    } else if (code < 0x800) {
        std::fputc(static_cast<int>(0xC0 | (code >> 6)), out);
        std::fputc(static_cast<int>(0x80 | (code & 0x3F)), out);
    } else {
        std::fputc(static_cast<int>(0xE0 | (code >> 12)), out);
        std::fputc(static_cast<int>(0x80 | ((code >> 6) & 0x3F)), out);
        std::fputc(static_cast<int>(0x80 | (code & 0x3F)), out);
    }
}

// A line reaches the terminal, or the program that reads it, once it is whole.
void FlushAtLineEnd(std::FILE* out, const char* text) {
    if (std::strchr(text, '\n') != nullptr) std::fflush(out);
}

}  // namespace

void WriteConsoleText(ConsoleStream stream, const char* text) {
    std::FILE* out = StreamOf(stream);
    for (const char* c = text; *c != '\0'; ++c) {
        unsigned code = static_cast<unsigned char>(*c);
        PutUtf8(code >= 0x80 && code < 0xA0 ? kHighControls[code - 0x80] : code, out);
    }
    FlushAtLineEnd(out, text);
}

void WriteConsolePath(ConsoleStream stream, const char* path) {
    std::fputs(path, StreamOf(stream));
    FlushAtLineEnd(StreamOf(stream), path);
}

void WatchInterrupts() {
    struct sigaction action = {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
    // Beyond the file-size limit a write then fails with EFBIG, and the run
    // says so and removes its temporary files, as on a full disk. A reader of
    // the lines that goes away (a pipe into head) stops no run: the lines
    // are lost, the tables converted.
    action.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &action, nullptr);
    sigaction(SIGPIPE, &action, nullptr);
}

bool InterruptRequested() { return interrupted != 0; }
