// files.h -- files, folders and path texts, as the portable code reaches
// them: buffered file slots, the folders of a run's own and their lock, path
// texts and folder listings. One implementation per platform, in the library
// kelvor_platform_files; the tests make its operations fail through faults.h.
#pragma once

#include <cstdint>

// ---------------------------------------------------------------------------
// Files
//
// A file handle names one of a fixed number of open-file slots, counted from
// 1; kNoFile (0) means "no file". Each slot owns a fixed buffer, so reads and
// writes of a few bytes cost no system call and nothing is allocated while a
// conversion runs. Every byte and every position reaches the file exactly as
// if each call went straight through.
//
// A failed operation marks its file as failed; the mark stays until the file
// is closed, and FileClose reports it. Positions and sizes are 64-bit.
// ---------------------------------------------------------------------------

typedef std::uint32_t FileHandle;
const FileHandle kNoFile = 0;

// Why FileOpenRead or FileOpenUnclaimed gave no file.
enum FileProblem : std::uint8_t {
    kFileMissing,     // nothing at the path
    kFileNotRegular,  // a directory, a device, a pipe: nothing to read from start to end
    kFileUnreadable,  // there, but it cannot be opened (rights, no free slot)
    kFileInUse,       // another program writes it (Win32), or a live process claims it
};

// Opens an existing regular file for reading, positioned at its start. It
// never waits: a pipe or a device is looked at, not read from. Where the
// system can forbid it (Win32), nobody may write the file while it is open,
// and a file another program holds open for writing is kFileInUse. Returns
// kNoFile, with the reason in `*problem`, when there is no regular file to
// read at `path`.
FileHandle FileOpenRead(const char* path, FileProblem* problem);

// True when a file opened by FileOpenRead is as it was when it was opened:
// the same size, modification and change time. A file that another program
// wrote meanwhile, even back to its old size, is not.
bool FileUnchanged(FileHandle file);

// Creates a file for reading and writing, emptying it when it exists.
// Returns kNoFile on failure.
FileHandle FileCreate(const char* path);

// Creates a file for reading and writing that must not exist yet; used to
// claim a temporary name. Returns kNoFile when it cannot be made; then
// `*nameTaken` tells whether something of that name is already there (a
// file, a folder, a dangling link), so that the caller may try another name.
FileHandle FileCreateNew(const char* path, bool* nameTaken);

// FileCreateNew, and the file is claimed by this process until it is closed
// or the process ends, however it ends: meanwhile FileOpenUnclaimed of it
// gives kFileInUse, also within this process. This is how a run tells others
// that it lives.
FileHandle FileCreateClaimed(const char* path, bool* nameTaken);

// Opens an existing regular file for reading and writing and claims it, when
// no live process claims it; kFileInUse when one does, or when the system
// cannot tell.
FileHandle FileOpenUnclaimed(const char* path, FileProblem* problem);

// Reads up to `count` bytes at the current position into `buffer` and
// advances the position. `*done` receives the number of bytes read, which is
// less than `count` only at the end of the file. Returns false when the read
// failed (then `*done` counts the bytes delivered before the failure).
bool FileRead(FileHandle file, void* buffer, std::uint32_t count, std::uint32_t* done);

// Writes `count` bytes at the current position and advances it. `*done`
// receives the number of bytes taken. Returns false when the write failed;
// a failure of bytes held in the slot's buffer may surface at a later call on
// the same file, at the latest at FileClose.
bool FileWrite(FileHandle file, const void* data, std::uint32_t count, std::uint32_t* done);

// Copies `count` bytes from the position of `from` to the position of `to`
// and advances both, by the system's own copy where it has one (so that the
// bytes need not pass through the program). `*done` receives the number of
// bytes copied, which is less than `count` only when `from` ends first or a
// failure stops the copy.
enum CopyOutcome : std::uint8_t { kCopyDone, kCopyReadFailed, kCopyWriteFailed };
CopyOutcome FileCopy(FileHandle from, FileHandle to, std::uint64_t count, std::uint64_t* done);

// Sets the position to `offset` bytes from the start of the file.
bool FileSeek(FileHandle file, std::uint64_t offset);

// Cuts the file to `size` bytes.
bool FileTruncate(FileHandle file, std::uint64_t size);

// Gives the current size of the file, bytes written so far included.
bool FileSize(FileHandle file, std::uint64_t* size);

// Writes what is still buffered and asks the system to put the file's bytes
// on the disk (fsync; FlushFileBuffers), so that a power cut after it cannot
// leave the file empty or half-written. Returns false when that failed.
bool FileFlush(FileHandle file);

// Writes what is still buffered and closes the file; the slot is free again
// afterwards, also on failure. Returns false when any operation on the file
// failed, this one included. Closing kNoFile does nothing and returns true.
bool FileClose(FileHandle file);

// FileClose, and `*file` becomes kNoFile, so that a slot given to another
// file later is never closed through an old handle.
bool FileCloseAndForget(FileHandle* file);

// True when something exists at `path` (a file, a directory, ...).
bool FileExists(const char* path);

// What stands at a path: its identity in the file system (volume and file
// index; device and inode), whatever the text of the path, and whether it is
// a regular file rather than a directory, a device or a pipe.
struct FileIdentity {
    std::uint64_t volume;
    std::uint64_t index;
    bool regular;
};

// Writes what stands at `path` into `*identity`; false when nothing does.
bool IdentifyFile(const char* path, FileIdentity* identity);

// Moves the file at `from` to `to` in one step, replacing a file at `to`;
// both lie in one file system. On Win32 the move is written through; on POSIX
// FolderFlush makes it last.
bool FileReplace(const char* from, const char* to);

// Gives the file at `existing` the second name `path` (a hard link). False
// where the file system has no such names, or on failure.
bool FileLink(const char* existing, const char* path);

// Removes the file at `path`.
bool FileRemove(const char* path);

// ---------------------------------------------------------------------------
// Folders of a run's own
// ---------------------------------------------------------------------------

// Creates the directory `path`. False on failure; then `*nameTaken` tells
// whether something of that name is already there.
bool FolderCreate(const char* path, bool* nameTaken);

// Removes the empty directory `path`.
bool FolderRemove(const char* path);

// Puts the entries of the directory that holds `beside` on the disk (fsync of
// the folder on POSIX; a flush of the folder where Win32 allows one), so that
// files made or moved there last after a power cut. False only when the
// system says it failed, not where a folder cannot be flushed at all.
bool FolderFlush(const char* beside);

// Takes the lock of the directory that holds `beside`, which runs into one
// directory take in turns while they put their outputs in place. Waits for
// it a while: true once it is held (or where the file system has no locks),
// false when it is not yet, so that the caller may look for an interrupt and
// ask again. One lock at a time; a process that ends gives its lock up.
bool LockFolderOf(const char* beside);
void UnlockFolder();

// ---------------------------------------------------------------------------
// Path texts
// ---------------------------------------------------------------------------

// True for the character that separates directories in a path: '\' on
// Win32, '/' on POSIX (where '\' is an ordinary character of a name).
bool IsPathSeparator(char c);

// The separator a path is built with: '\\' on Win32, '/' on POSIX.
char PathSeparator();

// True where the file system tells names apart by the case of their letters.
bool FileNamesCaseSensitive();

// True when two path texts name the same place as the file system compares
// names: without regard to case on Win32, byte for byte on POSIX. Both texts
// should be full paths.
bool SamePathText(const char* pathA, const char* pathB);

// True when two texts are equal without regard to case (lstrcmpiA on Win32).
bool SameTextIgnoringCase(const char* textA, const char* textB);

// Writes the full (absolute) form of `path` into `full`, a buffer of `size`
// bytes. The file need not exist. Returns false when the result does not fit.
bool FullPath(const char* path, char* full, std::uint32_t size);

// Where names are case sensitive and nothing exists at `path`: looks in the
// directory of `path` for entries whose names equal the file name without
// regard to case; when there is exactly one, puts its name into `path` (same
// length, in place). Returns false, with `path` unchanged, when there are two
// or more, so that none is taken by chance. Elsewhere it changes nothing and
// returns true.
bool ResolveNameCase(char* path);

// ---------------------------------------------------------------------------
// Folder listings: the command-line converter's lists of tables, and the
// folders that runs leave
// ---------------------------------------------------------------------------

// True when `path` names an existing directory.
bool IsDirectory(const char* path);

// True when the last part of `path` holds wildcards ('*', '?') that the
// program must expand itself: on Win32, whose command shell leaves them. On
// POSIX the shell has expanded them, and such a character is part of a name.
bool HasWildcards(const char* path);

// Begins a listing of the entries of the directory `path`, or, where
// HasWildcards, of those in its directory that its last part matches. Two
// listings may be open at a time. Returns kNoListing when there is nothing to
// list. Nothing is allocated.
typedef std::uint32_t Listing;
const Listing kNoListing = 0;
Listing ListingOpen(const char* path);

// Writes the name (not the path) of the next entry into `name`, a buffer of
// `size` bytes, and whether it is a directory; "." and "..", and names that
// do not fit, are passed over. False at the end of the listing.
bool ListingNext(Listing listing, char* name, std::uint32_t size, bool* folder);

// Whether the name ListingNext wrote last is the entry's own. On Win32 a name
// that the ANSI code page cannot hold comes with '?' in place of what it
// lacks, and opens no file.
bool ListedNameExact(Listing listing);

void ListingClose(Listing listing);
