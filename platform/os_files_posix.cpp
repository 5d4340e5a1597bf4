// os_files_posix.cpp -- the file calls of a POSIX system.
#include "platform/os_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int Descriptor(OsFile file) { return static_cast<int>(file); }

std::int64_t Nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

bool StampOf(int fd, OsStamp* stamp) {
    struct stat info;
    if (fstat(fd, &info) != 0) return false;
    stamp->size = static_cast<std::uint64_t>(info.st_size);
    stamp->modified = Nanoseconds(info.st_mtim);
    stamp->changed = Nanoseconds(info.st_ctim);
    return true;
}

const std::int64_t kSecond = 1000000000;

// From when on a later change of the file can no longer be given the stamp
// `time`. The system stamps a change with the time of its clock tick, so a
// change in the tick of the one before keeps its stamp; a file system that
// counts whole seconds (ext2 and ext3 with small inodes, some network
// shares; FAT counts modification times in even seconds) keeps it for up to
// two seconds. A stamp ahead of the clock, as on a file from a machine whose
// clock ran ahead, is given to no change made now.
std::int64_t StampSettles(std::int64_t time, std::int64_t now) {
    if (time > now + kSecond) return now;
    return time % kSecond == 0 ? time + 2 * kSecond : time + 1;
}

// Once both stamps have settled, every later change shows: the stamp is
// taken again until then (a few milliseconds; up to two seconds for a file
// changed just now on a file system of whole seconds; a file that is still
// being written at the end of the wait shows its next change). The fuzzer
// writes its inputs just before each run and never during one: it would
// spend most of its time here.
void WaitForTheChangeTick(int fd, OsStamp* stamp) {
#ifdef KELVOR_FUZZING
    const int kTries = 0;
#else
    const int kTries = 40;
#endif
    for (int tries = 0; tries < kTries; ++tries) {
        struct timespec now;
        if (clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0) return;
        std::int64_t at = Nanoseconds(now);
        std::int64_t wait =
            std::max(StampSettles(stamp->modified, at), StampSettles(stamp->changed, at)) - at;
        if (wait <= 0) return;
        // The clock moves on a tick at a time: no shorter pause than a millisecond.
        struct timespec pause = {
            0, static_cast<long>(std::clamp<std::int64_t>(wait, kSecond / 1000, kSecond / 10))};
        nanosleep(&pause, nullptr);
        if (!StampOf(fd, stamp)) return;
    }
}

// Claims an open file for this process: a lock that the system gives up when
// the file is closed or the process ends. False when another process holds
// it, or when the file system cannot tell.
bool ClaimDescriptor(int fd) { return flock(fd, LOCK_EX | LOCK_NB) == 0; }

}  // namespace

OsFile OsOpenRead(const char* path, FileProblem* problem, OsStamp* stamp) {
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
    if (StampOf(fd, stamp)) WaitForTheChangeTick(fd, stamp);
    return fd;
}

bool OsStampOf(OsFile file, OsStamp* stamp) { return StampOf(Descriptor(file), stamp); }

OsFile OsCreate(const char* path, OsCreateMode mode, bool* nameTaken) {
    int flags = O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | (mode == kCreateAlways ? O_TRUNC : O_EXCL);
    int fd = open(path, flags, 0666);
    // With O_EXCL a name in use (a file, a folder, even a dangling link) fails with EEXIST.
    *nameTaken = fd < 0 && errno == EEXIST;
    if (fd < 0) return kNoOsFile;
    // A file system without locks cannot tell a live claim: FileOpenUnclaimed
    // then takes every claim for a live one.
    if (mode == kCreateClaimed) ClaimDescriptor(fd);
    return fd;
}

OsFile OsOpenUnclaimed(const char* path, FileProblem* problem) {
    int fd = open(path, O_RDWR | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        *problem = errno == ENOENT ? kFileMissing : kFileUnreadable;
        return kNoOsFile;
    }
    struct stat info;
    *problem = kFileNotRegular;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        *problem = kFileInUse;
        if (ClaimDescriptor(fd)) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            return fd;
        }
    }
    close(fd);
    return kNoOsFile;
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

void OsStartFlush(OsFile file, std::uint64_t offset, std::uint64_t count) {
    sync_file_range(Descriptor(file), static_cast<off_t>(offset), static_cast<off_t>(count),
                    SYNC_FILE_RANGE_WRITE);
}

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

// Opens the directory that holds `beside`: its path up to the last '/', "/"
// for a path directly under the root, "." for a name without a directory.
int OpenFolderOf(const char* beside) {
    char folder[4096];
    const char* slash = std::strrchr(beside, '/');
    std::size_t length = slash == nullptr ? 0 : static_cast<std::size_t>(slash - beside);
    if (length + 2 > sizeof folder) return -1;
    if (length == 0) {
        folder[0] = slash == nullptr ? '.' : '/';
        length = 1;
    } else {
        std::memcpy(folder, beside, length);
    }
    folder[length] = '\0';
    return open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int lockedFolder = -1;

}  // namespace

bool OsReplace(const char* from, const char* to) { return std::rename(from, to) == 0; }

bool OsLink(const char* existing, const char* path) { return link(existing, path) == 0; }

bool OsRemove(const char* path) { return unlink(path) == 0; }

bool OsFolderCreate(const char* path, bool* nameTaken) {
    if (mkdir(path, 0777) == 0) return true;
    *nameTaken = errno == EEXIST;
    return false;
}

bool OsFolderRemove(const char* path) { return rmdir(path) == 0; }

bool OsFolderFlush(const char* beside) {
    // A folder that may be written but not read cannot be opened, and some
    // file systems have no flush of folders: nothing to be done there.
    int fd = OpenFolderOf(beside);
    if (fd < 0) return true;
    bool ok = fsync(fd) == 0 || errno == EINVAL || errno == EROFS || errno == EBADF;
    close(fd);
    return ok;
}

bool OsLockFolderOf(const char* beside) {
    OsUnlockFolder();
    int fd = OpenFolderOf(beside);
    if (fd < 0) return true;  // nothing to lock it with: the run goes on as without locks
    if (flock(fd, LOCK_EX) == 0) {
        lockedFolder = fd;
        return true;
    }
    bool interrupted = errno == EINTR;
    close(fd);
    return !interrupted;  // a file system without locks: as above
}

void OsUnlockFolder() {
    if (lockedFolder >= 0) close(lockedFolder);
    lockedFolder = -1;
}
