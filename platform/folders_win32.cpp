// folders_win32.cpp -- directories of Win32, listed with FindFirstFileA, which
// also expands the wildcards that cmd.exe hands over as they are.
#include <windows.h>

#include <cstring>

#include "platform/files.h"

namespace {

const std::uint32_t kListings = 2;

struct FolderListing {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA found;
    bool pending = false;  // `found` holds an entry not yet handed out
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
    for (std::uint32_t i = 0; i < kListings; ++i) {
        FolderListing& listing = listings[i];
        if (listing.find != INVALID_HANDLE_VALUE) continue;
        listing.find = FindFirstFileA(pattern, &listing.found);
        listing.pending = listing.find != INVALID_HANDLE_VALUE;
        return listing.pending ? i + 1 : kNoListing;
    }
    return kNoListing;
}

bool ListingNext(Listing listing, char* name, std::uint32_t size, bool* folder) {
    if (listing == kNoListing || listing > kListings) return false;
    FolderListing& open = listings[listing - 1];
    while (open.pending) {
        const char* found = open.found.cFileName;
        std::size_t length = std::strlen(found);
        bool dots = std::strcmp(found, ".") == 0 || std::strcmp(found, "..") == 0;
        bool take = !dots && length + 1 <= size;
        if (take) {
            std::memcpy(name, found, length + 1);
            *folder = (open.found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        }
        open.pending = FindNextFileA(open.find, &open.found) != 0;
        if (take) return true;
    }
    return false;
}

void ListingClose(Listing listing) {
    if (listing == kNoListing || listing > kListings) return;
    FolderListing& open = listings[listing - 1];
    if (open.find != INVALID_HANDLE_VALUE) FindClose(open.find);
    open.find = INVALID_HANDLE_VALUE;
    open.pending = false;
}
