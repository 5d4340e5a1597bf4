// table_check.cpp -- the checks that make a header safe to convert.
#include "convert/table_check.h"

#include "convert/messages.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"

std::uint8_t CheckTableHeader(std::uint64_t fileSize) {
    if (appState.recordLength > kTableBufferSize) return RefuseInvalidTable(kRecordTooLongText);
    std::uint32_t fieldBytes = 0;
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        fieldBytes += appState.tableBuffer[kTableHeaderSize + kDescriptorSize * i + kFieldLengthOffset];
    }
    if (appState.recordLength != 1 + fieldBytes) {
        // Some writers give character fields of more than 255 bytes the high
        // byte of their length in the decimals byte: a table of its own kind.
        std::uint32_t wideBytes = fieldBytes;
        for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
            const unsigned char* descriptor = appState.tableBuffer + kTableHeaderSize + kDescriptorSize * i;
            if ((descriptor[kTypeOffset] & 0xDF) == 'C') wideBytes += 256u * descriptor[kDecimalsOffset];
        }
        if (appState.recordLength == 1 + wideBytes) return Refuse(kLongCharacterFieldsText);
        return RefuseInvalidTable(kRecordLengthMismatchText);
    }
    // A memo field always holds a 10-character block number, whatever its
    // descriptor says; a shorter one would be read beyond its record.
    for (std::uint32_t i = 0; i < appState.fieldCount; ++i) {
        const unsigned char* descriptor = appState.tableBuffer + kTableHeaderSize + kDescriptorSize * i;
        if ((descriptor[kTypeOffset] & 0xDF) == 'M' && descriptor[kFieldLengthOffset] != kMemoFieldWidth) {
            return RefuseMemoFieldLength(descriptor);
        }
    }
    std::uint64_t needed =
        appState.headerLength + std::uint64_t(appState.recordCount) * appState.recordLength;
    if (fileSize < needed) return RefuseInvalidTable(kTooShortForRecordsText);
    return 1;
}
