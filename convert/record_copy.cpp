// record_copy.cpp -- RecordCopy and FieldConversion.
#include "convert/record_copy.h"

#include "convert/memo_transfer.h"
#include "convert/messages.h"
#include "platform/code_page.h"
#include "platform/interrupts.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"

namespace {

std::uint8_t WriteTable(const void* bytes, std::uint32_t count) {
    if (!FileWrite(appState.outputTable, bytes, count, &appState.bytesDone)) {
        return Refuse(kOutputWriteFailedText);
    }
    return 1;
}

// Records with no memo field to renumber and no text to convert pass
// unchanged: the system copies them, a stretch at a time, so that an
// interrupt is still noticed.
std::uint8_t CopyUnchangedRecords(std::uint32_t count) {
    const std::uint64_t kStretch = 16 * 1024 * 1024;
    std::uint64_t total = std::uint64_t(count) * appState.recordLength;
    for (std::uint64_t copied = 0; copied < total;) {
        if (InterruptRequested()) return RefuseInterrupted();
        std::uint64_t stretch = total - copied < kStretch ? total - copied : kStretch;
        std::uint64_t done = 0;
        CopyOutcome outcome = FileCopy(appState.inputTable, appState.outputTable, stretch, &done);
        if (outcome == kCopyWriteFailed) return Refuse(kOutputWriteFailedText);
        if (outcome == kCopyReadFailed) return Refuse(kInputReadFailedText);
        if (done != stretch) return RefuseChanged(kInputTableName);
        copied += done;
    }
    return 1;
}

}  // namespace

void FieldConversion() {
    for (std::uint32_t i = 0; appState.fieldSpanList[i] != kListEnd; i += 2) {
        char* field = reinterpret_cast<char*>(appState.record + 1 + appState.fieldSpanList[i]);
        OemToAnsiCounted(field, appState.fieldSpanList[i + 1]);
    }
}

std::uint8_t RecordCopy() {
    if (WriteTable(appState.tableBuffer, appState.headerLength) == 0) return 0;
    std::uint32_t count = appState.recordCount;
    bool memos = appState.memoFieldList[0] != kListEnd;
    bool texts = appState.oemToAnsi == 1 && appState.fieldSpanList[0] != kListEnd;
    if (!memos && !texts) {
        if (CopyUnchangedRecords(count) == 0) return 0;
        count = 0;
    }
    // As many records as the buffer holds are read, handled one by one in
    // place, and written together.
    const std::uint32_t perBuffer = kTableBufferSize / appState.recordLength;
    for (std::uint32_t done = 0; done < count;) {
        if (InterruptRequested()) return RefuseInterrupted();
        std::uint32_t records = count - done < perBuffer ? count - done : perBuffer;
        std::uint32_t bytes = records * appState.recordLength;
        if (!FileRead(appState.inputTable, appState.tableBuffer, bytes, &appState.bytesDone)) {
            return Refuse(kInputReadFailedText);
        }
        if (appState.bytesDone != bytes) return RefuseChanged(kInputTableName);
        for (std::uint32_t k = 0; k < records; ++k) {
            appState.recordNumber = done + k + 1;
            appState.record = appState.tableBuffer + k * appState.recordLength;
            if (memos && MemoTransfer() == 0) return 0;
            if (appState.oemToAnsi == 1) FieldConversion();
        }
        if (WriteTable(appState.tableBuffer, bytes) == 0) return 0;
        done += records;
    }
    const unsigned char endOfFile = kEndOfFile;
    return WriteTable(&endOfFile, 1);
}
