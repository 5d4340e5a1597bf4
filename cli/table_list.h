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

// Adds the tables `input` names: itself; when it is a folder, its files whose
// names end in ".dbf" in any case (not those of its subfolders), in name
// order; where the program expands wildcards itself, the files its pattern
// matches, in name order. Returns 0 after a message (usage errors: 2 is the
// caller's to return) when nothing can be added or the list is full; 1
// otherwise. `*usage` tells a wrong call from a refusal.
std::uint8_t AddTables(const char* input, bool* usage);

// Checks that no two tables would write the same file into the output folder:
// neither the same table name nor memo file name, nor one of them
// "Report.txt", compared without regard to case. Returns 0 after a message.
std::uint8_t CheckOutputNames();
