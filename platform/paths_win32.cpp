// paths_win32.cpp -- path texts on Win32: '\' separates, names are compared
// without regard to case.
#include "platform/files.h"

#include <windows.h>

bool IsPathSeparator(char c) { return c == '\\'; }

char PathSeparator() { return '\\'; }

bool FileNamesCaseSensitive() { return false; }

bool SamePathText(const char* pathA, const char* pathB) { return lstrcmpiA(pathA, pathB) == 0; }

bool SameTextIgnoringCase(const char* textA, const char* textB) { return lstrcmpiA(textA, textB) == 0; }

bool FullPath(const char* path, char* full, std::uint32_t size) {
    DWORD length = GetFullPathNameA(path, size, full, nullptr);
    return length != 0 && length < size;
}

bool ResolveNameCase(char*) { return true; }
