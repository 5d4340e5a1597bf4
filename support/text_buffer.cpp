// text_buffer.cpp -- the text buffer and line routines.
#include "support/text_buffer.h"

#include <cstring>

void CopyText(char* dest, const char* src, std::uint32_t count, std::uint8_t terminate) {
    if (count == 0) count = static_cast<std::uint32_t>(std::strlen(src));
    std::memcpy(dest, src, count);
    if (terminate == 1) dest[count] = '\0';
}

unsigned char* FillBytes(void* dest, std::uint32_t count, std::uint8_t value) {
    std::memset(dest, value, count);
    return static_cast<unsigned char*>(dest) + count;
}

std::uint32_t LengthUntil(const char* text, std::uint32_t limit, char stop) {
    if (stop == '\0') return static_cast<std::uint32_t>(std::strlen(text));
    for (std::uint32_t i = 0; i < limit; ++i) {
        if (text[i] == stop) return i;
    }
    return limit - 1;
}

void WriteLine(FileHandle file, const char* text) {
    static const char kLineEnd[2] = {'\r', '\n'};
    std::uint32_t done = 0;
    if (text != nullptr) FileWrite(file, text, static_cast<std::uint32_t>(std::strlen(text)), &done);
    FileWrite(file, kLineEnd, sizeof kLineEnd, &done);
}

std::uint32_t FileNameStart(const char* path) {
    std::uint32_t start = 0;
    for (std::uint32_t i = 0; path[i] != '\0'; ++i) {
        if (IsPathSeparator(path[i])) start = i + 1;
    }
    return start;
}
