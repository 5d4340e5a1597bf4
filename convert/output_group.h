// output_group.h -- the outputs of a run replace the old ones together.
//
// A run writes its outputs (table, memo file, report) into a run folder of
// its own, "~kvNNNN.tmp" in the output directory, beside a journal that it
// claims as long as it lives. To put them in place it keeps a second name of
// every file they replace, lists the outputs in the journal with a commit
// mark, puts journal and run folder on the disk, and only then renames the
// outputs over their names. After a crash or power cut at any point of
// this, the next run into that directory finishes the renames from the
// journal; when a rename fails, the old files come back from their second
// names. So each name holds a whole file at every moment, and the outputs
// are one run's whole group. Runs into one directory take turns at its lock
// while they settle and put their outputs in place.
#pragma once

#include <cstdint>

#include "platform/files.h"

// Begins the output group of a run in the directory of the output table, or
// joins the group a run of many holds: under the directory's lock, settles
// what runs that no longer live left there, checks that the run's files are
// distinct (CheckRunFiles) and makes the run folder. Returns 1, or 0 after a
// message.
std::uint8_t BeginOutputGroup(bool memoFiles);

// For a run of many tables: begins one group in the directory that holds
// `beside`, to which each table's run adds its outputs. Returns 1, or 0
// after a message.
std::uint8_t HoldOutputGroup(const char* beside);

// Creates a new file in the run folder and writes its path into `path`
// (kWorkPathSize bytes). Returns kNoFile, with `path` empty, when it cannot.
FileHandle CreateGroupFile(char* path);

// Puts a file of the run folder on the disk and closes it, if it is open.
// False when a byte was lost.
bool CloseGroupFile(FileHandle* file);

// Removes the file `path` of the run folder, if any, and empties `path`.
void RemoveGroupFile(char* path);

// Lists the closed file `path` of the run folder, whose bytes are on the
// disk, as the one to replace `finalPath` (a file of the output directory).
// False when it cannot be listed.
bool AddToGroup(const char* path, const char* finalPath);

// Puts every output of the group in place together and ends the group.
// Returns 1; or 0, with every old file as it was, after a message saying so
// (only when `tell`: a run that stopped puts its report in place quietly).
std::uint8_t CommitOutputGroup(bool tell);

// Ends the group without putting anything in place: the run folder goes,
// with all it holds.
void DiscardOutputGroup();
