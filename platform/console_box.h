// console_box.h -- message boxes of a console front end: the line and the answer.
#pragma once

#include <cstdint>

// The answer for a box of `style`: the box's default button.
int ConsoleAnswer(std::uint32_t style);

// Writes `text` as one line into `out` (`size` bytes): each line break (CR LF
// or LF alone) becomes one space, and a question gets its answer behind it,
// " [Ja]" or " [Nein]". A longer text is cut. Returns the length.
std::uint32_t ConsoleBoxLine(const char* text, std::uint32_t style, int answer, char* out,
                             std::uint32_t size);
