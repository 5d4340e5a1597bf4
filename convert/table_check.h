// table_check.h -- whether the bytes read as a header describe a table the
// conversion can copy without overrunning a buffer or a list.
#pragma once

#include <cstdint>

// Checks the first bytes of the header in `appState.tableBuffer` against
// `fileSize` and takes the numbers it needs (`recordCount`, `headerLength`,
// `recordLength`, `dbase3Memo`): a table of the layout this program reads,
// whose header fits the buffer and the file. Returns 1, or 0 after a message.
std::uint8_t CheckHeaderStart(std::uint64_t fileSize);

// Checks the whole header (all `headerLength` bytes read) against itself and
// against `fileSize` and counts its fields (`fieldCount`, up to the
// terminator): 1 to 255 fields, a record length of 1 + the sum of the field
// lengths and at most 32,000, every memo field 10 long, all records in the
// file. Returns 1 for a valid table; otherwise shows why not and returns 0.
std::uint8_t CheckTableHeader(std::uint64_t fileSize);
