// paths_posix.cpp -- path texts on a POSIX system: '/' separates, names are
// case sensitive.
#include "platform/platform.h"

#include <dirent.h>
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

bool ResolveNameCase(char* path) {
    if (FileExists(path)) return true;  // the exact name wins
    char* slash = std::strrchr(path, '/');
    char* name = slash ? slash + 1 : path;
    if (*name == '\0') return true;
    DIR* directory;
    if (slash == nullptr) {
        directory = opendir(".");
    } else if (slash == path) {
        directory = opendir("/");
    } else {
        *slash = '\0';
        directory = opendir(path);
        *slash = '/';
    }
    if (directory == nullptr) return true;
    char match[256] = "";
    int matches = 0;
    std::size_t length = std::strlen(name);
    while (struct dirent* entry = readdir(directory)) {
        if (std::strlen(entry->d_name) == length && strcasecmp(entry->d_name, name) == 0) {
            std::memcpy(match, entry->d_name, length + 1);
            ++matches;
        }
    }
    closedir(directory);
    if (matches > 1) return false;  // two candidates: neither is taken
    if (matches == 1) std::memcpy(name, match, length);
    return true;
}
