// oem_win32.cpp -- OEM-to-ANSI conversion by the system, for its own OEM code page.
#include "platform/code_page.h"

#include <windows.h>

void OemToAnsiCounted(char* text, std::uint32_t count) {
    if (count > 0) OemToCharBuffA(text, text, count);
}

void OemToAnsiTerminated(char* text) { OemToCharA(text, text); }
