// table_check.h -- whether the bytes read as a header describe a table the
// conversion can copy without overrunning a buffer or a list.
#pragma once

#include <cstdint>

// Checks the header in `appState.tableBuffer` (all `headerLength` bytes read)
// against itself and against `fileSize`: the record length is 1 + the sum of
// the field lengths and at most 32,000, every memo field is 10 long, and the
// file holds all its records. Returns 1 for a valid table; otherwise shows
// why not and returns 0.
std::uint8_t CheckTableHeader(std::uint64_t fileSize);
