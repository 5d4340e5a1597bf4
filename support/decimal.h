// decimal.h -- fixed-width decimal text fields, read and written through an
// 18-digit packed decimal.
#pragma once

#include <cstdint>

// Ten bytes in the layout of the x86 floating-point unit's packed decimal:
// bytes 0 to 8 hold two digits each, least significant first (the low four
// bits the lower digit); byte 9 is the sign, bit 7 set for a negative value.
// All three conversions below pass through it.
struct PackedDecimal {
    std::uint8_t bytes[10];
};

// Writes `value` right-aligned into the `width` characters that end at
// `lastChar` (at most 20 of them); nothing after `lastChar`, no terminator.
// With `blankZeros` 1 leading zeros become spaces, the ones digit excepted.
// Too many digits lose their leading ones.
void FormatDecimal(std::int32_t value, char* lastChar, std::uint32_t width, std::uint8_t blankZeros);

// Reads `length` characters as a decimal number: each character gives its low
// four bits as a digit, so that spaces and NUL bytes count as 0. A length
// above 20 gives −2147483648 without reading the text.
std::int32_t ParseDecimal(const char* text, std::uint32_t length);

// The four low decimal digits of the magnitude of `value` as characters:
// `lowPair` the tens and the ones digit, `highPair` the thousands and the
// hundreds digit, each in reading order.
void DigitPairs(std::int16_t value, char lowPair[2], char highPair[2]);

// Writes the decimal digits of `value` (up to 10, no leading zeros, no
// terminator) to `text` and returns their number. For counts beyond the
// signed range FormatDecimal takes: record numbers, numbers of tables.
std::uint32_t UnsignedText(std::uint32_t value, char* text);
