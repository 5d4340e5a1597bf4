// oem_posix.cpp -- OEM-to-ANSI conversion through the fixed code page 850 table.
#include "platform/platform.h"

#include "platform/oem850_table.h"

void OemToAnsiCounted(char* text, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        text[i] = static_cast<char>(kOem850ToAnsi[static_cast<unsigned char>(text[i])]);
    }
}

void OemToAnsiTerminated(char* text) {
    for (; *text != '\0'; ++text) {
        *text = static_cast<char>(kOem850ToAnsi[static_cast<unsigned char>(*text)]);
    }
}
