// clock_posix.cpp -- the local time of a POSIX system.
#include "platform/clock.h"

#include <ctime>

void ReadLocalTime(LocalTime* now) {
    std::time_t seconds = std::time(nullptr);
    std::tm local = {};
    localtime_r(&seconds, &local);
    now->year = static_cast<std::uint16_t>(local.tm_year + 1900);
    now->month = static_cast<std::uint16_t>(local.tm_mon + 1);
    now->day = static_cast<std::uint16_t>(local.tm_mday);
    now->hour = static_cast<std::uint16_t>(local.tm_hour);
    now->minute = static_cast<std::uint16_t>(local.tm_min);
    now->second = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);  // leap second
}
