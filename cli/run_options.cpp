// run_options.cpp -- PrepareRun.
#include "cli/run_options.h"

#include "app/oem_option.h"
#include "support/app_state.h"

void PrepareRun(const RunOptions& options) {
    std::uint32_t nextTemporaryName = appState.nextTemporaryName;  // the names taken so far stay taken
    appState = AppState();
    appState.nextTemporaryName = nextTemporaryName;
    SetOemToAnsi(options.oemToAnsi);
    SetConsoleAnswer(options.ignoreMemos ? kAnswerYes : kAnswerNo);
    appState.skipDamagedMemos = options.skipDamagedMemos ? 1 : 0;
    appState.codepageMark = options.codepageMark ? 1 : 0;
    appState.numericF = options.numericF ? 1 : 0;
}
