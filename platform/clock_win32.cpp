// clock_win32.cpp -- the local time of Win32.
#include "platform/clock.h"

#include <windows.h>

void ReadLocalTime(LocalTime* now) {
    SYSTEMTIME local;
    GetLocalTime(&local);
    now->year = local.wYear;
    now->month = local.wMonth;
    now->day = local.wDay;
    now->hour = local.wHour;
    now->minute = local.wMinute;
    now->second = local.wSecond;
}
