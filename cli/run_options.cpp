// run_options.cpp -- PrepareRun and the status of a stopped run.
#include "cli/run_options.h"

#include "app/oem_option.h"
#include "support/app_state.h"

void PrepareRun(const RunOptions& options) {
    // The run folder names taken so far stay taken, and a run of many tables
    // keeps the group its tables add their outputs to.
    std::uint32_t nextTemporaryName = appState.nextTemporaryName;
    OutputGroup group = appState.group;
    appState = AppState();
    appState.nextTemporaryName = nextTemporaryName;
    appState.group = group;
    SetOemToAnsi(options.oemToAnsi);
    appState.memoAnswer = options.ignoreMemos ? kAnswerYes : kAnswerNo;
    appState.noteBinaryFields = 1;
    appState.skipDamagedMemos = options.skipDamagedMemos ? 1 : 0;
    appState.codepageMark = options.codepageMark ? 1 : 0;
    appState.numericF = options.numericF ? 1 : 0;
}

int StoppedRunStatus() { return appState.stoppedByInterrupt == 1 ? kExitInterrupted : kExitRefused; }
