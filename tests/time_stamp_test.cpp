// The date and time texts of the report's title line, from the test clock.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/test/platform_test.h"
#include "support/time_stamp.h"

namespace {

struct StampCase {
    LocalTime clock;
    const char* date;
    const char* time;
};

TEST(FormatTimeStamp, BlanksOnlyTheTensOfDayAndHour) {
    const StampCase cases[] = {
        {{2003, 3, 5, 9, 5, 7}, " 5.03.2003", " 9:05:07"},
        {{2026, 12, 25, 0, 0, 0}, "25.12.2026", " 0:00:00"},  // hour zero keeps its ones digit
        {{1999, 11, 1, 14, 59, 59}, " 1.11.1999", "14:59:59"},
        {{2003, 10, 10, 10, 10, 10}, "10.10.2003", "10:10:10"},
    };
    for (const StampCase& c : cases) {
        ResetTestPlatform();
        SetTestClock(c.clock);
        char date[12], time[10];
        std::memset(date, '#', sizeof date);
        std::memset(time, '#', sizeof time);
        FormatTimeStamp(date, time);
        EXPECT_EQ(std::string(date, 11), std::string(c.date) + '\0');
        EXPECT_EQ(date[11], '#');
        EXPECT_EQ(std::string(time, 9), std::string(c.time) + '\0');
        EXPECT_EQ(time[9], '#');
    }
}

TEST(FormatTimeStamp, LeavesANullTextAlone) {
    ResetTestPlatform();
    char date[11], time[9];
    std::memset(date, '#', sizeof date);
    std::memset(time, '#', sizeof time);
    FormatTimeStamp(nullptr, time);
    EXPECT_EQ(std::string(date, 11), std::string(11, '#'));
    EXPECT_STREQ(time, " 9:07:03");
    FormatTimeStamp(date, nullptr);
    EXPECT_STREQ(date, " 5.12.2026");
}

}  // namespace
