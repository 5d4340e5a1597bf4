// record_copy.h -- writing the output table: header, records, end mark.
#pragma once

#include <cstdint>

// Writes the rewritten header from tableBuffer to the output table, then
// every record of the input table in file order (deleted ones too), each with
// its memo texts moved and, with the option on, its character fields
// converted, and finally the end-of-file byte. Returns 1 when the table has
// been written; 0 after a message.
std::uint8_t RecordCopy();

// Converts the character fields of the FieldSpanList in the record at
// `appState.record` from OEM to ANSI, in place, each over its whole length.
void FieldConversion();
