// batch.cpp -- ConvertTables: the tables of a run one by one, and their reports.
#include "cli/batch.h"

#include <cstring>

#include "cli/cli_texts.h"
#include "cli/console_lines.h"
#include "cli/table_list.h"
#include "convert/conversion_run.h"
#include "convert/messages.h"
#include "convert/output_files.h"
#include "convert/run_paths.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

// The reports gathered so far, under a temporary name in the output folder;
// each table's run writes its report at its end.
char gatheredReport[kWorkPathSize];
FileHandle gathered = kNoFile;

struct Tally {
    std::uint32_t converted = 0;
    std::uint32_t refused = 0;
    std::uint32_t skipped = 0;  // memo texts left out
};

// Takes back the report of a table that was refused: the gathered reports
// end where they ended before it.
bool DropTableReport(std::uint64_t length) {
    return FileTruncate(gathered, length) && FileSeek(gathered, length);
}

// The input and output paths of table `index`; the run derives the others.
bool ChooseTable(std::uint32_t index, const char* folder) {
    const char* input = tableList.paths[index];
    CopyText(appState.inputPath, input, 0, 1);
    const char* name = input + FileNameStart(input);
    std::size_t folderLength = std::strlen(folder);
    if (folderLength + std::strlen(name) >= kPathSize) {
        SayRefusal(kOutputPathTooLongText, name);
        return false;
    }
    CopyText(appState.outputPath, folder, 0, 1);
    CopyText(appState.outputPath + folderLength, name, 0, 1);
    appState.reportSink = gathered;
    return true;
}

void SayTableDone(const char* input, bool converted) {
    SayPath(kConsoleOut, input);
    if (!converted) {
        Say(kConsoleOut, kRefusedText);
    } else {
        Say(kConsoleOut, kConvertedText);
        SayCount(kConsoleOut, appState.recordCount, kRecordText, kRecordsText);
        Say(kConsoleOut, kListSeparator);
        SayCount(kConsoleOut, appState.memoTextsWritten, kMemoTextText, kMemoTextsText);
        if (appState.memoTextsSkipped > 0) {
            Say(kConsoleOut, kListSeparator);
            SayCount(kConsoleOut, appState.memoTextsSkipped, kMemoTextText, kMemoTextsText);
            Say(kConsoleOut, kSkippedText);
        }
    }
    Say(kConsoleOut, "\n");
}

void SaySummary(const Tally& tally) {
    SayCount(kConsoleOut, tally.converted, kTableText, kTablesText);
    Say(kConsoleOut, kTablesConvertedText);
    SayNumber(kConsoleOut, tally.refused);
    Say(kConsoleOut, kTablesRefusedText);
    if (tally.skipped > 0) {
        Say(kConsoleOut, kListSeparator);
        SayCount(kConsoleOut, tally.skipped, kMemoTextText, kMemoTextsText);
        Say(kConsoleOut, kSkippedText);
    }
    Say(kConsoleOut, "\n");
}

// Removes the run's temporary files; with `failure`, says why the run stops,
// naming `path`.
int EndRun(const char* failure, const char* path = "") {
    FileCloseAndForget(&gathered);
    RemoveTemporary(gatheredReport);
    if (failure != nullptr) SayRefusal(failure, path);
    return kExitRefused;
}

}  // namespace

int ConvertTables(const char* outputFolder, const RunOptions& options) {
    // Full paths, as a single run writes them into its report.
    char folder[kPathSize];
    char reportPath[kPathSize];
    if (!FullPath(outputFolder, folder, kPathSize - 1)) return EndRun(kOutputPathTooLongText, outputFolder);
    std::size_t length = std::strlen(folder);
    if (length > 0 && !IsPathSeparator(folder[length - 1])) folder[length++] = PathSeparator();
    folder[length] = '\0';
    if (DeriveReportPathOf(folder, reportPath) == 0) return EndRun(kReportPathTooLongText);
    gathered = CreateTemporaryBeside(reportPath, gatheredReport);
    if (gathered == kNoFile) return EndRun(kBatchReportFailedText);

    Tally tally;
    bool reportWhole = true;
    bool interrupted = false;
    for (std::uint32_t i = 0; i < tableList.count && !interrupted; ++i) {
        std::uint32_t index = tableList.order[i];
        std::uint64_t reportsLength = 0;
        reportWhole = FileSize(gathered, &reportsLength) && reportWhole;
        PrepareRun(options);
        bool converted = ChooseTable(index, folder) && ConversionRun() == 1;
        // An interrupt stops the run after the table under way, which is left
        // as it was unless it was done; the tables before it stand.
        interrupted = InterruptRequested();
        if (converted) {
            ++tally.converted;
            tally.skipped += appState.memoTextsSkipped;
        } else {
            reportWhole = DropTableReport(reportsLength) && reportWhole;
            if (interrupted) break;
            ++tally.refused;
        }
        SayTableDone(tableList.paths[index], converted);
    }
    // The gathered reports replace the old one at once, and only when there
    // is something to tell.
    reportWhole = CloseReportFor(&gathered, reportPath) && reportWhole;
    if (!reportWhole) return EndRun(kBatchReportFailedText);
    if (tally.converted > 0) {
        if (!MoveReport(gatheredReport, reportPath)) return EndRun(kBatchReportFailedText);
        gatheredReport[0] = '\0';
    }
    EndRun(nullptr);
    SaySummary(tally);
    if (interrupted) return kExitInterrupted;
    if (tally.refused > 0) return kExitRefused;
    return tally.skipped > 0 ? kExitSkipped : kExitConverted;
}
