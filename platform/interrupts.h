// interrupts.h -- Ctrl+C and its kin, which stop a conversion between two
// records. A console front end notes them (console_posix.cpp,
// console_win32.cpp); the window program links interrupts_none.cpp, where
// none is ever noted.
#pragma once

// A console front end asks for an interrupt (Ctrl+C; SIGINT, SIGTERM and
// SIGHUP on POSIX; Ctrl+Break and closing the console on Win32) to be noted
// instead of ending the process at once, so that a conversion can stop
// between two records and remove its temporary files. On POSIX a write
// beyond the file-size limit (ulimit -f) then fails like that on a full disk
// instead of ending the process.
void WatchInterrupts();

// True once an interrupt has been noted.
bool InterruptRequested();
