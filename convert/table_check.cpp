// table_check.cpp -- the checks that make a header safe to convert.
#include "convert/table_check.h"

#include "convert/messages.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/byte_order.h"
#include "support/named_limit.h"

namespace {

static_assert(NamesNumber(kHeaderTooLongText, kTableBufferSize, " Byte") &&
                  NamesNumber(kRecordTooLongText, kTableBufferSize, " Byte"),
              "the messages name the longest header and record");
static_assert(NamesNumber(kBadFieldCountText, kMaxFields, " Felder"), "the message names the most fields");
static_assert(NamesNumber(kMemoFieldEndText, kMemoFieldWidth, " Zeichen"),
              "the message names the memo field width");

// The number of descriptors: those before the first slot that begins with
// the terminator. Without a terminator, as many as the header length has
// room for.
std::uint32_t CountFields() {
    std::uint32_t slots = (appState.headerLength - 1u) / kDescriptorSize - 1;
    std::uint32_t last = slots < kMaxFields ? slots : kMaxFields;
    for (std::uint32_t i = 0; i <= last; ++i) {
        if (DescriptorAt(appState.tableBuffer, i)[0] == kHeaderTerminator) return i;
    }
    return slots;
}

}  // namespace

std::uint8_t CheckHeaderStart(std::uint64_t fileSize) {
    const unsigned char* header = appState.tableBuffer;
    if (fileSize < kTableHeaderSize) return RefuseInvalidTable(kTooShortForHeaderText);
    std::uint8_t version = header[kVersionOffset];
    if (version == kVersionLevel7 || version == kVersionLevel7Memo) return RefuseInvalidTable(kLevel7Text);
    appState.dbase3Memo = version == kVersionDbase3Memo ? 1 : 0;
    appState.recordCount = ReadU32LE(header + kRecordCountOffset);
    appState.headerLength = ReadU16LE(header + kHeaderLengthOffset);
    appState.recordLength = ReadU16LE(header + kRecordLengthOffset);
    if (appState.headerLength < kMinHeaderLength) return RefuseInvalidTable(kBadFieldCountText);
    if (appState.headerLength > kTableBufferSize) return RefuseInvalidTable(kHeaderTooLongText);
    if (fileSize < appState.headerLength) return RefuseInvalidTable(kTooShortForHeaderText);
    return 1;
}

std::uint8_t CheckTableHeader(std::uint64_t fileSize) {
    appState.fieldCount = CountFields();
    if (appState.fieldCount < 1 || appState.fieldCount > kMaxFields)
        return RefuseInvalidTable(kBadFieldCountText);
    if (appState.recordLength > kTableBufferSize) return RefuseInvalidTable(kRecordTooLongText);
    std::uint32_t fieldBytes = 0;
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        fieldBytes += DescriptorAt(appState.tableBuffer, i)[kFieldLengthOffset];
    }
    if (appState.recordLength != 1 + fieldBytes) {
        // Some writers give character fields of more than 255 bytes the high
        // byte of their length in the decimals byte: a table of its own kind.
        std::uint32_t wideBytes = fieldBytes;
        for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
            const unsigned char* descriptor = DescriptorAt(appState.tableBuffer, i);
            if (TypeLetter(descriptor) == 'C') wideBytes += 256u * descriptor[kDecimalsOffset];
        }
        if (appState.recordLength == 1 + wideBytes) return Refuse(kLongCharacterFieldsText);
        return RefuseInvalidTable(kRecordLengthMismatchText);
    }
    // A memo field always holds a 10-character block number, whatever its
    // descriptor says; a shorter one would be read beyond its record.
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        const unsigned char* descriptor = DescriptorAt(appState.tableBuffer, i);
        if (TypeLetter(descriptor) == 'M' && descriptor[kFieldLengthOffset] != kMemoFieldWidth) {
            return RefuseMemoFieldLength(descriptor);
        }
    }
    std::uint64_t needed =
        appState.headerLength + std::uint64_t(appState.recordCount) * appState.recordLength;
    if (fileSize < needed) return RefuseInvalidTable(kTooShortForRecordsText);
    return 1;
}
