// os_files_posix.cpp -- the file calls of a POSIX system.
#include "platform/os_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int Descriptor(OsFile file) { return static_cast<int>(file); }

}  // namespace

OsFile OsOpenRead(const char* path, FileProblem* problem) {
    // Without O_NONBLOCK the open of a pipe waits for a writer, and that of a
    // terminal or a modem line for its carrier: forever, as far as the user
    // can tell. Opened without waiting, it is looked at and refused.
    int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            *problem = kFileMissing;
        } else if (errno == ENXIO || errno == ENODEV || errno == EISDIR) {
            *problem = kFileNotRegular;  // a socket, a pipe or device without its other end
        } else {
            *problem = kFileUnreadable;
        }
        return kNoOsFile;
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        close(fd);
        *problem = kFileUnreadable;
        return kNoOsFile;
    }
    if (!S_ISREG(info.st_mode)) {  // a directory, a device or a pipe opens, but is no file
        close(fd);
        *problem = kFileNotRegular;
        return kNoOsFile;
    }
    // Reads of a regular file never wait; the flag goes all the same.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

OsFile OsCreate(const char* path, OsCreateMode mode, bool* nameTaken) {
    int flags = O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | (mode == kCreateNew ? O_EXCL : O_TRUNC);
    int fd = open(path, flags, 0666);
    // With O_EXCL a name in use (a file, a folder, even a dangling link) fails with EEXIST.
    *nameTaken = fd < 0 && errno == EEXIST;
    return fd < 0 ? kNoOsFile : fd;
}

bool OsRead(OsFile file, void* buffer, std::uint32_t count, std::uint32_t* done) {
    for (;;) {
        ssize_t got = read(Descriptor(file), buffer, count);
        if (got >= 0) {
            *done = static_cast<std::uint32_t>(got);
            return true;
        }
        if (errno != EINTR) {
            *done = 0;
            return false;
        }
    }
}

bool OsWrite(OsFile file, const void* data, std::uint32_t count) {
    const char* next = static_cast<const char*>(data);
    while (count > 0) {
        ssize_t put = write(Descriptor(file), next, count);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        next += put;
        count -= static_cast<std::uint32_t>(put);
    }
    return true;
}

bool OsSeek(OsFile file, std::uint64_t offset) {
    if (offset > std::uint64_t(INT64_MAX)) return false;
    return lseek(Descriptor(file), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

bool OsCopy(OsFile from, std::uint64_t fromOffset, OsFile to, std::uint64_t toOffset, std::uint64_t count,
            std::uint64_t* done) {
    *done = 0;
    off_t in = static_cast<off_t>(fromOffset);
    off_t out = static_cast<off_t>(toOffset);
    for (;;) {
        ssize_t copied = copy_file_range(Descriptor(from), &in, Descriptor(to), &out, count, 0);
        if (copied >= 0) {
            *done = static_cast<std::uint64_t>(copied);
            return true;
        }
        if (errno == EINTR) continue;
        // Older kernels, other file systems, special files, or a failure that
        // the ordinary way tells as a failed read or a failed write.
        return false;
    }
}

bool OsSize(OsFile file, std::uint64_t* size) {
    struct stat info;
    if (fstat(Descriptor(file), &info) != 0) return false;
    *size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

bool OsTruncate(OsFile file, std::uint64_t size) {
    if (size > std::uint64_t(INT64_MAX)) return false;
    return ftruncate(Descriptor(file), static_cast<off_t>(size)) == 0;
}

bool OsFlush(OsFile file) { return fsync(Descriptor(file)) == 0; }

bool OsClose(OsFile file) { return close(Descriptor(file)) == 0; }

bool OsExists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

bool OsIdentify(const char* path, FileIdentity* identity) {
    struct stat info;
    if (stat(path, &info) != 0) return false;
    identity->volume = static_cast<std::uint64_t>(info.st_dev);
    identity->index = static_cast<std::uint64_t>(info.st_ino);
    identity->regular = S_ISREG(info.st_mode);
    return true;
}

namespace {

// Makes the entries of the folder of `path` last on disk, where the folder
// can be opened.
void SyncFolderOf(const char* path) {
    char folder[4096];
    const char* slash = std::strrchr(path, '/');
    std::size_t length = slash == nullptr ? 0 : static_cast<std::size_t>(slash - path);
    if (length + 2 > sizeof folder) return;
    if (length == 0) {
        folder[0] = slash == nullptr ? '.' : '/';
        length = 1;
    } else {
        std::memcpy(folder, path, length);
    }
    folder[length] = '\0';
    int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool OsReplace(const char* from, const char* to, bool durably) {
    if (std::rename(from, to) != 0) return false;
    // The move has happened, whatever the folder's flush gives: the file's
    // bytes were flushed before it, so after a power cut either the old or
    // the new file stands there whole. The flush only makes the new name last
    // (a folder that may be written but not read cannot be flushed).
    if (durably) SyncFolderOf(to);
    return true;
}

bool OsRemove(const char* path) { return unlink(path) == 0; }
