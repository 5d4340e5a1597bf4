// refusal.cpp -- the conversion's message boxes, and the texts put together for them.
#include "convert/refusal.h"

#include <cstring>

#include "convert/messages.h"
#include "convert/table_layout.h"
#include "support/app_state.h"

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
    std::uint32_t count = 0;
    while (count < kNameSize && name[count] != 0) ++count;
    if (count == 0) return Append(length, "\"\"");
    return Append(length, reinterpret_cast<const char*>(name), count);
}

}  // namespace

std::uint8_t Refuse(const char* text) {
    ShowMessageBox(appState.mainWindow, text, nullptr, kBoxOk | kBoxIconHand);
    return 0;
}

std::uint8_t RefuseInvalidTable(const char* reason) {
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

std::uint8_t RefuseNoFile(const char* name) {
    Append(Append(Append(0, kFileMessageStartText), name), kNoFileEndText);
    return Refuse(appState.messageText);
}

std::uint8_t RefuseMemoReference(const char* name, const char* reason) {
    // Record numbers run up to 4294967295, beyond what FormatDecimal takes.
    char number[10];
    std::uint32_t first = sizeof number;
    std::uint32_t value = appState.recordNumber;
    do {
        number[--first] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    std::uint32_t length = Append(Append(0, kMemoRecordText), number + first, sizeof number - first);
    length = Append(length, kMemoFieldText);
    length = AppendName(length, reinterpret_cast<const unsigned char*>(name));
    Append(Append(length, kMemoReasonText), reason);
    return Refuse(appState.messageText);
}
