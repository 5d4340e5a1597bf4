// output_files.h -- the output table, memo file and report under temporary names.
//
// The outputs are written under names of their own in the output directory
// and moved over their real names only when the whole run has succeeded, so
// that a run that stops leaves every existing file as it was and nothing
// half-written behind. The report is moved over "Report.txt" whenever the
// run ends after it was begun, also after a stop, since it tells how far the
// run came; a run that is interrupted leaves the old report.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Creates a file under a free temporary name ("~kvNNNN.tmp") in the
// directory of `beside` and writes its path into `name` (kWorkPathSize
// bytes). A name in use is passed over. Returns the open file, or kNoFile
// with `name` empty.
FileHandle CreateTemporaryBeside(const char* beside, char* name);

// Removes the temporary file `name`, if any, and empties `name`.
void RemoveTemporary(char* name);

// Creates the report under a temporary name (`reportTemp`) into `reportFile`,
// or takes the report sink when there is one. Returns 1, or 0 after a
// message.
std::uint8_t BeginReport();

// Closes the report if it is open; a report sink is only let go. A report
// that will replace an earlier one is put on the disk first. Returns false
// when a line was lost.
bool CloseReport();

// Closes the report file `*file` that is to be moved over `path`: put on the
// disk first when it will replace an earlier report. False when a line was
// lost.
bool CloseReportFor(FileHandle* file, const char* path);

// Moves the closed report `temporary` over `path`, written through when it
// replaces an earlier report.
bool MoveReport(const char* temporary, const char* path);

// Closes an output table or memo file. One that will replace an earlier file
// is put on the disk first, so that a power cut after the move can never
// leave an empty or half-written file where the user's earlier one stood.
// Where nothing is replaced, nothing can be lost, and the flush is spared.
// Returns false when a byte was lost.
bool CloseOutput(FileHandle* file);

// Closes the report if it is still open and, with `place` and every line on
// disk, moves it over "Report.txt"; otherwise removes it. Returns false when
// it should have been placed and was not. Does nothing more when no report
// was begun, or when it went into a sink.
bool PlaceReport(bool place);

// Creates the output table and, with an open input memo file, the output memo
// file with its block 0. Returns 1, or 0 after a message.
std::uint8_t CreateOutputFiles();

// Moves the closed outputs over their real names; an existing output memo
// file is moved aside first and put back should the table not follow. Returns
// 1, or 0 after a message with every existing file as it was.
std::uint8_t CommitOutputFiles();

// Closes the outputs if they are open and removes their temporary files.
void DiscardOutputFiles();
