// output_group.cpp -- the run folder, its journal, and putting a group of
// outputs in place.
//
// The journal: the mark "KVJ1", then one record per output, then the commit
// mark, and an undo mark when the outputs are being taken back. An output's
// record: 'E', the number N of its file "N.tmp" in the run folder (u32), the
// volume and index of that file (u64 each, to know it again once it has
// replaced the old one), and the length and bytes of the name it replaces.
// "N.old" is the second name that keeps the file it replaces.
#include "convert/output_group.h"

#include <cstring>

#include "convert/distinct_files.h"
#include "convert/messages.h"
#include "convert/refusal.h"
#include "platform/interrupts.h"
#include "support/app_state.h"
#include "support/byte_order.h"
#include "support/decimal.h"
#include "support/text_buffer.h"

namespace {

const std::uint32_t kMaxRunFolders = 10000;  // "~kv0000.tmp" to "~kv9999.tmp"
const char kRunFolderPattern[] = "~kv0000.tmp";
const std::uint32_t kRunFolderDigits = 3;  // where the four digits begin
const char kJournalName[] = "journal";
const char kNewSuffix[] = ".tmp";
const char kOldSuffix[] = ".old";
const unsigned char kJournalMark[4] = {'K', 'V', 'J', '1'};
const unsigned char kEntryRecord = 'E';
const unsigned char kCommitMark = 'C';
const unsigned char kUndoMark = 'U';
const std::uint32_t kEntryFixedSize = 1 + 4 + 8 + 8 + 1;  // kind, number, volume, index, name length

struct JournalEntry {
    unsigned char kind;
    std::uint32_t number;
    FileIdentity identity;
    char name[kPathSize];
};

// What a journal says of its group.
enum JournalState {
    kJournalForeign,    // no journal of ours: the folder is left alone
    kJournalOpen,       // the run never decided to put its outputs in place
    kJournalCommitted,  // it did: they go in place
    kJournalUndoing,    // a rename failed: the old files come back
};

// `folder` and `name` into `path`, cut to kWorkPathSize.
void PathIn(const char* folder, const char* name, char* path) {
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(folder));
    std::uint32_t nameLength = static_cast<std::uint32_t>(std::strlen(name));
    if (length + nameLength >= kWorkPathSize) nameLength = kWorkPathSize - 1 - length;
    std::memcpy(path, folder, length);
    std::memcpy(path + length, name, nameLength);
    path[length + nameLength] = '\0';
}

// "N.tmp" or "N.old" of the run folder `folder`, into `path`.
void RunFilePath(const char* folder, std::uint32_t number, const char* suffix, char* path) {
    char name[16];
    std::uint32_t digits = UnsignedText(number, name);
    CopyText(name + digits, suffix, 0, 1);
    PathIn(folder, name, path);
}

bool IsDigits(const char* text, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

bool IsRunFolderName(const char* name) {
    return std::strlen(name) == sizeof kRunFolderPattern - 1 &&
           std::strncmp(name, kRunFolderPattern, 3) == 0 && IsDigits(name + kRunFolderDigits, 4) &&
           std::strcmp(name + 7, kNewSuffix) == 0;
}

// A file that a run makes in its run folder, and no other.
bool IsRunFileName(const char* name) {
    if (std::strcmp(name, kJournalName) == 0) return true;
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(name));
    if (length <= 4 || !IsDigits(name, length - 4)) return false;
    return std::strcmp(name + length - 4, kNewSuffix) == 0 || std::strcmp(name + length - 4, kOldSuffix) == 0;
}

// The output directory as a path to list, lock or flush: "." for the current one.
const char* ParentFolder() { return appState.group.parent[0] != '\0' ? appState.group.parent : "."; }

// The output directory as the messages name it: without its last separator.
void ParentName(char* name) {
    PathIn(ParentFolder(), "", name);
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(name));
    if (length > 1 && IsPathSeparator(name[length - 1])) name[length - 1] = '\0';
}

// Something in the output directory, to name the folder that holds it.
void ParentEntry(char* path) { PathIn(appState.group.parent, ".", path); }

bool FlushParent() {
    char entry[kWorkPathSize];
    ParentEntry(entry);
    return FolderFlush(entry);
}

// Takes the output directory's lock; false only when an interrupt stops the
// wait and `interruptible`.
bool LockParent(bool interruptible) {
    char entry[kWorkPathSize];
    ParentEntry(entry);
    while (!LockFolderOf(entry)) {
        if (interruptible && InterruptRequested()) return false;
    }
    return true;
}

// The next record of a journal: kRead; kEnd at its end, or where a record
// was cut short by a crash; kFailed when the journal cannot be read.
enum RecordRead { kRead, kEnd, kFailed };

RecordRead ReadRecord(FileHandle journal, JournalEntry* entry) {
    unsigned char record[kEntryFixedSize];
    std::uint32_t done = 0;
    if (!FileRead(journal, record, 1, &done)) return kFailed;
    if (done != 1) return kEnd;
    entry->kind = record[0];
    if (entry->kind == kCommitMark || entry->kind == kUndoMark) return kRead;
    if (entry->kind != kEntryRecord) return kEnd;
    if (!FileRead(journal, record + 1, kEntryFixedSize - 1, &done)) return kFailed;
    if (done != kEntryFixedSize - 1) return kEnd;
    entry->number = ReadU32LE(record + 1);
    entry->identity.volume = ReadU64LE(record + 5);
    entry->identity.index = ReadU64LE(record + 13);
    std::uint32_t length = record[kEntryFixedSize - 1];
    if (!FileRead(journal, entry->name, length, &done)) return kFailed;
    if (length == 0 || done != length) return kEnd;
    entry->name[length] = '\0';
    return kRead;
}

JournalState ReadJournalState(FileHandle journal) {
    unsigned char mark[sizeof kJournalMark];
    std::uint32_t done = 0;
    if (!FileSeek(journal, 0) || !FileRead(journal, mark, sizeof mark, &done)) return kJournalForeign;
    if (done < sizeof mark) return kJournalOpen;  // stopped before its mark was written
    if (std::memcmp(mark, kJournalMark, sizeof mark) != 0) return kJournalForeign;
    JournalState state = kJournalOpen;
    JournalEntry entry;
    RecordRead read;
    while ((read = ReadRecord(journal, &entry)) == kRead) {
        if (entry.kind == kCommitMark && state == kJournalOpen) state = kJournalCommitted;
        if (entry.kind == kUndoMark) state = kJournalUndoing;
    }
    // A journal that cannot be read to its end is not to be judged.
    return read == kFailed ? kJournalForeign : state;
}

// Appends a mark to the journal and puts it on the disk.
bool AppendMark(FileHandle journal, unsigned char mark) {
    std::uint64_t size = 0;
    std::uint32_t done = 0;
    return FileSize(journal, &size) && FileSeek(journal, size) && FileWrite(journal, &mark, 1, &done) &&
           FileFlush(journal);
}

// Keeps the file at `path` under the second name `keep`: a hard link, or,
// where the file system has none, a copy on the disk.
bool KeepOld(const char* path, const char* keep) {
    if (FileLink(path, keep)) return true;
    FileProblem problem;
    bool nameTaken = false;
    FileHandle from = FileOpenRead(path, &problem);
    FileHandle to = from == kNoFile ? kNoFile : FileCreateNew(keep, &nameTaken);
    std::uint64_t size = 0;
    std::uint64_t done = 0;
    bool ok = to != kNoFile && FileSize(from, &size) && FileCopy(from, to, size, &done) == kCopyDone &&
              done == size && FileFlush(to);
    ok = FileCloseAndForget(&from) && ok;
    return FileCloseAndForget(&to) && ok;
}

// An output that was put in place goes again: the file it replaced comes
// back; where it replaced none, it is removed, when it is still the run's
// own file.
bool TakeBack(const char* folder, const JournalEntry& entry) {
    char* keep = appState.group.from;
    const char* path = appState.group.to;
    RunFilePath(folder, entry.number, kNewSuffix, keep);
    if (FileExists(keep)) return true;  // never put in place
    RunFilePath(folder, entry.number, kOldSuffix, keep);
    if (FileExists(keep)) return FileReplace(keep, path);
    FileIdentity now;
    bool own =
        IdentifyFile(path, &now) && now.volume == entry.identity.volume && now.index == entry.identity.index;
    return !own || FileRemove(path);
}

enum Step { kKeepOld, kPutNew, kTakeBack };

// Takes one step for every output of the journal of `folder`. Putting them in
// place stops at the first that fails; taking them back goes on through all.
bool ApplyEntries(FileHandle journal, const char* folder, Step step) {
    if (!FileSeek(journal, sizeof kJournalMark)) return false;
    bool ok = true;
    JournalEntry entry;
    RecordRead read;
    while ((read = ReadRecord(journal, &entry)) == kRead) {
        if (entry.kind != kEntryRecord) continue;
        char* from = appState.group.from;
        PathIn(appState.group.parent, entry.name, appState.group.to);
        if (step == kKeepOld) {
            RunFilePath(folder, entry.number, kOldSuffix, from);
            if (FileExists(appState.group.to) && !KeepOld(appState.group.to, from)) return false;
        } else if (step == kPutNew) {
            RunFilePath(folder, entry.number, kNewSuffix, from);
            if (FileExists(from) && !FileReplace(from, appState.group.to)) return false;
        } else {
            ok = TakeBack(folder, entry) && ok;
        }
    }
    return read == kEnd && ok;
}

enum Outcome { kPlaced, kTakenBack, kStuck };

// Puts the outputs of a committed journal in place, or, when that fails or
// was already given up, takes back what was put in place.
Outcome Settle(FileHandle journal, const char* folder, bool undoing) {
    if (!undoing && ApplyEntries(journal, folder, kPutNew) && FlushParent()) return kPlaced;
    bool back = AppendMark(journal, kUndoMark) && ApplyEntries(journal, folder, kTakeBack) && FlushParent();
    return back ? kTakenBack : kStuck;
}

// Removes what a run makes in its run folder, and the folder.
void EmptyRunFolder(const char* folder) {
    char name[kPathSize];
    char path[kWorkPathSize];
    bool subfolder = false;
    Listing listing = ListingOpen(folder);
    while (listing != kNoListing && ListingNext(listing, name, sizeof name, &subfolder)) {
        if (subfolder || !IsRunFileName(name)) continue;
        PathIn(folder, name, path);
        FileRemove(path);
    }
    ListingClose(listing);
    CopyText(path, folder, 0, 1);
    path[std::strlen(path) - 1] = '\0';  // without its separator
    FolderRemove(path);
}

// Settles the run folder `folder` when its run no longer lives, and removes
// it. False when its outputs can be neither put in place nor taken back.
bool SettleDeadRun(const char* folder) {
    char path[kWorkPathSize];
    PathIn(folder, kJournalName, path);
    FileProblem problem;
    FileHandle journal = FileOpenUnclaimed(path, &problem);
    if (journal == kNoFile) {
        if (problem == kFileMissing) EmptyRunFolder(folder);  // made, and ended before its journal
        return true;                                          // its run lives, or it is not to be judged
    }
    // A group that was never committed has changed nothing: its folder goes.
    JournalState state = ReadJournalState(journal);
    bool settled = true;
    if (state == kJournalCommitted || state == kJournalUndoing) {
        settled = Settle(journal, folder, state == kJournalUndoing) != kStuck;
    }
    FileCloseAndForget(&journal);
    if (state != kJournalForeign && settled) EmptyRunFolder(folder);
    return settled;
}

// Settles every run folder of the output directory whose run no longer
// lives. Returns 1, or 0 (after a message, when `tell`) when one cannot be.
std::uint8_t SettleDeadRuns(bool tell) {
    char name[kPathSize];
    char folder[kWorkPathSize];
    bool subfolder = false;
    std::uint8_t ok = 1;
    Listing listing = ListingOpen(ParentFolder());
    while (ok == 1 && listing != kNoListing && ListingNext(listing, name, sizeof name, &subfolder)) {
        if (!subfolder || !IsRunFolderName(name)) continue;
        PathIn(appState.group.parent, name, folder);
        std::uint32_t length = static_cast<std::uint32_t>(std::strlen(folder));
        folder[length] = PathSeparator();
        folder[length + 1] = '\0';
        if (!SettleDeadRun(folder)) ok = tell ? RefuseNamed(kUnfinishedRunText, name, "") : 0;
    }
    ListingClose(listing);
    return ok;
}

// Makes the run folder under a free name and claims its journal.
std::uint8_t MakeRunFolder() {
    char* folder = appState.group.folder;
    // A name in use (by a live run, or by anything else) is passed over; any
    // other failure ends the search.
    bool made = false;
    bool nameTaken = true;
    for (std::uint32_t tries = 0; !made && nameTaken && tries < kMaxRunFolders; ++tries) {
        char name[sizeof kRunFolderPattern];
        CopyText(name, kRunFolderPattern, 0, 1);
        std::uint32_t number = appState.nextTemporaryName++ % kMaxRunFolders;
        for (std::uint32_t digit = 0; digit < 4; ++digit, number /= 10) {
            name[kRunFolderDigits + 3 - digit] = static_cast<char>('0' + number % 10);
        }
        PathIn(appState.group.parent, name, folder);
        made = FolderCreate(folder, &nameTaken);
    }
    if (!made) {
        folder[0] = '\0';
        char name[kWorkPathSize];
        ParentName(name);
        if (!IsDirectory(name)) return RefuseNamed(kOutputFolderMissingText, name, "");
        return Refuse(kOutputFolderWriteFailedText);
    }
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(folder));
    folder[length] = PathSeparator();
    folder[length + 1] = '\0';
    char path[kWorkPathSize];
    PathIn(folder, kJournalName, path);
    appState.group.journal = FileCreateClaimed(path, &nameTaken);
    std::uint32_t done = 0;
    if (appState.group.journal == kNoFile ||
        !FileWrite(appState.group.journal, kJournalMark, sizeof kJournalMark, &done)) {
        DiscardOutputGroup();
        return Refuse(kOutputFolderWriteFailedText);
    }
    appState.group.nextFile = 1;
    return 1;
}

// The output directory: that of `beside`, with its separator.
void SetParent(const char* beside) {
    std::uint32_t length = FileNameStart(beside);
    std::memcpy(appState.group.parent, beside, length);
    appState.group.parent[length] = '\0';
}

}  // namespace

std::uint8_t BeginOutputGroup(bool memoFiles) {
    bool begun = appState.group.folder[0] != '\0';
    if (!begun) SetParent(appState.outputPath);
    if (!LockParent(true)) return RefuseInterrupted();
    std::uint8_t ok = begun ? 1 : SettleDeadRuns(true);
    if (ok == 1 && !begun) ok = MakeRunFolder();
    if (ok == 1) ok = CheckRunFiles(memoFiles);
    UnlockFolder();
    return ok;
}

std::uint8_t HoldOutputGroup(const char* beside) {
    SetParent(beside);
    if (!LockParent(true)) return RefuseInterrupted();
    std::uint8_t ok = SettleDeadRuns(true);
    if (ok == 1) ok = MakeRunFolder();
    UnlockFolder();
    appState.group.heldByCaller = ok;
    return ok;
}

FileHandle CreateGroupFile(char* path) {
    RunFilePath(appState.group.folder, appState.group.nextFile++, kNewSuffix, path);
    bool nameTaken = false;
    FileHandle file = FileCreateNew(path, &nameTaken);
    if (file == kNoFile) path[0] = '\0';
    return file;
}

bool CloseGroupFile(FileHandle* file) {
    if (*file == kNoFile) return true;
    bool flushed = FileFlush(*file);
    return FileCloseAndForget(file) && flushed;
}

void RemoveGroupFile(char* path) {
    if (path[0] == '\0') return;
    FileRemove(path);
    path[0] = '\0';
}

bool AddToGroup(const char* path, const char* finalPath) {
    const char* name = finalPath + FileNameStart(finalPath);
    const char* number = path + std::strlen(appState.group.folder);
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(name));
    FileIdentity identity;
    if (length == 0 || length >= kPathSize || !IdentifyFile(path, &identity)) return false;
    unsigned char record[kEntryFixedSize];
    record[0] = kEntryRecord;
    WriteU32LE(record + 1,
               static_cast<std::uint32_t>(ParseDecimal(number, LengthUntil(number, 0, '\0') - 4)));
    WriteU64LE(record + 5, identity.volume);
    WriteU64LE(record + 13, identity.index);
    record[kEntryFixedSize - 1] = static_cast<unsigned char>(length);
    std::uint32_t done = 0;
    return FileWrite(appState.group.journal, record, sizeof record, &done) &&
           FileWrite(appState.group.journal, name, length, &done);
}

std::uint8_t CommitOutputGroup(bool tell) {
    const char* folder = appState.group.folder;
    FileHandle journal = appState.group.journal;
    LockParent(false);
    std::uint8_t ok = SettleDeadRuns(tell);
    // The outputs' files are on the disk already: their entries, the second
    // names of the old files and the journal follow before the first rename.
    char entry[kWorkPathSize];
    PathIn(folder, kJournalName, entry);
    Outcome outcome = kTakenBack;
    if (ok == 1 && ApplyEntries(journal, folder, kKeepOld) && FolderFlush(entry) &&
        AppendMark(journal, kCommitMark)) {
        outcome = Settle(journal, folder, false);
    }
    if (ok == 1 && outcome != kPlaced) {
        if (!tell) {
            ok = 0;
        } else if (outcome == kTakenBack) {
            ok = Refuse(kCommitFailedText);
        } else {
            char name[kWorkPathSize];
            PathIn("", folder + std::strlen(appState.group.parent), name);
            name[std::strlen(name) - 1] = '\0';
            ok = RefuseNamed(kCommitStuckText, name, kCommitStuckEndText);
        }
    }
    if (outcome == kStuck) {
        // The journal stays for the next run, which takes back the rest.
        FileCloseAndForget(&appState.group.journal);
        appState.group = OutputGroup();
    }
    DiscardOutputGroup();
    UnlockFolder();
    return ok;
}

void DiscardOutputGroup() {
    if (appState.group.folder[0] != '\0') {
        FileCloseAndForget(&appState.group.journal);
        EmptyRunFolder(appState.group.folder);
    }
    appState.group = OutputGroup();
}
