// table_list.h -- the tables of a run of many, from the command line's inputs.
#pragma once

#include <cstdint>

#include "support/app_state.h"

const std::uint32_t kMaxTables = 4096;

// The full path of every input table, as they were found, and the order in
// which they are converted.
struct TableList {
    std::uint32_t count;
    char paths[kMaxTables][kPathSize];
    std::uint16_t order[kMaxTables];
    char memoNames[kMaxTables][kPathSize];  // the memo file's name of each, for CheckOutputNames
};

extern TableList tableList;

// What AddTables and CheckOutputNames return when the tables may be
// converted; anything else is the exit status of the run, after its message.
const int kTablesListed = -1;

// Adds the tables `input` names: itself; when it is a folder, its files whose
// names end in ".dbf" in any case (not those of its subfolders), in name
// order; where the program expands wildcards itself, the files its pattern
// matches, in name order. A full list is a wrong call; nothing to add is a
// refusal.
int AddTables(const char* input);

// Checks that no two tables would write the same file into the output folder:
// neither the same table name nor memo file name, nor one of them
// "Report.txt", compared without regard to case.
int CheckOutputNames();
