// Decimal text fields: writing right-aligned values, reading fixed-width
// fields, and the digit pairs of the time stamp.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/decimal.h"

namespace {

struct FormatCase {
    std::int32_t value;
    std::uint32_t width;
    std::uint8_t blankZeros;
    const char* field;  // what lands in the columns up to lastChar
};

// Formats into a buffer poisoned with '#', the field ending at column 29, and
// returns the whole buffer, so that a stray byte on either side shows.
std::string FormatPoisoned(std::int32_t value, std::uint32_t width, std::uint8_t blankZeros) {
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    FormatDecimal(value, buffer + 29, width, blankZeros);
    return std::string(buffer, sizeof buffer);
}

std::string Expected(const char* field) {
    std::string buffer(32, '#');
    std::size_t length = std::strlen(field);
    buffer.replace(30 - length, length, field);
    return buffer;
}

TEST(FormatDecimal, WritesRightAlignedFieldsAndNothingElse) {
    const FormatCase cases[] = {
        {0, 3, 1, "  0"},
        {5, 2, 1, " 5"},
        {254, 3, 1, "254"},
        {12345, 10, 1, "     12345"},
        {2147483647, 20, 1, "          2147483647"},
        {12345, 10, 0, "0000012345"},
        {12345, 10, 2, "0000012345"},  // only 1 asks for blanks
        {100, 3, 0, "100"},
        {7, 3, 0, "007"},
        {100, 3, 1, "100"},                     // inner zeros stay
        {12345, 3, 1, "345"},                   // leading digits are lost
        {1, 10, 1, "         1"},               // a first memo block
        {0, 0, 1, ""},                          // width 0 writes nothing
        {1234, 25, 1, "                1234"},  // at most 20 characters
        {0, 25, 0, "00000000000000000000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatPoisoned(c.value, c.width, c.blankZeros), Expected(c.field))
            << c.value << " in width " << c.width << " blank " << int(c.blankZeros);
    }
}

struct ParseCase {
    std::string text;
    std::int32_t value;
};

TEST(ParseDecimal, ReadsFieldsWithSpacesAsZeros) {
    const ParseCase cases[] = {
        {"         0", 0},
        {"        12", 12},
        {"0000000012", 12},
        {"          ", 0},
        {std::string(8, '\0') + "12", 12},  // NUL bytes count as 0
        {"12        ", 1200000000},         // trailing spaces multiply by ten
        {"2147483647", 2147483647},
        {"2147483648", INT32_MIN},
        {"9999999999", INT32_MIN},
        {"", 0},
        {"1" + std::string(17, '0') + "5", 5},   // 19th from the right: ignored bits
        {"8" + std::string(18, '0') + "5", -5},  // 20th from the right: the sign
        {"7" + std::string(18, '0') + "5", 5},   // below 8 the sign stays clear
        {"9" + std::string(18, '0') + "0", 0},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseDecimal(c.text.data(), static_cast<std::uint32_t>(c.text.size())), c.value)
            << "'" << c.text << "'";
    }
}

TEST(ParseDecimal, LengthAbove20GivesTheOutOfRangeValueWithoutReading) {
    // One byte of text: a read of 21 would overrun it (caught by the sanitizers).
    const char one[1] = {'5'};
    EXPECT_EQ(ParseDecimal(one, 21), INT32_MIN);
    EXPECT_EQ(ParseDecimal(one, 0xFFFFFFFFu), INT32_MIN);
}

TEST(DigitPairs, GivesTheFourLowDigitsOfTheMagnitude) {
    struct Case {
        std::int16_t value;
        const char* low;
        const char* high;
    };
    const Case cases[] = {
        {2003, "03", "20"}, {5, "05", "00"},
        {9999, "99", "99"}, {12345, "45", "23"},  // a fifth digit is dropped
        {-1, "01", "00"},                         // 0xFFFF read as -1
        {0, "00", "00"},
    };
    for (const Case& c : cases) {
        char low[2], high[2];
        DigitPairs(c.value, low, high);
        EXPECT_EQ(std::string(low, 2), c.low) << c.value;
        EXPECT_EQ(std::string(high, 2), c.high) << c.value;
    }
}

}  // namespace
