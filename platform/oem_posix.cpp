// oem_posix.cpp -- OEM-to-ANSI conversion through the fixed code page 850 table.
//
// The table gives every byte below 0x80 itself, and most text is such bytes:
// they are passed over eight at a time, and only words that hold a byte from
// 0x80 on go through the table.
#include "platform/code_page.h"

#include <cstring>

#include "platform/oem850_table.h"

namespace {

const std::uint64_t kHighBits = 0x8080808080808080u;

std::uint64_t WordAt(const char* text) {
    std::uint64_t word;
    std::memcpy(&word, text, sizeof word);
    return word;
}

char Converted(char c) { return static_cast<char>(kOem850ToAnsi[static_cast<unsigned char>(c)]); }

}  // namespace

void OemToAnsiCounted(char* text, std::uint32_t count) {
    std::uint32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        if ((WordAt(text + i) & kHighBits) == 0) continue;
        for (std::uint32_t k = i; k < i + 8; ++k) text[k] = Converted(text[k]);
    }
    for (; i < count; ++i) text[i] = Converted(text[i]);
}

void OemToAnsiTerminated(char* text) {
    OemToAnsiCounted(text, static_cast<std::uint32_t>(std::strlen(text)));
}
