// folders_win32.cpp -- directories of Win32, listed with FindFirstFileA, which
// also expands the wildcards that cmd.exe hands over as they are.
#include <windows.h>

#include <cstring>

#include "platform/platform.h"

namespace {

HANDLE listing = INVALID_HANDLE_VALUE;
WIN32_FIND_DATAA found;
bool pending = false;  // `found` holds an entry not yet handed out

const char* LastPart(const char* path) {
    const char* last = path;
    for (const char* c = path; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/' || *c == ':') last = c + 1;
    }
    return last;
}

}  // namespace

bool IsDirectory(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool HasWildcards(const char* path) { return std::strpbrk(LastPart(path), "*?") != nullptr; }

bool ListingOpen(const char* path) {
    ListingClose();
    char pattern[MAX_PATH + 3];
    std::size_t length = std::strlen(path);
    if (length + 3 > sizeof pattern) return false;
    std::memcpy(pattern, path, length + 1);
    if (!HasWildcards(path)) {
        if (!IsDirectory(path)) return false;
        if (length > 0 && path[length - 1] != '\\' && path[length - 1] != '/') pattern[length++] = '\\';
        pattern[length++] = '*';
        pattern[length] = '\0';
    }
    listing = FindFirstFileA(pattern, &found);
    pending = listing != INVALID_HANDLE_VALUE;
    return pending;
}

bool ListingNext(char* name, std::uint32_t size) {
    while (pending) {
        bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        std::size_t length = std::strlen(found.cFileName);
        bool fits = length + 1 <= size;
        if (fits && !folder) std::memcpy(name, found.cFileName, length + 1);
        pending = FindNextFileA(listing, &found) != 0;
        if (fits && !folder) return true;
    }
    return false;
}

void ListingClose() {
    if (listing != INVALID_HANDLE_VALUE) FindClose(listing);
    listing = INVALID_HANDLE_VALUE;
    pending = false;
}
