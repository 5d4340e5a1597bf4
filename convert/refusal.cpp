// refusal.cpp -- the conversion's message boxes, and the texts put together for them.
#include "convert/refusal.h"

#include <cstring>

#include "convert/messages.h"
#include "convert/structure_report.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/decimal.h"
#include "support/text_buffer.h"

namespace {

// Appends `count` bytes of `text` (0: all of it) to `appState.messageText`
// behind its first `length` bytes, as far as they fit; keeps it terminated.
std::uint32_t Append(std::uint32_t length, const char* text, std::uint32_t count = 0) {
    if (count == 0) count = static_cast<std::uint32_t>(std::strlen(text));
    std::uint32_t room = sizeof appState.messageText - 1 - length;
    if (count > room) count = room;
    std::memcpy(appState.messageText + length, text, count);
    appState.messageText[length + count] = '\0';
    return length + count;
}

std::uint32_t AppendName(std::uint32_t length, const unsigned char* name) {
    std::uint32_t count = NameLength(name);
    if (count == 0) return Append(length, "\"\"");
    return Append(length, reinterpret_cast<const char*>(name), count);
}

// "Satz n, Feld NAME": the record being copied and a memo field of it.
std::uint32_t AppendMemoPlace(std::uint32_t length, const char* name) {
    char number[10];
    length = Append(Append(length, kMemoRecordText), number, UnsignedText(appState.recordNumber, number));
    length = Append(length, kMemoFieldText);
    return AppendName(length, reinterpret_cast<const unsigned char*>(name));
}

}  // namespace

std::uint8_t Refuse(const char* text) {
    WriteRefusalRemark(text);
    ShowMessageBox(appState.mainWindow, text, nullptr, kBoxOk | kBoxIconHand);
    return 0;
}

std::uint8_t RefuseInterrupted() {
    appState.stoppedByInterrupt = 1;
    return Refuse(kInterruptedText);
}

std::uint8_t RefuseNamed(const char* start, const char* name, const char* end) {
    Append(Append(Append(0, start), name), end);
    return Refuse(appState.messageText);
}

std::uint8_t RefuseInvalidTable(const char* reason) {
    if (!IsFamilyVersion(appState.tableBuffer[kVersionOffset])) return Refuse(kNoTableText);
    Append(Append(0, kInvalidTableText), reason);
    return Refuse(appState.messageText);
}

std::uint8_t RefuseMemoFieldLength(const unsigned char* name) {
    std::uint32_t length = Append(Append(0, kInvalidTableText), kMemoFieldStartText);
    Append(AppendName(length, name), kMemoFieldEndText);
    return Refuse(appState.messageText);
}

std::uint8_t RefuseSameFiles(const char* nameA, const char* nameB) {
    std::uint32_t length = Append(Append(0, kFileMessageStartText), nameA);
    Append(Append(Append(length, kSameFilesAndText), nameB), kSameFilesEndText);
    return Refuse(appState.messageText);
}

std::uint8_t RefuseFile(const char* name, const char* endText) {
    return RefuseNamed(kFileMessageStartText, name, endText);
}

std::uint8_t RefuseChanged(const char* name) { return RefuseFile(name, kChangedEndText); }

std::uint8_t RefuseMemoReference(const char* name, const char* reason) {
    Append(Append(AppendMemoPlace(0, name), kMemoReasonText), reason);
    return Refuse(appState.messageText);
}

void NoteNamed(const char* start, const char* name, const char* end) {
    Append(Append(Append(0, start), name), end);
    ShowMessageBox(appState.mainWindow, appState.messageText, nullptr, kBoxOk);
}

void NoteBinaryField(const unsigned char* descriptor) {
    const char type[2] = {static_cast<char>(descriptor[kTypeOffset]), '\0'};
    std::uint32_t length = AppendName(Append(0, kBinaryFieldStartText), descriptor);
    Append(Append(Append(length, kBinaryFieldTypeText), type), kBinaryFieldEndText);
    ShowMessageBox(appState.mainWindow, appState.messageText, nullptr, kBoxOk);
}

void NoteSkippedMemo(const char* name, const char* reason) {
    // The report's remarks stand indented by three blanks; the console line
    // is the same text without them.
    std::uint32_t length = Append(0, kRemarkIndent);
    Append(Append(AppendMemoPlace(length, name), kMemoSkippedText), reason);
    WriteSkippedMemoRemark(appState.messageText);
    ShowMessageBox(appState.mainWindow, appState.messageText + length, nullptr, kBoxOk);
}
