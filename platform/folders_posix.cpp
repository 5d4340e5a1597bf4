// folders_posix.cpp -- directories of a POSIX system, listed with readdir.
#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

#include "platform/platform.h"

namespace {

DIR* listing = nullptr;
char listedFolder[4096];  // the directory's path and a separator, to look at an entry

}  // namespace

bool IsDirectory(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool HasWildcards(const char*) { return false; }

bool ListingOpen(const char* path) {
    ListingClose();
    std::size_t length = std::strlen(path);
    if (length + 2 > sizeof listedFolder) return false;
    listing = opendir(path);
    if (listing == nullptr) return false;
    std::memcpy(listedFolder, path, length);
    listedFolder[length] = '/';
    listedFolder[length + 1] = '\0';
    return true;
}

bool ListingNext(char* name, std::uint32_t size) {
    if (listing == nullptr) return false;
    std::size_t folderLength = std::strlen(listedFolder);
    while (struct dirent* entry = readdir(listing)) {
        std::size_t length = std::strlen(entry->d_name);
        if (length + 1 > size || folderLength + length + 1 > sizeof listedFolder) continue;
        std::memcpy(listedFolder + folderLength, entry->d_name, length + 1);
        bool folder = IsDirectory(listedFolder);  // "." and ".." too
        listedFolder[folderLength] = '\0';
        if (folder) continue;
        std::memcpy(name, entry->d_name, length + 1);
        return true;
    }
    return false;
}

void ListingClose() {
    if (listing != nullptr) closedir(listing);
    listing = nullptr;
}
