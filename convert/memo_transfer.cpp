// memo_transfer.cpp -- MemoTransfer: dBase-IV memo texts into dBase-III blocks.
//
// An input memo begins at a block boundary with an 8-byte header whose bytes
// 4 to 7 give its length, header included; the text follows as one run of
// bytes across the following blocks. An output memo is the text, one byte
// 0x1A and zeros to the end of its last block; a text of t bytes takes
// t / 512 + 1 blocks.
#include "convert/memo_transfer.h"

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

// Reads the next 512 bytes of the memo text; fewer come only at the end of
// the memo file, behind the text.
std::uint8_t ReadBlock() {
    if (!FileRead(appState.inputMemo, appState.workBuffer, kMemoBlockSize, &appState.bytesDone)) {
        return Refuse(kMemoReadFailedText);
    }
    return 1;
}

// Positions the input memo file at the text of `block` and reads its header
// into workBuffer; sets memoRemaining. 1 when the whole text lies in the file.
std::uint8_t OpenSourceMemo(std::uint32_t memoIndex, std::uint32_t block) {
    if (block >= kFirstUnreachableBlock) return RefuseReference(memoIndex, kMemoBlockTooLargeText);
    std::uint64_t start = std::uint64_t(block) * kMemoBlockSize;
    if (start + kMemoHeaderSize > appState.inputMemoSize) {
        return RefuseReference(memoIndex, kMemoBlockPastEndText);
    }
    if (!FileSeek(appState.inputMemo, start) ||
        !FileRead(appState.inputMemo, appState.workBuffer, kMemoHeaderSize, &appState.bytesDone) ||
        appState.bytesDone != kMemoHeaderSize) {
        return Refuse(kMemoReadFailedText);
    }
    std::uint32_t length = ReadU32LE(appState.workBuffer + kMemoLengthOffset);
    if (length < kMemoHeaderSize) return RefuseReference(memoIndex, kMemoHeaderDamagedText);
    if (start + length > appState.inputMemoSize) return RefuseReference(memoIndex, kMemoTextPastEndText);
    appState.memoRemaining = length - kMemoHeaderSize;
    std::uint32_t blocks = appState.memoRemaining / kMemoBlockSize + 1;
    if (blocks > kMaxOutputBlocks - appState.nextMemoBlock) {
        return RefuseReference(memoIndex, kMemoOutputTooLargeText);
    }
    return 1;
}

// Copies the text whose header has just been read, block by block.
std::uint8_t CopyMemoText() {
    for (;;) {
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

std::uint8_t MemoTransfer() {
    for (std::uint32_t i = 0; appState.memoFieldList[i] != kListEnd; ++i) {
        appState.memoFieldPtr = reinterpret_cast<char*>(appState.tableBuffer + 1 + appState.memoFieldList[i]);
        // Invalid digits and out-of-range texts read as negative: as an
        // unsigned block number they lie beyond 2 GiB.
        std::uint32_t block =
            static_cast<std::uint32_t>(ParseDecimal(appState.memoFieldPtr, kMemoFieldWidth));
        if (block == 0) continue;
        if (OpenSourceMemo(i, block) == 0) return 0;
        FormatDecimal(static_cast<std::int32_t>(appState.nextMemoBlock), appState.memoFieldPtr + 9,
                      kMemoFieldWidth, 1);
        if (CopyMemoText() == 0) return 0;
    }
    return 1;
}
