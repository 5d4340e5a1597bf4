// memo_transfer.h -- moving a record's memo texts into the output memo file.
#pragma once

#include <cstdint>

// For each field of the MemoFieldList in the record at `appState.record`: reads
// the source block number, writes `nextMemoBlock` in its place and copies the
// memo text block by block into the output memo file, converted from OEM to
// ANSI when the option is on. A field that reads as 0 refers to no memo and
// stays as it is.
//
// Returns 1 to go on; 0 after a message when a reference cannot be followed
// (no block number, a block beyond the memo file or beyond 2 GiB, a text
// without the dBase-IV mark or with a damaged header, a text that runs past
// the end, a length that runs into another text), when a read or write
// fails, when the memo file gives fewer bytes than it held when the run
// began, or when an interrupt was noted. Each reference is checked before
// anything of it is written, except that a length running into another text
// is found during the copy: what was written of that text is taken back.
std::uint8_t MemoTransfer();

// Writes block 0 of the output memo file just created: the next free block
// 1, then zeros. Returns 1, or 0 after a message.
std::uint8_t BeginOutputMemo();

// Completes block 0 of the output memo file, which is written last because
// only now is the number of blocks known: the number of the next free block,
// or, when no memo text was written, a single 0x1A behind block 0. Returns 1,
// or 0 after a message.
std::uint8_t FinishOutputMemo();

// Learns the block length of the input memo file just opened, from its block
// 0 (`inputMemoBlockSize`): the recorded length where it is a multiple of 64
// in the memo file of a dBase-IV table, or where the file's block 1, at that
// length, begins with the dBase-IV mark; 512 otherwise. Returns 1, or 0 after
// a message when the file cannot be read.
std::uint8_t ReadMemoBlockLength();
