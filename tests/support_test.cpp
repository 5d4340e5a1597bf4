// The support routines at the edges the whole conversions do not reach:
// decimal text fields and the time stamp, each into a buffer poisoned with
// '#' so that a stray byte shows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/test/platform_test.h"
#include "support/byte_order.h"
#include "support/decimal.h"
#include "support/time_stamp.h"

namespace {

TEST(Support, FormatDecimalWritesRightAlignedFieldsAndNothingElse) {
    const struct {
        std::int32_t value;
        std::uint32_t width;
        std::uint8_t blankZeros;
        const char* field;
    } cases[] = {
        // clang-format off
        {0, 3, 1, "  0"},        {12345, 10, 0, "0000012345"},          {12345, 10, 2, "0000012345"},
        {100, 3, 1, "100"},      {12345, 3, 1, "345"},                  {0, 0, 1, ""},
        {1234, 25, 1, "                1234"},                          {0, 25, 0, "00000000000000000000"},
        {2147483647, 20, 1, "          2147483647"},
        // clang-format on
    };
    for (const auto& c : cases) {
        char buffer[32];
        std::memset(buffer, '#', sizeof buffer);
        FormatDecimal(c.value, buffer + 29, c.width, c.blankZeros);
        std::string expected(32, '#');
        expected.replace(30 - std::strlen(c.field), std::strlen(c.field), c.field);
        EXPECT_EQ(std::string(buffer, 32), expected) << c.value << " in " << c.width;
    }
}

TEST(Support, NumbersReadFromTextAndFromBytes) {
    const struct {
        std::string text;
        std::int32_t value;
    } cases[] = {
        // clang-format off
        {"          ", 0},       {std::string(8, '\0') + "12", 12},      {"12        ", 1200000000},
        {"2147483647", INT32_MAX}, {"2147483648", INT32_MIN},              {"9999999999", INT32_MIN},
        {"1" + std::string(17, '0') + "5", 5},  // the 19th from the right falls into ignored bits
        {"8" + std::string(18, '0') + "5", -5},  // the 20th from the right is the sign
        {"7" + std::string(18, '0') + "5", 5},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text.data(), c.text.size()), c.value) << c.text;
    unsigned char number[4];  // the tables' counts need all four bytes
    WriteU32LE(number, 0x12345678);
    EXPECT_EQ(ReadU32LE(number) + ReadU16LE(number + 2), 0x12345678u + 0x1234u);
}

// The expected reports hold a day and an hour of one digit; here two digits
// and the hour 0. Nothing is written past the NUL, nothing for a null text.
TEST(Support, TimeStampBlanksOnlyTheTensOfDayAndHour) {
    for (const LocalTime& clock : {LocalTime{2026, 12, 25, 0, 0, 0}, LocalTime{1999, 11, 25, 14, 59, 59}}) {
        SetTestClock(clock);
        char stamp[22];
        std::memset(stamp, '#', sizeof stamp);
        FormatTimeStamp(stamp, stamp + 12);
        FormatTimeStamp(nullptr, nullptr);
        EXPECT_EQ(std::string(stamp, 22), clock.hour == 0 ? std::string("25.12.2026\0# 0:00:00\0#", 22)
                                                          : std::string("25.11.1999\0#14:59:59\0#", 22));
    }
}

}  // namespace
