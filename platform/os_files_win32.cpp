// os_files_win32.cpp -- the file calls of Win32.
//
// CreateFileA rather than OpenFile: OpenFile's record holds 128 characters,
// so longer paths would fail without a word.
#include "platform/os_files.h"

#include <windows.h>

namespace {

HANDLE Handle(OsFile file) { return reinterpret_cast<HANDLE>(file); }

OsFile FromHandle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? kNoOsFile : reinterpret_cast<OsFile>(handle);
}

}  // namespace

OsFile OsOpenRead(const char* path, FileProblem* problem) {
    // A folder cannot be opened this way at all: tell it from a refused file.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        *problem = kFileNotRegular;
        return kNoOsFile;
    }
    // Others may go on reading and writing the table, as with OF_READ.
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                       error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
        *problem = missing ? kFileMissing : kFileUnreadable;
        return kNoOsFile;
    }
    // A device (CON, COM1, NUL) or a pipe opens, but reading it could wait
    // for ever or give no end: only a file on a disk is a table.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        *problem = kFileNotRegular;
        return kNoOsFile;
    }
    return FromHandle(handle);
}

OsFile OsCreate(const char* path, OsCreateMode mode, bool* nameTaken) {
    DWORD disposition = mode == kCreateNew ? CREATE_NEW : CREATE_ALWAYS;
    HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
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

bool OsReplace(const char* from, const char* to, bool durably) {
    DWORD flags = MOVEFILE_REPLACE_EXISTING | (durably ? MOVEFILE_WRITE_THROUGH : 0);
    return MoveFileExA(from, to, flags) != 0;
}

bool OsRemove(const char* path) { return DeleteFileA(path) != 0; }
