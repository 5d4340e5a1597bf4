// named_limit.h -- NamesNumber, which ties a message to the limit it names.
//
// A message such as "länger als 32000 Byte" spells out a constant of the
// code; a static_assert with NamesNumber beside the check that shows it
// fails the build once the two drift apart.
#pragma once

#include <cstdint>

// Whether `text` holds `value` in decimal, as a number of its own (no digit
// before it), followed by `unit` ("32000 Byte"); with an empty unit, by no
// further digit.
constexpr bool NamesNumber(const char* text, std::uint64_t value, const char* unit) {
    char digits[21] = {};
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int start = 0; text[start] != '\0'; ++start) {
        if (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') continue;
        int i = 0;
        while (i < count && text[start + i] == digits[count - 1 - i]) ++i;
        if (i < count) continue;
        const char* rest = text + start + count;
        int u = 0;
        while (unit[u] != '\0' && rest[u] == unit[u]) ++u;
        if (unit[u] != '\0') continue;
        if (u == 0 && rest[0] >= '0' && rest[0] <= '9') continue;
        return true;
    }
    return false;
}
