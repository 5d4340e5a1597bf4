// conversion_run.cpp -- ConversionRun: the checks, the files and their order.
#include "convert/conversion_run.h"

#include "convert/distinct_files.h"
#include "convert/header_analysis.h"
#include "convert/memo_transfer.h"
#include "convert/messages.h"
#include "convert/output_files.h"
#include "convert/output_group.h"
#include "convert/record_copy.h"
#include "convert/refusal.h"
#include "convert/run_paths.h"
#include "convert/structure_report.h"
#include "platform/interrupts.h"
#include "support/app_state.h"

namespace {

// Every run starts with no file open and block 1 as the next memo block; a
// run that stopped may have left them otherwise.
void StartRun() {
    appState.inputTable = kNoFile;
    appState.inputMemo = kNoFile;
    appState.reportFile = kNoFile;
    appState.outputTable = kNoFile;
    appState.outputMemo = kNoFile;
    appState.outputTableTemp[0] = '\0';
    appState.outputMemoTemp[0] = '\0';
    appState.reportTemp[0] = '\0';
    appState.memoFileWritten = 0;
    appState.stoppedByInterrupt = 0;
    appState.nextMemoBlock = 1;
    appState.memoTextsWritten = 0;
    appState.memoTextsSkipped = 0;
}

// Everything after the header analysis: the outputs written and completed,
// the inputs found as they were when the run began, and every file closed,
// the outputs' bytes on the disk.
std::uint8_t WriteOutputs() {
    if (CreateOutputFiles() == 0 || RecordCopy() == 0) return 0;
    if (appState.outputMemo != kNoFile && FinishOutputMemo() == 0) return 0;
    if (!FileUnchanged(appState.inputTable)) return RefuseChanged(kInputTableName);
    if (appState.inputMemo != kNoFile && !FileUnchanged(appState.inputMemo)) {
        return RefuseChanged(kInputMemoName);
    }
    bool tableRead = FileCloseAndForget(&appState.inputTable);
    bool memoRead = FileCloseAndForget(&appState.inputMemo);
    bool tableWritten = CloseGroupFile(&appState.outputTable);
    bool memoWritten = CloseGroupFile(&appState.outputMemo);
    if (!tableRead) return Refuse(kInputReadFailedText);
    if (!memoRead) return Refuse(kMemoReadFailedText);
    if (!tableWritten) return Refuse(kOutputWriteFailedText);
    if (!memoWritten) return Refuse(kOutputMemoWriteFailedText);
    return FinishReport();
}

}  // namespace

std::uint8_t ConversionRun() {
    if (appState.inputPath[0] == '\0') return Refuse(kNoInputText);
    if (appState.outputPath[0] == '\0') return Refuse(kNoOutputText);
    if (CheckDistinctTables() == 0 || DeriveRunPaths() == 0) return 0;

    StartRun();
    std::uint8_t carriedOut = AnalyseHeader() == 1 ? WriteOutputs() : 0;
    // An interrupt once the outputs are put in place no longer stops the run.
    if (carriedOut == 1 && InterruptRequested()) carriedOut = RefuseInterrupted();
    FileCloseAndForget(&appState.inputTable);
    FileCloseAndForget(&appState.inputMemo);
    if (PlaceOutputs(carriedOut) == 0) return 0;
    appState.steps.marker4 = ' ';
    RepaintWindow(appState.mainWindow);
    return 1;
}
