// os_files.h -- the operating system's own file calls, beneath the buffered
// file slots of files.cpp. One implementation per platform.
#pragma once

#include <cstdint>

#include "platform/files.h"

// A file of the operating system: a Win32 HANDLE or a POSIX descriptor.
typedef std::intptr_t OsFile;
const OsFile kNoOsFile = -1;

enum OsCreateMode { kCreateAlways, kCreateNew, kCreateClaimed };

// What tells a changed file: its size and the times of its last write and
// last change, as the system counts them.
struct OsStamp {
    std::uint64_t size;
    std::int64_t modified;
    std::int64_t changed;
};

// Opens a regular file for reading without ever waiting, and takes its
// stamp; kNoOsFile with the reason in `*problem` otherwise.
OsFile OsOpenRead(const char* path, FileProblem* problem, OsStamp* stamp);
// The file's stamp now.
bool OsStampOf(OsFile file, OsStamp* stamp);
// kNoOsFile on failure; `*nameTaken` then tells whether the name was in use.
OsFile OsCreate(const char* path, OsCreateMode mode, bool* nameTaken);
OsFile OsOpenUnclaimed(const char* path, FileProblem* problem);
// Reads up to `count` bytes; `*done` is 0 only at the end of the file.
bool OsRead(OsFile file, void* buffer, std::uint32_t count, std::uint32_t* done);
// Writes all `count` bytes or fails.
bool OsWrite(OsFile file, const void* data, std::uint32_t count);
bool OsSeek(OsFile file, std::uint64_t offset);
// Copies up to `count` bytes from `from` at `fromOffset` to `to` at
// `toOffset` inside the system, without moving either file's position.
// `*done` is 0 only at the end of `from`. False when the system did not copy
// (it has no such copy for these files, or it failed): nothing was copied,
// and the caller copies the ordinary way.
bool OsCopy(OsFile from, std::uint64_t fromOffset, OsFile to, std::uint64_t toOffset, std::uint64_t count,
            std::uint64_t* done);
bool OsSize(OsFile file, std::uint64_t* size);
bool OsTruncate(OsFile file, std::uint64_t size);
bool OsFlush(OsFile file);
// Asks the system to begin writing `count` bytes from `offset` to the disk,
// without waiting: the disk works while the conversion goes on, and the
// flush at the end finds little left to do.
void OsStartFlush(OsFile file, std::uint64_t offset, std::uint64_t count);
bool OsClose(OsFile file);

bool OsExists(const char* path);
bool OsIdentify(const char* path, FileIdentity* identity);
bool OsReplace(const char* from, const char* to);
bool OsLink(const char* existing, const char* path);
bool OsRemove(const char* path);

bool OsFolderCreate(const char* path, bool* nameTaken);
bool OsFolderRemove(const char* path);
bool OsFolderFlush(const char* beside);
bool OsLockFolderOf(const char* beside);
void OsUnlockFolder();
