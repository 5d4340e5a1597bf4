// batch.h -- a run of many tables into one output folder.
#pragma once

#include "cli/run_options.h"

// Converts every table of the table list into `outputFolder`, each on its
// own: one that is refused leaves its outputs untouched and the others go on.
// Writes one line per table and a summary on stdout, gathers the reports of
// the converted tables in the folder's Report.txt, moved into place at the
// end, and returns the exit status: kExitConverted when all were converted,
// kExitRefused when any was refused, kExitSkipped when memo texts were left
// out, kExitInterrupted.
int ConvertTables(const char* outputFolder, const RunOptions& options);
