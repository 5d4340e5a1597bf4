// os_files_win32.cpp -- the file calls of Win32.
//
// CreateFileA rather than OpenFile: OpenFile's record holds 128 characters,
// so longer paths would fail without a word.
#include "platform/os_files.h"

#include <windows.h>

#include <cstring>

namespace {

HANDLE Handle(OsFile file) { return reinterpret_cast<HANDLE>(file); }

OsFile FromHandle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? kNoOsFile : reinterpret_cast<OsFile>(handle);
}

bool Missing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_NETPATH;
}

std::int64_t Number(LARGE_INTEGER value) { return static_cast<std::int64_t>(value.QuadPart); }

bool StampOf(HANDLE handle, OsStamp* stamp) {
    FILE_BASIC_INFO times;
    LARGE_INTEGER size;
    if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof times) ||
        !GetFileSizeEx(handle, &size)) {
        return false;
    }
    stamp->size = static_cast<std::uint64_t>(size.QuadPart);
    stamp->modified = Number(times.LastWriteTime);
    stamp->changed = Number(times.ChangeTime);
    return true;
}

// Opens an existing file of a disk with `access`, shared with others as
// `sharing` allows; one that others hold against that is kFileInUse. A device
// (CON, COM1, NUL) or a pipe opens, but reading it could wait for ever or give
// no end: only a file on a disk is one.
OsFile OpenExisting(const char* path, DWORD access, DWORD sharing, FileProblem* problem) {
    HANDLE handle =
        CreateFileA(path, access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        *problem = Missing(error)                     ? kFileMissing
                   : error == ERROR_SHARING_VIOLATION ? kFileInUse
                                                      : kFileUnreadable;
        return kNoOsFile;
    }
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        *problem = kFileNotRegular;
        return kNoOsFile;
    }
    return FromHandle(handle);
}

// The path of `name` in the directory that holds `beside`, in `path` (MAX_PATH
// + 16 bytes). False when it does not fit.
bool PathBeside(const char* beside, const char* name, char* path) {
    std::size_t folder = 0;
    for (std::size_t i = 0; beside[i] != '\0'; ++i) {
        if (beside[i] == '\\' || beside[i] == '/' || beside[i] == ':') folder = i + 1;
    }
    std::size_t length = std::strlen(name);
    if (folder + length + 1 > MAX_PATH + 16) return false;
    std::memcpy(path, beside, folder);
    std::memcpy(path + folder, name, length + 1);
    return true;
}

// The lock of a folder is a file in it that one process at a time can open;
// the system removes it when its holder closes it or ends.
const char kLockFileName[] = "~kv.lock";
HANDLE lockFile = INVALID_HANDLE_VALUE;

}  // namespace

OsFile OsOpenRead(const char* path, FileProblem* problem, OsStamp* stamp) {
    // A folder cannot be opened this way at all: tell it from a refused file.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        *problem = kFileNotRegular;
        return kNoOsFile;
    }
    // Others may read the file meanwhile, but nobody may write it: a table
    // read while it changes would be pieced from two states. A file that
    // another program holds open for writing cannot be opened so.
    OsFile file = OpenExisting(path, GENERIC_READ, FILE_SHARE_READ, problem);
    if (file != kNoOsFile && !StampOf(Handle(file), stamp)) *stamp = OsStamp();
    return file;
}

bool OsStampOf(OsFile file, OsStamp* stamp) { return StampOf(Handle(file), stamp); }

OsFile OsCreate(const char* path, OsCreateMode mode, bool* nameTaken) {
    DWORD disposition = mode == kCreateAlways ? CREATE_ALWAYS : CREATE_NEW;
    // A claimed file is shared with nobody while it is open: whoever else
    // tries to open it learns that its process lives.
    DWORD sharing = mode == kCreateClaimed ? 0 : FILE_SHARE_READ;
    HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, sharing, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        // A folder of that name, or a file about to be deleted, answers "access denied".
        *nameTaken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                     (error == ERROR_ACCESS_DENIED && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES);
        return kNoOsFile;
    }
    *nameTaken = false;
    return FromHandle(handle);
}

// Opened shared with nobody: a claim that a live process holds cannot be.
OsFile OsOpenUnclaimed(const char* path, FileProblem* problem) {
    return OpenExisting(path, GENERIC_READ | GENERIC_WRITE, 0, problem);
}

bool OsRead(OsFile file, void* buffer, std::uint32_t count, std::uint32_t* done) {
    DWORD got = 0;
    BOOL ok = ReadFile(Handle(file), buffer, count, &got, nullptr);
    *done = ok ? got : 0;
    return ok != 0;
}

bool OsWrite(OsFile file, const void* data, std::uint32_t count) {
    const char* next = static_cast<const char*>(data);
    while (count > 0) {
        DWORD put = 0;
        if (!WriteFile(Handle(file), next, count, &put, nullptr) || put == 0) return false;
        next += put;
        count -= put;
    }
    return true;
}

bool OsSeek(OsFile file, std::uint64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    if (distance.QuadPart < 0) return false;
    return SetFilePointerEx(Handle(file), distance, nullptr, FILE_BEGIN) != 0;
}

// Win32 has no copy between two open files: the caller copies itself.
bool OsCopy(OsFile, std::uint64_t, OsFile, std::uint64_t, std::uint64_t, std::uint64_t* done) {
    *done = 0;
    return false;
}

bool OsSize(OsFile file, std::uint64_t* size) {
    LARGE_INTEGER length;
    if (!GetFileSizeEx(Handle(file), &length)) return false;
    *size = static_cast<std::uint64_t>(length.QuadPart);
    return true;
}

bool OsTruncate(OsFile file, std::uint64_t size) {
    return OsSeek(file, size) && SetEndOfFile(Handle(file)) != 0;
}

bool OsFlush(OsFile file) { return FlushFileBuffers(Handle(file)) != 0; }

// Win32 has no such call: the flush at the end does all.
void OsStartFlush(OsFile, std::uint64_t, std::uint64_t) {}

bool OsClose(OsFile file) { return CloseHandle(Handle(file)) != 0; }

bool OsExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// Opens a path only to learn which file it names.
bool OsIdentify(const char* path, FileIdentity* identity) {
    HANDLE handle = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    // A device (NUL, COM1) or a pipe is there, but is no file of a disk.
    BY_HANDLE_FILE_INFORMATION info = {};
    bool disk = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    identity->volume = info.dwVolumeSerialNumber;
    identity->index = std::uint64_t(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
    identity->regular = disk && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return true;
}

bool OsReplace(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool OsLink(const char* existing, const char* path) { return CreateHardLinkA(path, existing, nullptr) != 0; }

bool OsRemove(const char* path) { return DeleteFileA(path) != 0; }

bool OsFolderCreate(const char* path, bool* nameTaken) {
    if (CreateDirectoryA(path, nullptr)) return true;
    *nameTaken = GetLastError() == ERROR_ALREADY_EXISTS;
    return false;
}

bool OsFolderRemove(const char* path) { return RemoveDirectoryA(path) != 0; }

// Moves are written through; the entries of files made in a folder are put
// on the disk with the folder's own flush where the file system has one.
bool OsFolderFlush(const char* beside) {
    char folder[MAX_PATH + 16];
    if (!PathBeside(beside, ".", folder)) return true;
    HANDLE handle = CreateFileA(folder, GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return true;
    FlushFileBuffers(handle);
    CloseHandle(handle);
    return true;
}

bool OsLockFolderOf(const char* beside) {
    OsUnlockFolder();
    char path[MAX_PATH + 16];
    if (!PathBeside(beside, kLockFileName, path)) return true;
    for (int tries = 0; tries < 10; ++tries) {
        HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            lockFile = handle;
            return true;
        }
        // Held by another process, or about to go with its holder; any other
        // failure (a folder that cannot be written) leaves nothing to lock.
        DWORD error = GetLastError();
        bool held = error == ERROR_SHARING_VIOLATION ||
                    (error == ERROR_ACCESS_DENIED && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES);
        if (!held) return true;
        Sleep(10);
    }
    return false;
}

void OsUnlockFolder() {
    if (lockFile != INVALID_HANDLE_VALUE) CloseHandle(lockFile);
    lockFile = INVALID_HANDLE_VALUE;
}
