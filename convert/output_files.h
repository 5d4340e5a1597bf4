// output_files.h -- the output table and memo file under temporary names.
//
// The outputs are written under names of their own in the output directory
// and moved over their real names only when the whole run has succeeded, so
// that a run that stops leaves every existing file as it was and nothing
// half-written behind.
#pragma once

#include <cstdint>

// Creates the output table and, with an open input memo file, the output memo
// file with its block 0 (the next free block 1, then zeros). Returns 1, or 0
// after a message.
std::uint8_t CreateOutputFiles();

// Completes block 0 of the output memo file: the number of the next free
// block, or, when no memo text was written, a single 0x1A behind block 0.
// Returns 1, or 0 after a message.
std::uint8_t FinishOutputMemo();

// Moves the closed outputs over their real names; an existing output memo
// file is moved aside first and put back should the table not follow. Returns
// 1, or 0 after a message with every existing file as it was.
std::uint8_t CommitOutputFiles();

// Closes the outputs if they are open and removes their temporary files.
void DiscardOutputFiles();
