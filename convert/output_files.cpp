// output_files.cpp -- the outputs of one run in the run folder.
#include "convert/output_files.h"

#include "convert/memo_transfer.h"
#include "convert/messages.h"
#include "convert/output_group.h"
#include "convert/refusal.h"
#include "support/app_state.h"

namespace {

// Removes the file `path` of the run folder, if any, and empties `path`.
void RemoveFile(char* path) {
    if (path[0] == '\0') return;
    FileRemove(path);
    path[0] = '\0';
}

bool ListOutputs(bool memo) {
    return AddToGroup(appState.outputTableTemp, appState.outputPath) &&
           (!memo || AddToGroup(appState.outputMemoTemp, appState.outputMemoPath)) &&
           (appState.reportTemp[0] == '\0' || AddToGroup(appState.reportTemp, appState.reportPath));
}

}  // namespace

std::uint8_t BeginReport() {
    if (appState.reportSink != kNoFile) {
        appState.reportFile = appState.reportSink;
        return 1;
    }
    appState.reportFile = CreateGroupFile(appState.reportTemp);
    if (appState.reportFile == kNoFile) return Refuse(kReportCreateFailedText);
    return 1;
}

bool CloseReport() {
    if (appState.reportFile == appState.reportSink) {
        appState.reportFile = kNoFile;  // its owner closes it and learns of failed writes then
        return true;
    }
    if (CloseOutput(&appState.reportFile)) return true;
    RemoveFile(appState.reportTemp);
    return false;
}

bool CloseOutput(FileHandle* file) {
    if (*file == kNoFile) return true;
    bool flushed = FileFlush(*file);
    return FileCloseAndForget(file) && flushed;
}

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
        RemoveFile(appState.outputTableTemp);
        RemoveFile(appState.outputMemoTemp);
        bool told = appState.reportFile != kNoFile && appState.reportFile != appState.reportSink;
        if (CloseReport() && told && appState.stoppedByInterrupt != 1 && !held &&
            AddToGroup(appState.reportTemp, appState.reportPath)) {
            CommitOutputGroup(false);  // should it fail, the old report stays
        }
    }
    if (!held) DiscardOutputGroup();
    return carriedOut;
}
