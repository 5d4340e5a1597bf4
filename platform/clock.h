// clock.h -- the local calendar time (clock_posix.cpp, clock_win32.cpp; the
// tests set it).
#pragma once

#include <cstdint>

struct LocalTime {
    std::uint16_t year;    // four digits, e.g. 2026
    std::uint16_t month;   // 1 to 12
    std::uint16_t day;     // 1 to 31
    std::uint16_t hour;    // 0 to 23
    std::uint16_t minute;  // 0 to 59
    std::uint16_t second;  // 0 to 59
};

// Reads the local calendar time once.
void ReadLocalTime(LocalTime* now);
