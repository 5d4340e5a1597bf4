// memo_transfer.cpp -- MemoTransfer: memo texts into dBase-III blocks.
//
// An input memo text begins at a block boundary of the input memo file. A
// dBase-IV text carries an 8-byte header (the mark FF FF 08 00 and its
// length, header included) and runs on as one stretch of bytes across the
// following blocks; a dBase-III text, in the memo file of a dBase-III table,
// has no header and ends before its first 0x1A. An output memo is the text,
// one byte 0x1A and zeros to the end of its last 512-byte block; a text of
// t bytes takes t / 512 + 1 blocks.
#include "convert/memo_transfer.h"

#include <cstring>

#include "convert/messages.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/byte_order.h"
#include "support/decimal.h"
#include "support/text_buffer.h"

namespace {

std::uint8_t RefuseReference(std::uint32_t memoIndex, const char* reason) {
    return RefuseMemoReference(appState.memoFieldNames[memoIndex], reason);
}

std::uint8_t WriteBlock() {
    if (!FileWrite(appState.outputMemo, appState.workBuffer, kMemoBlockSize, &appState.bytesDone)) {
        return Refuse(kOutputMemoWriteFailedText);
    }
    ++appState.nextMemoBlock;
    return 1;
}

// Reads the next 512 bytes of the input memo file into workBuffer; fewer come
// only at the end of the file.
std::uint8_t ReadBlock() {
    if (!FileRead(appState.inputMemo, appState.workBuffer, kMemoBlockSize, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    return 1;
}

// A block number stands right-aligned: blanks (or zero bytes), then digits
// up to the field's last character. Anything else would be read as some
// other number and fetch another record's text.
bool WellFormedReference(const char* field) {
    std::uint32_t i = 0;
    while (i < kMemoFieldWidth && (field[i] == ' ' || field[i] == '\0')) ++i;
    for (; i < kMemoFieldWidth; ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    return true;
}

// Whether the dBase-IV text of `length` bytes at `start` runs over the start
// of another text: a block boundary inside it where the mark stands. Texts
// are stored apart, so its length is damaged then. Leaves the position
// anywhere. 0 after a message when the file cannot be read.
std::uint8_t RunsIntoAnotherText(std::uint64_t start, std::uint32_t length, bool* overlaps) {
    *overlaps = false;
    unsigned char mark[kMemoMarkSize];
    for (std::uint64_t boundary = start + appState.inputMemoBlockSize; boundary < start + length;
         boundary += appState.inputMemoBlockSize) {
        if (!FileSeek(appState.inputMemo, boundary) ||
            !FileRead(appState.inputMemo, mark, kMemoMarkSize, &appState.bytesDone)) {
            return Refuse(kMemoReadFailedText);
        }
        if (appState.bytesDone == kMemoMarkSize && std::memcmp(mark, kMemoMark, kMemoMarkSize) == 0) {
            *overlaps = true;
            return 1;
        }
    }
    return 1;
}

// The length of the dBase-III text that begins at the current position: the
// bytes before the first 0x1A. Leaves the position behind what was searched.
// 0 after a message when the file ends first.
std::uint8_t MeasureDbase3Text(std::uint32_t memoIndex) {
    std::uint64_t length = 0;
    for (;;) {
        if (ReadBlock() == 0) return 0;
        if (appState.bytesDone == 0) return RefuseReference(memoIndex, kMemoTextPastEndText);
        const void* end = std::memchr(appState.workBuffer, kEndOfFile, appState.bytesDone);
        if (end != nullptr) {
            length += static_cast<const unsigned char*>(end) - appState.workBuffer;
            break;
        }
        length += appState.bytesDone;
        if (length > std::uint64_t(kMaxOutputBlocks) * kMemoBlockSize) {
            return RefuseReference(memoIndex, kMemoOutputTooLargeText);
        }
    }
    appState.memoRemaining = static_cast<std::uint32_t>(length);
    return 1;
}

// Finds the text of `block`: positions the input memo file at its first byte
// and sets memoRemaining to its length. Every reference is checked before
// anything of it is written; 0 after a message naming record and field when
// it cannot be followed.
std::uint8_t LocateText(std::uint32_t memoIndex, std::uint32_t block) {
    std::uint64_t start = std::uint64_t(block) * appState.inputMemoBlockSize;
    if (start >= kSourceOffsetLimit) return RefuseReference(memoIndex, kMemoBlockTooLargeText);
    if (start >= appState.inputMemoSize) return RefuseReference(memoIndex, kMemoBlockPastEndText);
    if (!FileSeek(appState.inputMemo, start) ||
        !FileRead(appState.inputMemo, appState.workBuffer, kMemoHeaderSize, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    bool marked = appState.bytesDone >= kMemoMarkSize &&
                  std::memcmp(appState.workBuffer, kMemoMark, kMemoMarkSize) == 0;
    if (marked) {
        if (appState.bytesDone < kMemoHeaderSize) return RefuseReference(memoIndex, kMemoTextPastEndText);
        std::uint32_t length = ReadU32LE(appState.workBuffer + kMemoLengthOffset);
        if (length < kMemoHeaderSize) return RefuseReference(memoIndex, kMemoHeaderDamagedText);
        if (start + length > appState.inputMemoSize) return RefuseReference(memoIndex, kMemoTextPastEndText);
        bool overlaps;
        if (RunsIntoAnotherText(start, length, &overlaps) == 0) return 0;
        if (overlaps) return RefuseReference(memoIndex, kMemoLengthOverlapText);
        if (!FileSeek(appState.inputMemo, start + kMemoHeaderSize)) return Refuse(kMemoReadFailedText);
        appState.memoRemaining = length - kMemoHeaderSize;
    } else if (appState.dbase3Memo == 1) {
        if (!FileSeek(appState.inputMemo, start)) return Refuse(kMemoReadFailedText);
        if (MeasureDbase3Text(memoIndex) == 0) return 0;
        if (!FileSeek(appState.inputMemo, start)) return Refuse(kMemoReadFailedText);
    } else {
        // A reference into the middle of a text, or a memo file of another layout.
        return RefuseReference(memoIndex, kMemoMarkMissingText);
    }
    std::uint32_t blocks = appState.memoRemaining / kMemoBlockSize + 1;
    if (blocks > kMaxOutputBlocks - appState.nextMemoBlock) {
        return RefuseReference(memoIndex, kMemoOutputTooLargeText);
    }
    return 1;
}

// Copies the text now located, block by block.
std::uint8_t CopyMemoText() {
    for (;;) {
        if (InterruptRequested()) return Refuse(kInterruptedText);
        if (ReadBlock() == 0) return 0;
        if (appState.memoRemaining < kMemoBlockSize) break;
        // A full block is converted as a terminated text: the zero word behind
        // the buffer stops the conversion at the latest after 512 bytes.
        if (appState.oemToAnsi == 1) {
            appState.workBuffer[kMemoBlockSize] = 0;
            appState.workBuffer[kMemoBlockSize + 1] = 0;
            OemToAnsiTerminated(reinterpret_cast<char*>(appState.workBuffer));
        }
        if (WriteBlock() == 0) return 0;
        appState.memoRemaining -= kMemoBlockSize;
    }
    // The last block: the rest of the text, 0x1A, zeros. Bytes read behind the
    // text are cleared before they could be converted or written.
    FillBytes(appState.workBuffer + appState.memoRemaining, kMemoBlockSize - appState.memoRemaining, 0);
    if (appState.oemToAnsi == 1) OemToAnsiTerminated(reinterpret_cast<char*>(appState.workBuffer));
    appState.workBuffer[appState.memoRemaining] = kEndOfFile;
    return WriteBlock();
}

}  // namespace

std::uint8_t ReadMemoBlockLength() {
    appState.inputMemoBlockSize = kMemoBlockSize;
    // In a dBase-III memo file these bytes are no block length.
    if (appState.dbase3Memo == 1) return 1;
    if (!FileRead(appState.inputMemo, appState.workBuffer, kMemoBlockLengthOffset + 2, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    if (appState.bytesDone < kMemoBlockLengthOffset + 2) return 1;  // too short to say: no text can be in it
    std::uint32_t length = ReadU16LE(appState.workBuffer + kMemoBlockLengthOffset);
    if (length != 0 && length % kMemoBlockLengthUnit == 0) appState.inputMemoBlockSize = length;
    return 1;
}

std::uint8_t MemoTransfer() {
    for (std::uint32_t i = 0; appState.memoFieldList[i] != kListEnd; ++i) {
        appState.memoFieldPtr = reinterpret_cast<char*>(appState.tableBuffer + 1 + appState.memoFieldList[i]);
        if (!WellFormedReference(appState.memoFieldPtr)) return RefuseReference(i, kMemoReferenceInvalidText);
        // Ten digits may exceed the signed 32-bit range and read as negative:
        // as an unsigned block number they lie beyond 2 GiB.
        std::uint32_t block =
            static_cast<std::uint32_t>(ParseDecimal(appState.memoFieldPtr, kMemoFieldWidth));
        if (block == 0) continue;
        if (LocateText(i, block) == 0) return 0;
        FormatDecimal(static_cast<std::int32_t>(appState.nextMemoBlock), appState.memoFieldPtr + 9,
                      kMemoFieldWidth, 1);
        if (CopyMemoText() == 0) return 0;
    }
    return 1;
}
