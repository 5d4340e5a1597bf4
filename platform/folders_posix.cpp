// folders_posix.cpp -- directories of a POSIX system, listed a buffer of
// entries at a time with getdents64 into fixed buffers (a directory stream
// would allocate).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/files.h"

namespace {

const std::uint32_t kListings = 2;

struct FolderListing {
    int fd = -1;
    long got = 0;  // bytes of entries in the buffer
    long at = 0;   // the next entry's place in it
    alignas(8) char entries[16384];
};

FolderListing listings[kListings];

FolderListing* ListingOf(Listing listing) {
    if (listing == kNoListing || listing > kListings || listings[listing - 1].fd < 0) return nullptr;
    return &listings[listing - 1];
}

// Whether the entry is a directory, following a link as stat does.
bool IsFolderEntry(int folder, const struct dirent64* entry) {
    if (entry->d_type == DT_DIR) return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return false;
    struct stat info;
    return fstatat(folder, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool IsDirectory(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool HasWildcards(const char*) { return false; }

Listing ListingOpen(const char* path) {
    for (std::uint32_t i = 0; i < kListings; ++i) {
        FolderListing& listing = listings[i];
        if (listing.fd >= 0) continue;
        listing.fd = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        listing.got = 0;
        listing.at = 0;
        return listing.fd < 0 ? kNoListing : i + 1;
    }
    return kNoListing;
}

bool ListingNext(Listing listing, char* name, std::uint32_t size, bool* folder) {
    FolderListing* open = ListingOf(listing);
    if (open == nullptr) return false;
    for (;;) {
        if (open->at >= open->got) {
            open->got = getdents64(open->fd, open->entries, sizeof open->entries);
            open->at = 0;
            if (open->got <= 0) return false;
        }
        const auto* entry = reinterpret_cast<const struct dirent64*>(open->entries + open->at);
        open->at += entry->d_reclen;
        std::size_t length = std::strlen(entry->d_name);
        bool dots = std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0;
        if (dots || length + 1 > size) continue;
        std::memcpy(name, entry->d_name, length + 1);
        *folder = IsFolderEntry(open->fd, entry);
        return true;
    }
}

bool ListedNameExact(Listing) { return true; }  // a name is its bytes

void ListingClose(Listing listing) {
    FolderListing* open = ListingOf(listing);
    if (open == nullptr) return;
    close(open->fd);
    open->fd = -1;
}
