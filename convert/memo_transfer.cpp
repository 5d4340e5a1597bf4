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
#include "platform/code_page.h"
#include "platform/interrupts.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/byte_order.h"
#include "support/decimal.h"
#include "support/named_limit.h"
#include "support/text_buffer.h"

namespace {

static_assert(kSourceOffsetLimit % (1u << 30) == 0 &&
                  NamesNumber(kMemoBlockTooLargeText, kSourceOffsetLimit >> 30, " GiB"),
              "the message names the largest memo file");

std::uint8_t WriteBlock() {
    if (!FileWrite(appState.outputMemo, appState.workBuffer, kMemoBlockSize, &appState.bytesDone)) {
        return Refuse(kOutputMemoWriteFailedText);
    }
    ++appState.nextMemoBlock;
    return 1;
}

// Reads the next 512 bytes of the input memo file into workBuffer; fewer come
// only at the end of the file. At least `needed` must come: the file held them
// when the run began, and fewer mean that it was shortened meanwhile.
std::uint8_t ReadBlock(std::uint32_t needed) {
    if (!FileRead(appState.inputMemo, appState.workBuffer, kMemoBlockSize, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    if (appState.bytesDone < needed) return RefuseChanged(kInputMemoName);
    return 1;
}

// What a memo field holds. A block number is one run of digits with blanks
// (or zero bytes) before it, as it is written right-aligned, or behind it, as
// some writers leave it. Anything else would be read as some other number
// and fetch another record's text. `*digitsEnd` is where the digits end.
enum Reference { kNoText, kBlockNumber, kNoBlockNumber };

bool IsFill(char c) { return c == ' ' || c == '\0'; }

Reference ReadReference(const char* field, std::uint32_t* digitsEnd) {
    std::uint32_t i = 0;
    while (i < kMemoFieldWidth && IsFill(field[i])) ++i;
    if (i == kMemoFieldWidth) return kNoText;
    while (i < kMemoFieldWidth && field[i] >= '0' && field[i] <= '9') ++i;
    *digitsEnd = i;
    while (i < kMemoFieldWidth && IsFill(field[i])) ++i;
    return i == kMemoFieldWidth ? kBlockNumber : kNoBlockNumber;
}

// The length of the dBase-III text that begins at `start`, the current
// position: the bytes before the first 0x1A. Leaves the position behind what
// was searched. `*damaged` names why there is no such text; 0 after a message
// when the file cannot be read.
std::uint8_t MeasureDbase3Text(std::uint64_t start, const char** damaged) {
    std::uint64_t length = 0;
    for (;;) {
        if (ReadBlock(0) == 0) return 0;
        if (appState.bytesDone == 0) {
            if (start + length < appState.inputMemoSize) return RefuseChanged(kInputMemoName);
            *damaged = kMemoTextPastEndText;
            return 1;
        }
        const void* end = std::memchr(appState.workBuffer, kEndOfFile, appState.bytesDone);
        if (end != nullptr) {
            length += static_cast<const unsigned char*>(end) - appState.workBuffer;
            break;
        }
        length += appState.bytesDone;
        if (length > std::uint64_t(kMaxOutputBlocks) * kMemoBlockSize) {
            *damaged = kMemoOutputTooLargeText;
            return 1;
        }
    }
    appState.memoRemaining = static_cast<std::uint32_t>(length);
    return 1;
}

// Finds the text of `block`: positions the input memo file at its first byte,
// sets memoRemaining to its length and `*dbase4Text` when it has a dBase-IV
// header. When the reference cannot be followed, `*damaged` names the
// reason; a length that runs into another text is found only during the copy.
// Returns 0 after a message when the file cannot be read.
std::uint8_t LocateText(std::uint32_t block, bool* dbase4Text, const char** damaged) {
    std::uint64_t start = std::uint64_t(block) * appState.inputMemoBlockSize;
    if (start >= kSourceOffsetLimit) {
        *damaged = kMemoBlockTooLargeText;
        return 1;
    }
    if (start >= appState.inputMemoSize) {
        *damaged = kMemoBlockPastEndText;
        return 1;
    }
    if (!FileSeek(appState.inputMemo, start) ||
        !FileRead(appState.inputMemo, appState.workBuffer, kMemoHeaderSize, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    std::uint64_t rest = appState.inputMemoSize - start;
    if (appState.bytesDone < (rest < kMemoHeaderSize ? rest : kMemoHeaderSize))
        return RefuseChanged(kInputMemoName);
    *dbase4Text = appState.bytesDone >= kMemoMarkSize &&
                  std::memcmp(appState.workBuffer, kMemoMark, kMemoMarkSize) == 0;
    if (*dbase4Text) {
        std::uint32_t length = ReadU32LE(appState.workBuffer + kMemoLengthOffset);
        if (appState.bytesDone < kMemoHeaderSize || start + length > appState.inputMemoSize) {
            *damaged = kMemoTextPastEndText;
        } else if (length < kMemoHeaderSize) {
            *damaged = kMemoHeaderDamagedText;
        }
        if (*damaged != nullptr) return 1;
        appState.memoRemaining = length - kMemoHeaderSize;
        start += kMemoHeaderSize;
    } else if (appState.dbase3Memo == 1) {
        if (!FileSeek(appState.inputMemo, start)) return Refuse(kMemoReadFailedText);
        if (MeasureDbase3Text(start, damaged) == 0) return 0;
        if (*damaged != nullptr) return 1;
    } else {
        // A reference into the middle of a text, or a memo file of another layout.
        *damaged = kMemoMarkMissingText;
        return 1;
    }
    if (appState.memoRemaining / kMemoBlockSize + 1 > kMaxOutputBlocks - appState.nextMemoBlock) {
        *damaged = kMemoOutputTooLargeText;
        return 1;
    }
    if (!FileSeek(appState.inputMemo, start)) return Refuse(kMemoReadFailedText);
    return 1;
}

// A reference that cannot be followed stops the run, or, when the user asked
// for the rescue of the other texts, leaves its field blank, as for a record
// without a text, and is noted on the console and in the report.
std::uint8_t DamagedReference(std::uint32_t memoIndex, const char* reason) {
    const char* name = appState.memoFieldNames[memoIndex];
    if (appState.skipDamagedMemos != 1) return RefuseMemoReference(name, reason);
    FillBytes(appState.memoFieldPtr, kMemoFieldWidth, ' ');
    ++appState.memoTextsSkipped;
    NoteSkippedMemo(name, reason);
    return 1;
}

// Whether the 512 bytes just read, the text's bytes from `position` on, hold
// the start of another dBase-IV text at an input block boundary that the
// text claims; `*boundary` is the text offset of the next boundary to look
// at. Texts are stored apart: a length that runs over another's mark is
// damaged. (Each boundary's mark lies whole within one 512-byte read: block
// lengths are multiples of 64, and the text begins 8 bytes into its block.)
bool RunsIntoAnotherText(std::uint64_t position, std::uint64_t textLength, std::uint64_t* boundary) {
    std::uint64_t end = position + appState.bytesDone;
    for (; *boundary < textLength && *boundary + kMemoMarkSize <= end;
         *boundary += appState.inputMemoBlockSize) {
        if (std::memcmp(appState.workBuffer + (*boundary - position), kMemoMark, kMemoMarkSize) == 0)
            return true;
    }
    return false;
}

// Whether the first `count` bytes of workBuffer, as they go out, would cut
// the output text short: a dBase-III text ends at its first 0x1A. Behind it
// only further 0x1A or zero bytes may follow, the end marks that some writers
// count into a dBase-IV text's length. `*endSeen` carries over from block to
// block; `*damaged` names the reason when the text would be cut short.
bool CutShortByEndMark(std::uint32_t count, bool* endSeen, const char** damaged) {
    const unsigned char* bytes = appState.workBuffer;
    std::uint32_t i = 0;
    if (!*endSeen) {
        const void* end = std::memchr(bytes, kEndOfFile, count);
        if (end == nullptr) return false;
        *endSeen = true;
        i = static_cast<std::uint32_t>(static_cast<const unsigned char*>(end) - bytes);
    }
    for (; i < count; ++i) {
        if (bytes[i] != kEndOfFile && bytes[i] != 0) {
            *damaged = kMemoEndMarkInsideText;
            return true;
        }
    }
    return false;
}

// Copies the text now located, block by block. A dBase-IV text whose length
// turns out to run into another text, or a text that the output's end mark
// would cut short, is not finished: `*damaged` says so, and the caller takes
// back what was written of it.
std::uint8_t CopyMemoText(bool dbase4Text, const char** damaged) {
    std::uint64_t textLength = appState.memoRemaining;
    std::uint64_t position = 0;
    std::uint64_t boundary = dbase4Text ? appState.inputMemoBlockSize - kMemoHeaderSize : textLength;
    bool endSeen = false;
    for (;; position += kMemoBlockSize) {
        if (InterruptRequested()) return RefuseInterrupted();
        std::uint32_t needed =
            appState.memoRemaining < kMemoBlockSize ? appState.memoRemaining : kMemoBlockSize;
        if (ReadBlock(needed) == 0) return 0;
        if (RunsIntoAnotherText(position, textLength, &boundary)) {
            *damaged = kMemoLengthOverlapText;
            return 1;
        }
        if (appState.memoRemaining < kMemoBlockSize) break;
        // A full block is converted as a terminated text: the zero word behind
        // the buffer stops the conversion at the latest after 512 bytes.
        if (appState.oemToAnsi == 1) {
            appState.workBuffer[kMemoBlockSize] = 0;
            appState.workBuffer[kMemoBlockSize + 1] = 0;
            OemToAnsiTerminated(reinterpret_cast<char*>(appState.workBuffer));
        }
        if (CutShortByEndMark(kMemoBlockSize, &endSeen, damaged)) return 1;
        if (WriteBlock() == 0) return 0;
        appState.memoRemaining -= kMemoBlockSize;
    }
    // The last block: the rest of the text, 0x1A, zeros. Bytes read behind the
    // text are cleared before they could be converted or written.
    FillBytes(appState.workBuffer + appState.memoRemaining, kMemoBlockSize - appState.memoRemaining, 0);
    if (appState.oemToAnsi == 1) OemToAnsiTerminated(reinterpret_cast<char*>(appState.workBuffer));
    if (CutShortByEndMark(appState.memoRemaining, &endSeen, damaged)) return 1;
    ++appState.memoTextsWritten;
    appState.workBuffer[appState.memoRemaining] = kEndOfFile;
    return WriteBlock();
}

}  // namespace

std::uint8_t BeginOutputMemo() {
    FillBytes(appState.workBuffer, kMemoBlockSize, 0);
    WriteU32LE(appState.workBuffer, 1);  // the next free block, as long as no text follows
    if (!FileWrite(appState.outputMemo, appState.workBuffer, kMemoBlockSize, &appState.bytesDone)) {
        return Refuse(kOutputMemoWriteFailedText);
    }
    return 1;
}

std::uint8_t FinishOutputMemo() {
    bool ok;
    std::uint64_t length = std::uint64_t(appState.nextMemoBlock) * kMemoBlockSize;
    if (appState.nextMemoBlock == 1) {
        const unsigned char endOfFile = kEndOfFile;  // behind block 0, which already holds 1
        ok = FileWrite(appState.outputMemo, &endOfFile, 1, &appState.bytesDone);
        length += 1;
    } else {
        unsigned char next[4];
        WriteU32LE(next, appState.nextMemoBlock);
        ok = FileSeek(appState.outputMemo, 0) &&
             FileWrite(appState.outputMemo, next, sizeof next, &appState.bytesDone);
    }
    // A text left out after some of it was written leaves blocks behind the
    // last one, when no other text came to take their place.
    std::uint64_t size = 0;
    ok = ok && FileSize(appState.outputMemo, &size) &&
         (size == length || FileTruncate(appState.outputMemo, length));
    if (!ok) return Refuse(kOutputMemoWriteFailedText);
    return 1;
}

std::uint8_t ReadMemoBlockLength() {
    appState.inputMemoBlockSize = kMemoBlockSize;
    if (!FileRead(appState.inputMemo, appState.workBuffer, kMemoBlockLengthEnd, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    if (appState.bytesDone < kMemoBlockLengthEnd) return 1;  // too short to say: no text can be in it
    std::uint32_t length = ReadU16LE(appState.workBuffer + kMemoBlockLengthOffset);
    if (length < kMemoBlockLengthUnit) return 1;  // none recorded, or too short for a text
    // A multiple of 64 in the memo file of a dBase-IV table is its block
    // length. Another length, and any in the memo file of a dBase-III table,
    // whose header holds none, counts only where the file has the dBase-IV
    // layout with it: the text in its block 1 has the dBase-IV mark.
    bool recorded = appState.dbase3Memo == 0 && length % kMemoBlockLengthUnit == 0;
    if (!recorded && length != kMemoBlockSize) {
        if (!FileSeek(appState.inputMemo, length) ||
            !FileRead(appState.inputMemo, appState.workBuffer, kMemoMarkSize, &appState.bytesDone)) {
            return Refuse(kMemoReadFailedText);
        }
        if (appState.bytesDone < kMemoMarkSize ||
            std::memcmp(appState.workBuffer, kMemoMark, kMemoMarkSize) != 0)
            return 1;
    }
    appState.inputMemoBlockSize = length;
    return 1;
}

std::uint8_t MemoTransfer() {
    for (std::uint32_t i = 0; appState.memoFieldList[i] != kListEnd; ++i) {
        appState.memoFieldPtr = reinterpret_cast<char*>(appState.record + 1 + appState.memoFieldList[i]);
        std::uint32_t digitsEnd = 0;
        Reference reference = ReadReference(appState.memoFieldPtr, &digitsEnd);
        if (reference == kNoText) continue;
        if (reference == kNoBlockNumber) {
            if (DamagedReference(i, kMemoReferenceInvalidText) == 0) return 0;
            continue;
        }
        // The fill before the digits counts as leading zeros. Ten digits may
        // exceed the signed 32-bit range and read as negative: as an unsigned
        // block number they lie beyond 2 GiB.
        std::uint32_t block = static_cast<std::uint32_t>(ParseDecimal(appState.memoFieldPtr, digitsEnd));
        if (block == 0) continue;
        const char* damaged = nullptr;
        bool dbase4Text = false;
        if (LocateText(block, &dbase4Text, &damaged) == 0) return 0;
        if (damaged != nullptr) {
            if (DamagedReference(i, damaged) == 0) return 0;
            continue;
        }
        std::uint32_t firstBlock = appState.nextMemoBlock;
        FormatDecimal(static_cast<std::int32_t>(firstBlock), appState.memoFieldPtr + kMemoFieldWidth - 1,
                      kMemoFieldWidth, 1);
        if (CopyMemoText(dbase4Text, &damaged) == 0) return 0;
        if (damaged != nullptr) {
            // Nothing of the text stays: the next one is written where it began.
            if (!FileSeek(appState.outputMemo, std::uint64_t(firstBlock) * kMemoBlockSize)) {
                return Refuse(kOutputMemoWriteFailedText);
            }
            appState.nextMemoBlock = firstBlock;
            if (DamagedReference(i, damaged) == 0) return 0;
        }
    }
    return 1;
}
