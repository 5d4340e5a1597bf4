// paths_posix.cpp -- path texts on a POSIX system: '/' separates, names are
// case sensitive.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cstring>

bool IsPathSeparator(char c) { return c == '/'; }

char PathSeparator() { return '/'; }

bool FileNamesCaseSensitive() { return true; }

bool SamePathText(const char* pathA, const char* pathB) { return std::strcmp(pathA, pathB) == 0; }

bool SameTextIgnoringCase(const char* textA, const char* textB) { return strcasecmp(textA, textB) == 0; }

bool FullPath(const char* path, char* full, std::uint32_t size) {
    if (path[0] == '/') {
        if (std::strlen(path) >= size) return false;
        std::strcpy(full, path);
        return true;
    }
    while (path[0] == '.' && path[1] == '/') path += 2;
    if (getcwd(full, size) == nullptr) return false;
    std::size_t directory = std::strlen(full);
    bool root = directory == 1;  // "/" needs no second separator
    if (directory + (root ? 0 : 1) + std::strlen(path) >= size) return false;
    if (!root) full[directory++] = '/';
    std::strcpy(full + directory, path);
    return true;
}

namespace {

// The folder's entries are read a buffer at a time into this fixed buffer
// rather than through a directory stream, which would allocate during a
// conversion.
alignas(8) char entries[32768];

}  // namespace

bool ResolveNameCase(char* path) {
    if (FileExists(path)) return true;  // the exact name wins
    char* slash = std::strrchr(path, '/');
    char* name = slash ? slash + 1 : path;
    if (*name == '\0') return true;
    int folder;
    if (slash == nullptr) {
        folder = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } else if (slash == path) {
        folder = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } else {
        *slash = '\0';
        folder = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        *slash = '/';
    }
    if (folder < 0) return true;
    char match[256] = "";
    int matches = 0;
    std::size_t length = std::strlen(name);
    for (ssize_t got; (got = getdents64(folder, entries, sizeof entries)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const struct dirent64*>(entries + at);
            if (std::strlen(entry->d_name) == length && strcasecmp(entry->d_name, name) == 0) {
                std::memcpy(match, entry->d_name, length + 1);
                ++matches;
            }
            at += entry->d_reclen;
        }
    }
    close(folder);
    if (matches > 1) return false;  // two candidates: neither is taken
    if (matches == 1) std::memcpy(name, match, length);
    return true;
}
