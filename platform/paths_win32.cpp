// paths_win32.cpp -- path texts on Win32: '\' separates, names are compared
// without regard to case.
#include "platform/files.h"

#include <windows.h>

#include "platform/ansi_names_win32.h"

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

bool AnsiName(const wchar_t* wide, char* ansi, int size, bool* exact) {
    BOOL replaced = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, ansi, size, nullptr, &replaced);
    *exact = !replaced;
    if (length == 0 && size > 0) ansi[size - 1] = '\0';  // what did fit, ended
    return length != 0;
}
