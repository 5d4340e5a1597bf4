// time_stamp.cpp -- the date and time texts of the structure report's title line.
#include "support/time_stamp.h"

#include "platform/clock.h"
#include "support/decimal.h"

namespace {

// Writes the two last digits of `value`; a leading zero becomes a space when
// `blankTens` is set.
char* PutTwoDigits(char* out, std::uint16_t value, bool blankTens) {
    char low[2], high[2];
    DigitPairs(static_cast<std::int16_t>(value), low, high);
    out[0] = (blankTens && low[0] == '0') ? ' ' : low[0];
    out[1] = low[1];
    return out + 2;
}

}  // namespace

void FormatTimeStamp(char* dateText, char* timeText) {
    LocalTime now;
    ReadLocalTime(&now);
    if (dateText != nullptr) {
        char* out = PutTwoDigits(dateText, now.day, true);
        *out++ = '.';
        out = PutTwoDigits(out, now.month, false);
        *out++ = '.';
        char low[2], high[2];
        DigitPairs(static_cast<std::int16_t>(now.year), low, high);
        *out++ = high[0];
        *out++ = high[1];
        *out++ = low[0];
        *out++ = low[1];
        *out = '\0';
    }
    if (timeText != nullptr) {
        char* out = PutTwoDigits(timeText, now.hour, true);
        *out++ = ':';
        out = PutTwoDigits(out, now.minute, false);
        *out++ = ':';
        out = PutTwoDigits(out, now.second, false);
        *out = '\0';
    }
}
