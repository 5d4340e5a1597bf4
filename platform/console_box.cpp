// console_box.cpp -- the buttons a console takes in place of a user, and the
// one line that stands for a box.
#include "platform/console_box.h"

#include <cstring>

#include "platform/window.h"

namespace {

// The buttons of each box type (the low four bits of the style), in the order
// the box shows them; 0 ends a row.
const int kButtons[6][4] = {
    {kAnswerOk, 0, 0, 0},                            // MB_OK
    {kAnswerOk, 2, 0, 0},                            // MB_OKCANCEL
    {kAnswerAbort, kAnswerRetry, kAnswerIgnore, 0},  // MB_ABORTRETRYIGNORE
    {kAnswerYes, kAnswerNo, 2, 0},                   // MB_YESNOCANCEL
    {kAnswerYes, kAnswerNo, 0, 0},                   // MB_YESNO
    {kAnswerRetry, 2, 0, 0},                         // MB_RETRYCANCEL
};

}  // namespace

int ConsoleAnswer(std::uint32_t style) {
    std::uint32_t type = style & 0xF;
    if (type > 5) type = 0;
    std::uint32_t preferred = (style >> 8) & 0xF;  // MB_DEFBUTTON2 is 1
    if (preferred < 4 && kButtons[type][preferred] != 0) return kButtons[type][preferred];
    return kButtons[type][0];  // a default beyond the buttons falls back to the first
}

std::uint32_t ConsoleBoxLine(const char* text, std::uint32_t style, int answer, char* out,
                             std::uint32_t size) {
    const char* suffix = "";
    if ((style & 0xF) == kBoxYesNo) suffix = answer == kAnswerYes ? " [Ja]" : " [Nein]";
    std::uint32_t room = size - 1 - static_cast<std::uint32_t>(std::strlen(suffix));
    std::uint32_t length = 0;
    for (const char* c = text; *c != '\0' && length < room; ++c) {
        if (*c == '\r' && c[1] == '\n') continue;
        out[length++] = (*c == '\n' || *c == '\r') ? ' ' : *c;
    }
    std::strcpy(out + length, suffix);
    return length + static_cast<std::uint32_t>(std::strlen(suffix));
}
