// files.cpp -- buffered file slots over the operating system's file calls.
//
// A conversion reads and writes a header, a buffer of records or a 512-byte
// memo block at a time. Going to the system for each of these would cost two
// system calls per piece; the slots gather them in fixed buffers instead. A
// slot is either reading (its buffer holds file bytes from `bufferStart` on)
// or writing (its buffer holds bytes still to be written at `bufferStart`).
#include "platform/files.h"

#include <cstring>

#include "platform/faults.h"
#include "platform/os_files.h"

namespace {

const std::uint64_t kFlushStretch = 32 * 1024 * 1024;  // bytes written before the disk is asked to take them
const std::uint32_t kSlotCount = 8;                    // files open at one time
const std::uint32_t kSlotBufferSize = 256 * 1024;      // bytes buffered per file
const std::uint32_t kFirstReadAhead = 4 * 1024;        // first refill after a jump
const std::uint64_t kPositionUnknown = ~std::uint64_t(0);

struct FileSlot {
    bool inUse;
    bool failed;   // an operation on the file has failed
    bool writing;  // the buffer holds bytes not yet written
    OsFile os;
    std::uint64_t bufferStart;   // file offset of buffer[0]
    std::uint32_t bufferLength;  // reading: bytes valid; writing: bytes pending
    std::uint32_t cursor;        // the file position is bufferStart + cursor
    std::uint64_t osPosition;    // where the system's own file position stands
    std::uint32_t readAhead;     // size of the next refill; doubles while the
                                 // reads go on in sequence, so that a jump to a
                                 // memo block does not read a whole buffer for 1 KiB
    OsStamp opened;              // an input's stamp when it was opened
    std::uint64_t flushedUpTo;   // the disk was asked to take the bytes before this
    unsigned char buffer[kSlotBufferSize];
};

FileSlot slots[kSlotCount];

FileSlot* SlotOf(FileHandle file) {
    if (file == kNoFile || file > kSlotCount) return nullptr;
    FileSlot* slot = &slots[file - 1];
    return slot->inUse ? slot : nullptr;
}

bool Fail(FileSlot* slot) {
    slot->failed = true;
    return false;
}

// Written bytes up to `end` go to the disk a stretch at a time while the
// conversion goes on, so that the flush at the end has little left to do.
void StartFlushUpTo(FileSlot* slot, std::uint64_t end) {
    if (end < slot->flushedUpTo + kFlushStretch) return;
    OsStartFlush(slot->os, slot->flushedUpTo, end - slot->flushedUpTo);
    slot->flushedUpTo = end;
}

// The buffer holds nothing, and the file position is `position`.
void EmptyBufferAt(FileSlot* slot, std::uint64_t position) {
    slot->bufferStart = position;
    slot->bufferLength = 0;
    slot->cursor = 0;
}

bool MoveSystemPosition(FileSlot* slot, std::uint64_t position) {
    if (slot->osPosition == position) return true;
    if (!OsSeek(slot->os, position)) {
        slot->osPosition = kPositionUnknown;
        return false;
    }
    slot->osPosition = position;
    return true;
}

// Writes the pending bytes of a writing slot; the buffer is empty afterwards,
// whatever the outcome.
bool Flush(FileSlot* slot) {
    if (!slot->writing || slot->bufferLength == 0) return true;
    bool ok =
        MoveSystemPosition(slot, slot->bufferStart) && OsWrite(slot->os, slot->buffer, slot->bufferLength);
    if (ok) StartFlushUpTo(slot, slot->bufferStart + slot->bufferLength);
    slot->osPosition = ok ? slot->osPosition + slot->bufferLength : kPositionUnknown;
    EmptyBufferAt(slot, slot->bufferStart + slot->bufferLength);
    return ok ? true : Fail(slot);
}

bool StartReading(FileSlot* slot) {
    if (!slot->writing) return true;
    bool ok = Flush(slot);
    slot->writing = false;
    return ok;
}

void StartWriting(FileSlot* slot) {
    if (slot->writing) return;
    // Read-ahead bytes behind the position are dropped.
    EmptyBufferAt(slot, slot->bufferStart + slot->cursor);
    slot->writing = true;
}

FileHandle Claim(OsFile os, const OsStamp& opened = OsStamp()) {
    if (os == kNoOsFile) return kNoFile;
    for (std::uint32_t i = 0; i < kSlotCount; ++i) {
        FileSlot* slot = &slots[i];
        if (slot->inUse) continue;
        slot->inUse = true;
        slot->failed = false;
        slot->writing = false;
        slot->os = os;
        EmptyBufferAt(slot, 0);
        slot->osPosition = 0;
        slot->readAhead = kFirstReadAhead;
        slot->opened = opened;
        slot->flushedUpTo = 0;
        return i + 1;
    }
    OsClose(os);
    return kNoFile;
}

FileHandle Create(const char* path, OsCreateMode mode, bool* nameTaken) {
    *nameTaken = false;
    if (FaultInjected(kOperationCreate)) return kNoFile;
    return Claim(OsCreate(path, mode, nameTaken));
}

}  // namespace

FileHandle FileOpenRead(const char* path, FileProblem* problem) {
    *problem = kFileUnreadable;
    if (FaultInjected(kOperationOpen)) return kNoFile;
    OsStamp opened;
    OsFile os = OsOpenRead(path, problem, &opened);
    return Claim(os, opened);
}

bool FileUnchanged(FileHandle file) {
    FileSlot* slot = SlotOf(file);
    OsStamp now;
    if (slot == nullptr || !OsStampOf(slot->os, &now)) return false;
    return now.size == slot->opened.size && now.modified == slot->opened.modified &&
           now.changed == slot->opened.changed;
}

FileHandle FileCreate(const char* path) {
    bool nameTaken;
    return Create(path, kCreateAlways, &nameTaken);
}

FileHandle FileCreateNew(const char* path, bool* nameTaken) { return Create(path, kCreateNew, nameTaken); }

FileHandle FileCreateClaimed(const char* path, bool* nameTaken) {
    return Create(path, kCreateClaimed, nameTaken);
}

FileHandle FileOpenUnclaimed(const char* path, FileProblem* problem) {
    *problem = kFileUnreadable;
    if (FaultInjected(kOperationOpen)) return kNoFile;
    return Claim(OsOpenUnclaimed(path, problem));
}

bool FileRead(FileHandle file, void* buffer, std::uint32_t count, std::uint32_t* done) {
    *done = 0;
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    if (FaultInjected(kOperationRead) || !StartReading(slot)) return Fail(slot);
    if (slot->bufferLength - slot->cursor >= count) {  // the usual case: all in the buffer
        std::memcpy(buffer, slot->buffer + slot->cursor, count);
        slot->cursor += count;
        *done = count;
        return true;
    }
    unsigned char* out = static_cast<unsigned char*>(buffer);
    std::uint32_t remaining = count;
    while (remaining > 0) {
        std::uint32_t available = slot->bufferLength - slot->cursor;
        if (available > 0) {
            std::uint32_t n = available < remaining ? available : remaining;
            std::memcpy(out, slot->buffer + slot->cursor, n);
            slot->cursor += n;
            out += n;
            remaining -= n;
            continue;
        }
        // The buffer is used up: the position is its end.
        std::uint64_t position = slot->bufferStart + slot->bufferLength;
        bool direct = remaining >= kSlotBufferSize;
        unsigned char* target = direct ? out : slot->buffer;
        std::uint32_t want = direct ? remaining : slot->readAhead;
        std::uint32_t got = 0;
        if (!MoveSystemPosition(slot, position) || !OsRead(slot->os, target, want, &got)) {
            slot->osPosition = kPositionUnknown;
            return Fail(slot);
        }
        slot->osPosition = position + got;
        if (got == 0) break;  // end of file
        if (direct) {
            EmptyBufferAt(slot, position + got);
            out += got;
            remaining -= got;
        } else {
            EmptyBufferAt(slot, position);
            slot->bufferLength = got;
            // Never more than the buffer holds, whatever its size.
            slot->readAhead = slot->readAhead < kSlotBufferSize / 2 ? 2 * slot->readAhead : kSlotBufferSize;
        }
    }
    *done = count - remaining;
    return true;
}

bool FileWrite(FileHandle file, const void* data, std::uint32_t count, std::uint32_t* done) {
    *done = 0;
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    if (FaultInjected(kOperationWrite)) return Fail(slot);
    StartWriting(slot);
    if (slot->bufferLength + std::uint64_t(count) > kSlotBufferSize && !Flush(slot)) return false;
    if (count >= kSlotBufferSize) {
        bool ok = MoveSystemPosition(slot, slot->bufferStart) && OsWrite(slot->os, data, count);
        if (!ok) {
            slot->osPosition = kPositionUnknown;
            return Fail(slot);
        }
        StartFlushUpTo(slot, slot->bufferStart + count);
        slot->osPosition += count;
        slot->bufferStart += count;
    } else {
        std::memcpy(slot->buffer + slot->bufferLength, data, count);
        slot->bufferLength += count;
        slot->cursor = slot->bufferLength;
    }
    *done = count;
    return true;
}

namespace {

// Copies from `*from` to `*to` (both positions in the files) inside the
// system, until `*done` reaches `count` or `from` ends. False when the system
// has no such copy here: then nothing more was copied.
bool CopyInSystem(FileSlot* in, FileSlot* out, std::uint64_t* from, std::uint64_t* to, std::uint64_t count,
                  std::uint64_t* done) {
    if (FaultInjected(kOperationSystemCopy)) return false;
    while (*done < count) {
        std::uint64_t copied = 0;
        if (!OsCopy(in->os, *from, out->os, *to, count - *done, &copied)) return false;
        if (copied == 0) break;
        StartFlushUpTo(out, *to + copied);
        *from += copied;
        *to += copied;
        *done += copied;
    }
    return true;
}

// The same the ordinary way: read into the empty write buffer, write it.
CopyOutcome CopyThroughBuffer(FileSlot* in, FileSlot* out, std::uint64_t* from, std::uint64_t* to,
                              std::uint64_t count, std::uint64_t* done) {
    while (*done < count) {
        std::uint64_t rest = count - *done;
        std::uint32_t want = rest < kSlotBufferSize ? static_cast<std::uint32_t>(rest) : kSlotBufferSize;
        std::uint32_t got = 0;
        if (!MoveSystemPosition(in, *from) || !OsRead(in->os, out->buffer, want, &got)) {
            in->osPosition = kPositionUnknown;
            Fail(in);
            return kCopyReadFailed;
        }
        in->osPosition = *from + got;
        if (got == 0) break;
        EmptyBufferAt(out, *to);
        out->bufferLength = got;
        if (!Flush(out)) return kCopyWriteFailed;
        *from += got;
        *to += got;
        *done += got;
    }
    return kCopyDone;
}

}  // namespace

CopyOutcome FileCopy(FileHandle from, FileHandle to, std::uint64_t count, std::uint64_t* done) {
    *done = 0;
    FileSlot* in = SlotOf(from);
    FileSlot* out = SlotOf(to);
    if (in == nullptr) return kCopyReadFailed;
    if (out == nullptr) return kCopyWriteFailed;
    if (FaultInjected(kOperationRead) || !StartReading(in)) {
        Fail(in);
        return kCopyReadFailed;
    }
    if (FaultInjected(kOperationWrite)) {
        Fail(out);
        return kCopyWriteFailed;
    }
    // What the read buffer holds goes the ordinary way, the rest the system's.
    std::uint32_t buffered = in->bufferLength - in->cursor;
    std::uint32_t first = count < buffered ? static_cast<std::uint32_t>(count) : buffered;
    StartWriting(out);
    if (!Flush(out)) return kCopyWriteFailed;
    std::memcpy(out->buffer, in->buffer + in->cursor, first);
    out->bufferLength = first;
    if (!Flush(out)) return kCopyWriteFailed;
    in->cursor += first;
    *done = first;
    std::uint64_t inPosition = in->bufferStart + in->cursor;
    std::uint64_t outPosition = out->bufferStart;
    CopyOutcome outcome = kCopyDone;
    if (!CopyInSystem(in, out, &inPosition, &outPosition, count, done)) {
        outcome = CopyThroughBuffer(in, out, &inPosition, &outPosition, count, done);
    }
    if (outcome != kCopyDone) return outcome;
    // Both buffers start afresh behind what was copied.
    EmptyBufferAt(in, inPosition);
    EmptyBufferAt(out, outPosition);
    return kCopyDone;
}

bool FileSeek(FileHandle file, std::uint64_t offset) {
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    if (FaultInjected(kOperationSeek)) return Fail(slot);
    if (slot->writing) {
        bool ok = Flush(slot);
        slot->writing = false;
        if (!ok) return false;
    }
    std::uint64_t bufferEnd = slot->bufferStart + slot->bufferLength;
    if (offset >= slot->bufferStart && offset <= bufferEnd) {
        slot->cursor = std::uint32_t(offset - slot->bufferStart);
        return true;
    }
    if (offset != bufferEnd) slot->readAhead = kFirstReadAhead;
    EmptyBufferAt(slot, offset);
    return true;
}

bool FileTruncate(FileHandle file, std::uint64_t size) {
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    if (FaultInjected(kOperationTruncate) || !Flush(slot)) return Fail(slot);
    // Read-ahead bytes behind the new end would be stale.
    EmptyBufferAt(slot, slot->bufferStart + slot->cursor);
    slot->osPosition = kPositionUnknown;
    return OsTruncate(slot->os, size) ? true : Fail(slot);
}

bool FileSize(FileHandle file, std::uint64_t* size) {
    *size = 0;
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    if (FaultInjected(kOperationSize) || !Flush(slot) || !OsSize(slot->os, size)) return Fail(slot);
    return true;
}

bool FileFlush(FileHandle file) {
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    if (FaultInjected(kOperationFlush) || !Flush(slot) || !OsFlush(slot->os)) return Fail(slot);
    return true;
}

bool FileClose(FileHandle file) {
    if (file == kNoFile) return true;
    FileSlot* slot = SlotOf(file);
    if (slot == nullptr) return false;
    // A failing close stands for a last write that did not reach the disk:
    // the buffered bytes are dropped.
    if (FaultInjected(kOperationClose)) {
        slot->bufferLength = 0;
        slot->failed = true;
    }
    bool ok = Flush(slot);
    ok = OsClose(slot->os) && ok;
    ok = ok && !slot->failed;
    slot->inUse = false;
    return ok;
}

bool FileCloseAndForget(FileHandle* file) {
    bool ok = FileClose(*file);
    *file = kNoFile;
    return ok;
}

bool FileExists(const char* path) { return OsExists(path); }

bool IdentifyFile(const char* path, FileIdentity* identity) { return OsIdentify(path, identity); }

bool FileReplace(const char* from, const char* to) {
    if (FaultInjected(kOperationReplace)) return false;
    return OsReplace(from, to);
}

bool FileLink(const char* existing, const char* path) {
    if (FaultInjected(kOperationLink)) return false;
    return OsLink(existing, path);
}

bool FileRemove(const char* path) {
    if (FaultInjected(kOperationRemove)) return false;
    return OsRemove(path);
}

bool FolderCreate(const char* path, bool* nameTaken) {
    *nameTaken = false;
    if (FaultInjected(kOperationFolder)) return false;
    return OsFolderCreate(path, nameTaken);
}

// A folder that stays behind is a file that stays behind.
bool FolderRemove(const char* path) {
    if (FaultInjected(kOperationRemove)) return false;
    return OsFolderRemove(path);
}

bool FolderFlush(const char* beside) {
    if (FaultInjected(kOperationFlush)) return false;
    return OsFolderFlush(beside);
}

bool LockFolderOf(const char* beside) { return OsLockFolderOf(beside); }

void UnlockFolder() { OsUnlockFolder(); }
