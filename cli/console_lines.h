// console_lines.h -- the converter's lines on stdout and stderr, put together
// from texts, paths and numbers.
#pragma once

#include <cstdint>

#include "platform/console.h"

void Say(ConsoleStream stream, const char* text);
void SayPath(ConsoleStream stream, const char* path);
void SayNumber(ConsoleStream stream, std::uint32_t value);
// A refusal: the message and the path it names on stderr, and a line end.
// Returns the exit status of a refused run, 1; a run of many tables that
// goes on after it ignores that.
int SayRefusal(const char* text, const char* path = "");

// A wrong call: "kelvor-convert: " with the problem and a path on stderr,
// and a line that points at the help. Returns its exit status, 2.
int WrongCall(const char* problem, const char* path = "");

// The number and the noun in the singular for 1, in the plural otherwise:
// "1 Satz", "12 Sätze".
void SayCount(ConsoleStream stream, std::uint32_t value, const char* one, const char* many);
