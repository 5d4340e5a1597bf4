// header_analysis.cpp -- AnalyseHeader: the header read, checked, reported,
// classified and rewritten, and the two field lists that drive the copy.
#include "convert/header_analysis.h"

#include "convert/memo_transfer.h"
#include "convert/messages.h"
#include "convert/output_group.h"
#include "convert/refusal.h"
#include "convert/structure_report.h"
#include "convert/table_check.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

unsigned char* Descriptor(std::uint32_t index) { return DescriptorAt(appState.tableBuffer, index); }

// An input that could not be opened: `name` as the messages call it, and the
// message for a file that is there but cannot be read.
std::uint8_t RefuseUnopened(const char* name, FileProblem problem, const char* unreadable) {
    if (problem == kFileNotRegular) return RefuseFile(name, kNoFileEndText);
    if (problem == kFileInUse) return RefuseFile(name, kInUseEndText);
    return Refuse(unreadable);
}

// The input table could not be opened: the messages name it.
std::uint8_t RefuseInputUnopened(FileProblem problem) {
    if (problem == kFileMissing) return RefuseNamed(kInputMissingText, appState.inputPath, "");
    if (problem == kFileUnreadable) return RefuseNamed(kInputOpenFailedText, appState.inputPath, "");
    return RefuseUnopened(kInputTableName, problem, kInputReadFailedText);
}

// Reads the header into tableBuffer and checks it; 1 when it is a table.
std::uint8_t ReadHeader() {
    unsigned char* header = appState.tableBuffer;
    std::uint64_t fileSize = 0;
    header[kVersionOffset] = 0;  // an empty file has no version byte of a table
    if (!FileRead(appState.inputTable, header, kFirstHeaderRead, &appState.bytesDone) ||
        !FileSize(appState.inputTable, &fileSize)) {
        return Refuse(kInputReadFailedText);
    }
    if (appState.bytesDone < kFirstHeaderRead) return RefuseInvalidTable(kTooShortForHeaderText);
    if (CheckHeaderStart(fileSize) == 0) return 0;
    std::uint32_t rest = appState.headerLength - kFirstHeaderRead;
    if (!FileRead(appState.inputTable, header + kFirstHeaderRead, rest, &appState.bytesDone)) {
        return Refuse(kInputReadFailedText);
    }
    // The file was long enough for the header when the read began.
    if (appState.bytesDone != rest) return RefuseChanged(kInputTableName);
    appState.inputCodePage = header[kCodePageOffset];
    return CheckTableHeader(fileSize);
}

bool HasMemoFields() {
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        if (TypeLetter(Descriptor(i)) == 'M') return true;
    }
    return false;
}

// Opens the memo file of a table with memo fields and learns its block
// length. A memo file that is not there is no failure here: the user is
// asked later whether to go on without the memo texts. One that is there but
// cannot be used stops the run, whatever the answer would be.
std::uint8_t OpenInputMemo() {
    if (!ResolveNameCase(appState.inputMemoPath)) return Refuse(kMemoNamesAmbiguousText);
    FileProblem problem;
    appState.inputMemo = FileOpenRead(appState.inputMemoPath, &problem);
    if (appState.inputMemo == kNoFile) {
        if (problem == kFileMissing) return 1;
        return RefuseUnopened(kInputMemoName, problem, kMemoReadFailedText);
    }
    if (!FileSize(appState.inputMemo, &appState.inputMemoSize)) return Refuse(kMemoReadFailedText);
    return ReadMemoBlockLength();
}

// Reports, classifies and rewrites each descriptor; fills FieldLayoutList.
void FieldPass() {
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        unsigned char* descriptor = Descriptor(i);
        unsigned char letter = TypeLetter(descriptor);
        FieldClass fieldClass = kClassPlain;
        bool invalid = false;
        if (letter == 'C') {
            fieldClass = kClassText;
        } else if (letter == 'M') {
            fieldClass = kClassMemo;
        } else if (letter == 'F' && appState.numericF == 1) {
            letter = 'N';  // already the text of a number; readers compute with an N field
        } else if (letter != 'D' && letter != 'N' && letter != 'L') {
            invalid = true;
            letter = 'C';
        }
        WriteFieldLine(descriptor, invalid);
        unsigned char read = TypeLetter(descriptor);
        if ((read == 'B' || read == 'G') && appState.noteBinaryFields == 1) NoteBinaryField(descriptor);
        descriptor[kTypeOffset] = letter;
        // Readers take a character field's decimals byte as the high byte of
        // its length; a kept F(12,3) would read as 780 bytes long.
        if (invalid) descriptor[kDecimalsOffset] = 0;
        appState.fieldLayoutList[i] =
            static_cast<std::uint16_t>(fieldClass << 8 | descriptor[kFieldLengthOffset]);
        appState.fieldLayoutList[i + 1] = kListEnd;
        // Bytes 12 to 15 and 18 to 31 are cleared; the 2 between are length and decimals.
        FillBytes(descriptor + kDescriptorReserved1Offset, kDescriptorReserved1Size, 0);
        FillBytes(descriptor + kDescriptorReserved2Offset, kDescriptorReserved2Size, 0);
    }
}

// Builds FieldSpanList and MemoFieldList from FieldLayoutList.
void ListPass() {
    std::uint32_t spans = 0;
    std::uint32_t memos = 0;
    appState.recordOffset = 0;
    appState.fieldSpanList[0] = kListEnd;
    appState.memoFieldList[0] = kListEnd;
    for (std::uint32_t i = 0; appState.fieldLayoutList[i] != kListEnd; ++i) {
        std::uint8_t fieldClass = static_cast<std::uint8_t>(appState.fieldLayoutList[i] >> 8);
        std::uint16_t length = appState.fieldLayoutList[i] & 0xFF;
        if (fieldClass == kClassText) {
            appState.fieldSpanList[2 * spans] = appState.recordOffset;
            appState.fieldSpanList[2 * spans + 1] = length;
            appState.fieldSpanList[2 * ++spans] = kListEnd;
        } else if (fieldClass == kClassMemo) {
            appState.memoFieldList[memos] = appState.recordOffset;
            CopyText(appState.memoFieldNames[memos], reinterpret_cast<char*>(Descriptor(i)), kNameSize, 0);
            appState.memoFieldNames[memos][kNameSize] = '\0';
            appState.memoFieldList[++memos] = kListEnd;
        }
        appState.recordOffset = static_cast<std::uint16_t>(appState.recordOffset + length);
    }
}

// Without its memo file the table keeps its memo fields as C fields of 10
// characters holding the old block numbers.
void IgnoreMemoTexts() {
    WriteMemoIgnoredRemark();
    appState.memoFieldList[0] = kListEnd;
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        if (Descriptor(i)[kTypeOffset] == 'M') Descriptor(i)[kTypeOffset] = 'C';
    }
}

}  // namespace

std::uint8_t AnalyseHeader() {
    FileProblem problem;
    appState.inputTable = FileOpenRead(appState.inputPath, &problem);
    if (appState.inputTable == kNoFile) return RefuseInputUnopened(problem);
    if (ReadHeader() == 0) return 0;
    if (HasMemoFields() && OpenInputMemo() == 0) return 0;
    if (BeginOutputGroup(appState.inputMemo != kNoFile) == 0 || BeginReport() == 0) return 0;
    WriteReportOpening();
    FieldPass();
    WriteReportClosing();
    ListPass();

    unsigned char* header = appState.tableBuffer;
    header[kVersionOffset] = kVersionDbase3;
    FillBytes(header + kHeaderReservedOffset, kHeaderReservedSize, 0);
    if (appState.codepageMark == 1) {
        std::uint8_t kept = IsKnownCodePageMark(appState.inputCodePage) ? appState.inputCodePage : 0;
        header[kCodePageOffset] = appState.oemToAnsi == 1 ? kCodePageWindowsAnsi : kept;
    }
    if (appState.memoFieldList[0] == kListEnd) return 1;

    if (appState.inputMemo != kNoFile) {
        header[kVersionOffset] |= kVersionMemoBit;
        return 1;
    }
    // The converter has its answer beforehand, and says what it does instead.
    if (appState.memoAnswer == kAnswerNo) {
        return RefuseNamed(kMemoMissingText, appState.inputMemoPath, kMemoMissingRefusedText);
    }
    if (appState.memoAnswer == kAnswerYes) {
        NoteNamed(kMemoMissingText, appState.inputMemoPath, kMemoMissingIgnoredText);
    } else if (ShowMessageBox(appState.mainWindow, kMemoMissingQuestion, nullptr,
                              kBoxYesNo | kBoxIconHand | kBoxDefaultButton2) == kAnswerNo) {
        WriteRefusalRemark(kMemoNotFoundRemark);
        return 0;
    }
    IgnoreMemoTexts();
    return 1;
}
