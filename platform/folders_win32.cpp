// folders_win32.cpp -- directories of Win32, listed with FindFirstFileW, which
// also expands the wildcards that cmd.exe hands over as they are. The names
// come as UTF-16, so that one the ANSI code page cannot hold is told, not
// handed out as the name of another file (FindFirstFileA gives ł as l).
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "platform/ansi_names_win32.h"
#include "platform/files.h"

namespace {

const std::uint32_t kListings = 2;

struct FolderListing {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found;
    bool pending = false;  // `found` holds an entry not yet handed out
    bool exact = true;     // the name handed out last is the entry's own
};

FolderListing listings[kListings];

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

Listing ListingOpen(const char* path) {
    char pattern[MAX_PATH + 3];
    std::size_t length = std::strlen(path);
    if (length + 3 > sizeof pattern) return kNoListing;
    std::memcpy(pattern, path, length + 1);
    if (!HasWildcards(path)) {
        if (!IsDirectory(path)) return kNoListing;
        if (length > 0 && path[length - 1] != '\\' && path[length - 1] != '/') pattern[length++] = '\\';
        pattern[length++] = '*';
        pattern[length] = '\0';
    }
    wchar_t widePattern[MAX_PATH + 3];
    if (MultiByteToWideChar(CP_ACP, 0, pattern, -1, widePattern, MAX_PATH + 3) == 0) return kNoListing;
    for (std::uint32_t i = 0; i < kListings; ++i) {
        FolderListing& listing = listings[i];
        if (listing.find != INVALID_HANDLE_VALUE) continue;
        listing.find = FindFirstFileW(widePattern, &listing.found);
        listing.pending = listing.find != INVALID_HANDLE_VALUE;
        return listing.pending ? i + 1 : kNoListing;
    }
    return kNoListing;
}

bool ListingNext(Listing listing, char* name, std::uint32_t size, bool* folder) {
    if (listing == kNoListing || listing > kListings) return false;
    FolderListing& open = listings[listing - 1];
    while (open.pending) {
        const wchar_t* found = open.found.cFileName;
        bool dots = std::wcscmp(found, L".") == 0 || std::wcscmp(found, L"..") == 0;
        bool take = !dots && AnsiName(found, name, static_cast<int>(size), &open.exact);
        if (take) *folder = (open.found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        open.pending = FindNextFileW(open.find, &open.found) != 0;
        if (take) return true;
    }
    return false;
}

bool ListedNameExact(Listing listing) {
    return listing != kNoListing && listing <= kListings && listings[listing - 1].exact;
}

void ListingClose(Listing listing) {
    if (listing == kNoListing || listing > kListings) return;
    FolderListing& open = listings[listing - 1];
    if (open.find != INVALID_HANDLE_VALUE) FindClose(open.find);
    open.find = INVALID_HANDLE_VALUE;
    open.pending = false;
}
