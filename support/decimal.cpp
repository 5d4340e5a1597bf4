// decimal.cpp -- packed decimal conversions and the decimal text fields built on them.
#include "support/decimal.h"

namespace {

const std::uint32_t kTextFormLength = 20;  // two characters for each of the ten bytes
const std::uint8_t kSignBit = 0x80;
const std::int32_t kOutOfRange = INT32_MIN;

// The last 18 digits of the magnitude of `value`, with its sign.
PackedDecimal PackDecimal(std::int64_t value) {
    PackedDecimal packed = {};
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    for (int i = 0; i < 9; ++i) {
        std::uint8_t low = static_cast<std::uint8_t>(magnitude % 10);
        magnitude /= 10;
        std::uint8_t high = static_cast<std::uint8_t>(magnitude % 10);
        magnitude /= 10;
        packed.bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    packed.bytes[9] = value < 0 ? kSignBit : 0;
    return packed;
}

// The value of the digits, negated when the sign is set; −2147483648 when it
// lies outside the signed 32-bit range. Half-bytes above 9 count with their
// value, as invalid digits.
std::int32_t UnpackDecimal(const PackedDecimal& packed) {
    // 18 half-bytes of at most 15 each stay below 1.7e18: no overflow.
    std::uint64_t magnitude = 0;
    for (int i = 8; i >= 0; --i) {
        magnitude = magnitude * 10 + (packed.bytes[i] >> 4);
        magnitude = magnitude * 10 + (packed.bytes[i] & 0x0F);
    }
    if (packed.bytes[9] & kSignBit) {
        if (magnitude > 2147483648u) return kOutOfRange;
        return static_cast<std::int32_t>(0 - magnitude);
    }
    if (magnitude > 2147483647u) return kOutOfRange;
    return static_cast<std::int32_t>(magnitude);
}

}  // namespace

void FormatDecimal(std::int32_t value, char* lastChar, std::uint32_t width, std::uint8_t blankZeros) {
    PackedDecimal packed = PackDecimal(value);
    char text[kTextFormLength];
    for (int i = 0; i < 10; ++i) {
        std::uint8_t byte = packed.bytes[9 - i];
        text[2 * i] = static_cast<char>('0' + (byte >> 4));
        text[2 * i + 1] = static_cast<char>('0' + (byte & 0x0F));
    }
    if (blankZeros == 1) {
        for (std::uint32_t i = 0; i + 1 < kTextFormLength && text[i] == '0'; ++i) text[i] = ' ';
    }
    std::uint32_t count = width < kTextFormLength ? width : kTextFormLength;
    for (std::uint32_t k = 0; k < count; ++k) lastChar[-static_cast<std::int32_t>(k)] = text[19 - k];
}

std::int32_t ParseDecimal(const char* text, std::uint32_t length) {
    if (length > kTextFormLength) return kOutOfRange;
    PackedDecimal packed = {};
    for (std::uint32_t i = 0; i < length; ++i) {
        std::uint8_t digit = static_cast<std::uint8_t>(text[length - 1 - i] & 0x0F);
        packed.bytes[i / 2] |= (i % 2 == 0) ? digit : static_cast<std::uint8_t>(digit << 4);
    }
    packed.bytes[9] &= kSignBit;  // the 19th character from the right falls into ignored bits
    return UnpackDecimal(packed);
}

void DigitPairs(std::int16_t value, char lowPair[2], char highPair[2]) {
    PackedDecimal packed = PackDecimal(value);
    lowPair[0] = static_cast<char>('0' + (packed.bytes[0] >> 4));
    lowPair[1] = static_cast<char>('0' + (packed.bytes[0] & 0x0F));
    highPair[0] = static_cast<char>('0' + (packed.bytes[1] >> 4));
    highPair[1] = static_cast<char>('0' + (packed.bytes[1] & 0x0F));
}

std::uint32_t UnsignedText(std::uint32_t value, char* text) {
    char digits[10];
    std::uint32_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (std::uint32_t i = 0; i < count; ++i) text[i] = digits[count - 1 - i];
    return count;
}
