// console.h -- the lines of a console front end on stdout and stderr
// (console_posix.cpp, console_win32.cpp).
#pragma once

enum ConsoleStream { kConsoleOut, kConsoleError };

// Writes a text of the system, Windows-1252, as the terminal reads it: UTF-8
// on POSIX; on Win32 UTF-16 to a console window, and the console's code page
// to a file or a pipe. "\n" ends a line.
void WriteConsoleText(ConsoleStream stream, const char* text);

// Writes a path as the platform spells paths: the bytes as they are on POSIX,
// from the ANSI code page on Win32.
void WriteConsolePath(ConsoleStream stream, const char* path);
