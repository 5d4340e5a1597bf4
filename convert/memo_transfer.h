// memo_transfer.h -- moving a record's memo texts into the output memo file.
#pragma once

#include <cstdint>

// For each field of the MemoFieldList in the record now in tableBuffer: reads
// the source block number, writes `nextMemoBlock` in its place and copies the
// memo text block by block into the output memo file, converted from OEM to
// ANSI when the option is on. A field that reads as 0 refers to no memo and
// stays as it is.
//
// Returns 1 to go on; 0 after a message when a reference cannot be followed
// (a block beyond the memo file or beyond 2 GiB, a damaged block header, a
// text that runs past the end) or a read or write fails. Each reference is
// checked before anything of it is written.
std::uint8_t MemoTransfer();
