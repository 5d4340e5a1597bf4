// conversion_run.h -- one whole conversion from the paths in AppState.
#pragma once

#include <cstdint>

// Checks that both tables are given and differ, lets AnalyseHeader read the
// input table and begin the report, writes the output table, memo file and
// report into a run folder of its own, puts them in place together when
// everything has been written and read as it was, clears the marker of step
// 4 and asks for a repaint.
//
// Returns 1 when the conversion was carried out: its outputs and their names
// are on the disk. Returns 0 when it stopped, after a message: then every
// file that existed before is as it was, except that a run that stopped after
// its report was begun leaves that report, which ends with the message (a run
// refused before, or interrupted, leaves the old report).
std::uint8_t ConversionRun();
