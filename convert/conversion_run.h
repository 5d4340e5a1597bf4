// conversion_run.h -- one whole conversion from the paths in AppState.
#pragma once

#include <cstdint>

// Checks that both tables are given and differ, lets AnalyseHeader read the
// input table and begin the report, writes the output table and memo file
// under temporary names, moves them over their names when everything has
// been written, clears the marker of step 4 and asks for a repaint.
//
// Returns 1 when the conversion was carried out. Returns 0 when it stopped,
// after a message: then no output table or memo file has been written and
// every file that existed before is as it was, except the report of a run
// that stopped after it was begun, which tells how far the run came (a run
// refused before, or interrupted, leaves the old report).
std::uint8_t ConversionRun();
