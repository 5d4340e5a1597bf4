// code_page.h -- the OEM-to-ANSI conversion of text, in place: the system's
// on Win32 (oem_win32.cpp), a fixed table of code page 850 on POSIX.
#pragma once

#include <cstdint>

// Converts exactly `count` bytes; a zero byte among them is converted like
// any other (OemToCharBuffA).
void OemToAnsiCounted(char* text, std::uint32_t count);

// Converts the bytes up to the first zero byte (OemToCharA).
void OemToAnsiTerminated(char* text);
