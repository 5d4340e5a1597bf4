// console_answer.h -- which button a console front end presses for a box.
#pragma once

#include <cstdint>

// The answer for a box of `style`: for a Yes/No question the answer set by
// SetConsoleAnswer, when one was set; otherwise the box's default button.
int ConsoleAnswer(std::uint32_t style);

// Writes `text` as one line: each line break (CR LF or LF alone) becomes one
// space. `out` holds `size` bytes; a longer text is cut. Returns the length.
std::uint32_t JoinLines(const char* text, char* out, std::uint32_t size);
