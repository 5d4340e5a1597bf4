// console_box_posix.cpp -- message boxes of a POSIX console front end: one
// line on stderr, in UTF-8.
#include <cstdio>

#include "platform/console_answer.h"
#include "platform/platform.h"

namespace {

// Windows-1252 0x80 to 0x9F; the five bytes without a character become "?".
const unsigned short kHighControls[32] = {
    0x20AC, '?',    0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, '?',    0x017D, '?',
    '?',    0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, '?',    0x017E, 0x0178,
};

}  // namespace

int ShowMessageBox(WindowHandle, const char* text, const char* caption, std::uint32_t style) {
    char line[2048];
    char utf8[3 * sizeof line + 2];
    std::uint32_t length = JoinLines(text, line, sizeof line);
    std::uint32_t out = 0;
    for (std::uint32_t i = 0; i < length; ++i) {
        unsigned code = static_cast<unsigned char>(line[i]);
        if (code >= 0x80 && code < 0xA0) code = kHighControls[code - 0x80];
        if (code < 0x80) {
            utf8[out++] = static_cast<char>(code);
        } else if (code < 0x800) {
            utf8[out++] = static_cast<char>(0xC0 | (code >> 6));
            utf8[out++] = static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8[out++] = static_cast<char>(0xE0 | (code >> 12));
            utf8[out++] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8[out++] = static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    utf8[out++] = '\n';
    (void)caption;  // a console line has no title
    std::fwrite(utf8, 1, out, stderr);
    std::fflush(stderr);
    return ConsoleAnswer(style);
}
