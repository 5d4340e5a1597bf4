// ansi_names_win32.h -- names the system gives as UTF-16, in the ANSI code
// page the program works in, and whether they are exact there.
#pragma once

// Writes `wide` into `ansi`, a buffer of `size` bytes, in the ANSI code page.
// `*exact` is false when a character has no exact equal there: it comes as
// '?', where the system's own conversion would hand over its nearest fit (ł
// as l) and so the name of another file. False when it does not fit.
bool AnsiName(const wchar_t* wide, char* ansi, int size, bool* exact);
