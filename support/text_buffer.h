// text_buffer.h -- copy, fill, measure and write single-byte text in fixed buffers.
//
// None of these applies a bound of its own: each caller keeps `count` within
// its destination and `limit` within the buffer that holds the text.
#pragma once

#include <cstdint>

#include "platform/files.h"

// Copies `count` bytes of `src` to `dest` (`count` 0: the whole NUL-terminated
// source, without its NUL). Only with `terminate` 1 a NUL follows the copy.
void CopyText(char* dest, const char* src, std::uint32_t count, std::uint8_t terminate);

// Stores `value` into `count` bytes from `dest` on; returns `dest` + `count`.
unsigned char* FillBytes(void* dest, std::uint32_t count, std::uint8_t value);

// With `stop` NUL: the length of the terminated text. Otherwise the index of
// the first `stop` among the first `limit` bytes, NUL bytes examined like any
// other; `limit` − 1 when it is not found (0xFFFFFFFF for a `limit` of 0).
std::uint32_t LengthUntil(const char* text, std::uint32_t limit, char stop);

// The letter in upper case; any other character as it is.
inline char UpperCaseOf(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Writes the NUL-terminated `text` (none when it is null) and CR LF to `file`.
// The outcome is left to the file's failure mark, which FileClose reports.
void WriteLine(FileHandle file, const char* text);

// The index of the file name in `path`: behind its last directory separator
// (0 for a path without one).
std::uint32_t FileNameStart(const char* path);
