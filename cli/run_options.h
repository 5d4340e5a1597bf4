// run_options.h -- the converter's options, and AppState prepared for one table.
#pragma once

struct RunOptions {
    bool oemToAnsi = false;
    bool ignoreMemos = false;  // the answer Yes to the question about a missing memo file
    bool skipDamagedMemos = false;
    bool codepageMark = false;
    bool numericF = false;
};

// Starts AppState afresh, as at program start, with the options set; every
// table of a run is converted from there. Only the search for run folder
// names goes on where it stood, and the output group of a run of many stays.
void PrepareRun(const RunOptions& options);

// The exit status of a run that the conversion core stopped, after its
// message: interrupted or refused.
int StoppedRunStatus();

// The converter's exit status.
const int kExitConverted = 0;
const int kExitInformation = 0;    // --help and --version: nothing to convert, nothing wrong
const int kExitRefused = 1;        // a table, or the run, was refused
const int kExitUsage = 2;          // wrong arguments
const int kExitSkipped = 3;        // converted, with damaged memo texts left out
const int kExitInterrupted = 130;  // as a shell reports a process ended by Ctrl+C
