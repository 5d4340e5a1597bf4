// console_lines.h -- the converter's lines on stdout and stderr, put together
// from texts, paths and numbers.
#pragma once

#include <cstdint>

#include "platform/console.h"

void Say(ConsoleStream stream, const char* text);
void SayPath(ConsoleStream stream, const char* path);
void SayNumber(ConsoleStream stream, std::uint32_t value);
// A message on stderr that names a path, and its line end.
void SayRefusal(const char* text, const char* path);

// SayRefusal, for a run that stops there: returns its exit status, 1.
int Refused(const char* text, const char* path = "");

// A wrong call: "kelvor-convert: " with the problem and a path on stderr,
// and a line that points at the help. Returns its exit status, 2.
int WrongCall(const char* problem, const char* path = "");

// The number and the noun in the singular for 1, in the plural otherwise:
// "1 Satz", "12 Sätze".
void SayCount(ConsoleStream stream, std::uint32_t value, const char* one, const char* many);
