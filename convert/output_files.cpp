// output_files.cpp -- the output table and memo file of one run in the run folder.
#include "convert/output_files.h"

#include "convert/memo_transfer.h"
#include "convert/messages.h"
#include "convert/output_group.h"
#include "convert/refusal.h"
#include "convert/structure_report.h"
#include "support/app_state.h"

namespace {

bool ListOutputs(bool memo) {
    return AddToGroup(appState.outputTableTemp, appState.outputPath) &&
           (!memo || AddToGroup(appState.outputMemoTemp, appState.outputMemoPath)) &&
           (appState.reportTemp[0] == '\0' || AddToGroup(appState.reportTemp, appState.reportPath));
}

}  // namespace

std::uint8_t CreateOutputFiles() {
    appState.outputTable = CreateGroupFile(appState.outputTableTemp);
    if (appState.outputTable == kNoFile) return Refuse(kOutputCreateFailedText);
    if (appState.inputMemo == kNoFile) return 1;
    appState.outputMemo = CreateGroupFile(appState.outputMemoTemp);
    if (appState.outputMemo == kNoFile) return Refuse(kOutputMemoCreateFailedText);
    return BeginOutputMemo();
}

std::uint8_t PlaceOutputs(std::uint8_t carriedOut) {
    bool held = appState.group.heldByCaller == 1;
    bool memo = appState.outputMemoTemp[0] != '\0';
    if (carriedOut == 1 && !ListOutputs(memo)) carriedOut = Refuse(kCommitFailedText);
    if (carriedOut == 1 && !held) carriedOut = CommitOutputGroup(true);
    appState.memoFileWritten = carriedOut == 1 && memo ? 1 : 0;
    if (carriedOut == 0) {
        // What was written of the table goes. A report still open ends with
        // the message that stopped the run and stays, unless an interrupt
        // stopped it; one already closed says nothing of the stop and goes.
        FileCloseAndForget(&appState.outputTable);
        FileCloseAndForget(&appState.outputMemo);
        RemoveGroupFile(appState.outputTableTemp);
        RemoveGroupFile(appState.outputMemoTemp);
        bool told = ReportInRunFolder();
        if (CloseReport() && told && appState.stoppedByInterrupt != 1 && !held &&
            AddToGroup(appState.reportTemp, appState.reportPath)) {
            CommitOutputGroup(false);  // should it fail, the old report stays
        }
    }
    if (!held) DiscardOutputGroup();
    return carriedOut;
}
