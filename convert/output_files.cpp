// output_files.cpp -- temporary outputs, and moving them into place.
#include "convert/output_files.h"

#include <cstring>

#include "convert/memo_transfer.h"
#include "convert/messages.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/byte_order.h"
#include "support/text_buffer.h"

namespace {

const std::uint32_t kMaxTemporaryNames = 10000;  // "~kv0000.tmp" to "~kv9999.tmp"

// Claims a temporary name beside `path` for the file now there and moves it
// aside. 1 when done; `memoBackupPath` then holds the new name.
bool MoveAside(const char* path) {
    FileHandle claim = CreateTemporaryBeside(path, appState.memoBackupPath);
    if (claim == kNoFile) return false;
    bool ok = FileClose(claim) && FileReplace(path, appState.memoBackupPath);
    if (!ok) RemoveTemporary(appState.memoBackupPath);
    return ok;
}

// After a failure: the new output memo file goes, the old one comes back.
void PutMemoBack() {
    if (appState.memoBackupPath[0] != '\0') {
        FileReplace(appState.memoBackupPath, appState.outputMemoPath);
        appState.memoBackupPath[0] = '\0';
    } else {
        FileRemove(appState.outputMemoPath);
    }
}

}  // namespace

// Writes into `name` the path of a free temporary name in the directory of
// `beside` and creates that file. A name in use (by another run at the same
// time, by a file left behind, by a dangling link) is skipped; any other
// failure ends the search. Returns the open file, or kNoFile with `name`
// empty.
FileHandle CreateTemporaryBeside(const char* beside, char* name) {
    std::uint32_t directory = FileNameStart(beside);
    CopyText(name, beside, directory, 0);
    // The search goes on from the last name taken: a run of many tables does
    // not try the names of the ones before again.
    for (std::uint32_t tries = 0; tries < kMaxTemporaryNames; ++tries) {
        std::uint32_t number = appState.nextTemporaryName++ % kMaxTemporaryNames;
        char* out = name + directory;
        std::memcpy(out, "~kv0000.tmp", 12);
        for (std::uint32_t digit = 0, rest = number; digit < 4; ++digit, rest /= 10) {
            out[6 - digit] = static_cast<char>('0' + rest % 10);
        }
        bool nameTaken = false;
        FileHandle file = FileCreateNew(name, &nameTaken);
        if (file != kNoFile) return file;
        if (!nameTaken) break;
    }
    name[0] = '\0';
    return kNoFile;
}

void RemoveTemporary(char* name) {
    if (name[0] == '\0') return;
    FileRemove(name);
    name[0] = '\0';
}

std::uint8_t BeginReport() {
    if (appState.reportSink != kNoFile) {
        appState.reportFile = appState.reportSink;
        return 1;
    }
    appState.reportFile = CreateTemporaryBeside(appState.reportPath, appState.reportTemp);
    if (appState.reportFile == kNoFile) return Refuse(kReportCreateFailedText);
    return 1;
}

bool CloseReport() {
    if (appState.reportFile == appState.reportSink) {
        appState.reportFile = kNoFile;  // its owner closes it and learns of failed writes then
        return true;
    }
    return CloseReportFor(&appState.reportFile, appState.reportPath);
}

bool CloseReportFor(FileHandle* file, const char* path) {
    bool flushed = *file == kNoFile || !FileExists(path) || FileFlush(*file);
    return FileCloseAndForget(file) && flushed;
}

bool MoveReport(const char* temporary, const char* path) {
    return FileExists(path) ? FileReplaceDurably(temporary, path) : FileReplace(temporary, path);
}

bool CloseOutput(FileHandle* file) {
    bool flushed = appState.replacingOutputs != 1 || FileFlush(*file);
    return FileCloseAndForget(file) && flushed;
}

bool PlaceReport(bool place) {
    bool whole = CloseReport();
    if (appState.reportTemp[0] == '\0') return true;  // never begun, dropped, or in a sink
    if (place && whole && MoveReport(appState.reportTemp, appState.reportPath)) {
        appState.reportTemp[0] = '\0';
        return true;
    }
    RemoveTemporary(appState.reportTemp);
    return !place;
}

std::uint8_t CreateOutputFiles() {
    appState.replacingOutputs = FileExists(appState.outputPath) ||
                                (appState.inputMemo != kNoFile && FileExists(appState.outputMemoPath));
    appState.outputTable = CreateTemporaryBeside(appState.outputPath, appState.outputTableTemp);
    if (appState.outputTable == kNoFile) return Refuse(kOutputCreateFailedText);
    if (appState.inputMemo == kNoFile) return 1;
    appState.outputMemo = CreateTemporaryBeside(appState.outputMemoPath, appState.outputMemoTemp);
    if (appState.outputMemo == kNoFile) return Refuse(kOutputMemoCreateFailedText);
    return BeginOutputMemo();
}

// Moves a new output into its place; over an earlier one, so that the move
// is on the disk before the earlier file's bytes are given up.
bool PutInPlace(const char* from, const char* to) {
    return appState.replacingOutputs == 1 ? FileReplaceDurably(from, to) : FileReplace(from, to);
}

std::uint8_t CommitOutputFiles() {
    bool memo = appState.outputMemoTemp[0] != '\0';
    appState.memoBackupPath[0] = '\0';
    if (memo) {
        if (FileExists(appState.outputMemoPath) && !MoveAside(appState.outputMemoPath)) {
            return Refuse(kCommitFailedText);
        }
        if (!PutInPlace(appState.outputMemoTemp, appState.outputMemoPath)) {
            PutMemoBack();  // nothing new stands there; the old file, if any, returns
            return Refuse(kCommitFailedText);
        }
        appState.outputMemoTemp[0] = '\0';
    }
    if (!PutInPlace(appState.outputTableTemp, appState.outputPath)) {
        if (memo) PutMemoBack();
        return Refuse(kCommitFailedText);
    }
    appState.outputTableTemp[0] = '\0';
    appState.memoFileWritten = memo ? 1 : 0;
    RemoveTemporary(appState.memoBackupPath);
    return 1;
}

void DiscardOutputFiles() {
    FileCloseAndForget(&appState.outputTable);
    FileCloseAndForget(&appState.outputMemo);
    RemoveTemporary(appState.outputTableTemp);
    RemoveTemporary(appState.outputMemoTemp);
}
