// time_stamp.h -- the local date and time as short German texts.
#pragma once

// Reads the clock once and writes the date "dd.mm.yyyy" into `dateText`
// (11 bytes with the NUL) and the time "hh:mm:ss" into `timeText` (9 bytes
// with the NUL). The day and the hour show a leading zero as a space. Either
// buffer may be null and is then left alone.
void FormatTimeStamp(char* dateText, char* timeText);
