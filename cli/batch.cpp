// batch.cpp -- ConvertTables: the tables of a run one by one, and their reports.
#include "cli/batch.h"

#include <cstring>

#include "cli/cli_texts.h"
#include "cli/console_lines.h"
#include "cli/table_list.h"
#include "convert/conversion_run.h"
#include "convert/messages.h"
#include "convert/output_group.h"
#include "convert/run_paths.h"
#include "platform/interrupts.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

// The reports gathered so far, in the run folder; each table's run writes its
// report at its end.
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
        Say(kConsoleOut, kRefusedWords);
    } else {
        Say(kConsoleOut, kConvertedWords);
        SayCount(kConsoleOut, appState.recordCount, kRecordWord, kRecordsWord);
        Say(kConsoleOut, kListSeparator);
        SayCount(kConsoleOut, appState.memoTextsWritten, kMemoTextWord, kMemoTextsWord);
        if (appState.memoTextsSkipped > 0) {
            Say(kConsoleOut, kListSeparator);
            SayCount(kConsoleOut, appState.memoTextsSkipped, kMemoTextWord, kMemoTextsWord);
            Say(kConsoleOut, kSkippedWords);
        }
    }
    Say(kConsoleOut, "\n");
}

void SaySummary(const Tally& tally) {
    SayCount(kConsoleOut, tally.converted, kTableWord, kTablesWord);
    Say(kConsoleOut, kTablesConvertedWords);
    SayNumber(kConsoleOut, tally.refused);
    Say(kConsoleOut, kTablesRefusedWords);
    std::uint32_t notConverted = tableList.count - tally.converted - tally.refused;
    if (notConverted > 0) {
        Say(kConsoleOut, kListSeparator);
        SayNumber(kConsoleOut, notConverted);
        Say(kConsoleOut, kTablesNotConvertedWords);
    }
    if (tally.skipped > 0) {
        Say(kConsoleOut, kListSeparator);
        SayCount(kConsoleOut, tally.skipped, kMemoTextWord, kMemoTextsWord);
        Say(kConsoleOut, kSkippedWords);
    }
    Say(kConsoleOut, "\n");
}

// The converted tables and the gathered reports replace the old ones
// together, once there is something to tell; nothing else of the run stays.
bool PlaceTables(const Tally& tally, bool reportWhole, const char* reportPath) {
    bool placed = false;
    if (tally.converted > 0 && !reportWhole) {
        SayRefusal(kBatchReportFailedText);
    } else if (tally.converted > 0) {
        placed = AddToGroup(gatheredReport, reportPath) && CommitOutputGroup(true) == 1;
    }
    DiscardOutputGroup();
    return placed;
}

}  // namespace

int ConvertTables(const char* outputFolder, const RunOptions& options) {
    // Full paths, as a single run writes them into its report.
    char folder[kPathSize];
    char reportPath[kPathSize];
    if (!FullPath(outputFolder, folder, kPathSize - 1))
        return SayRefusal(kOutputPathTooLongText, outputFolder);
    std::size_t length = std::strlen(folder);
    if (length > 0 && !IsPathSeparator(folder[length - 1])) folder[length++] = PathSeparator();
    folder[length] = '\0';
    if (DeriveReportPathOf(folder, reportPath) == 0) return SayRefusal(kReportPathTooLongText);
    PrepareRun(options);
    if (HoldOutputGroup(reportPath) == 0) return StoppedRunStatus();
    gathered = CreateGroupFile(gatheredReport);
    if (gathered == kNoFile) {
        DiscardOutputGroup();
        return SayRefusal(kBatchReportFailedText);
    }

    Tally tally;
    bool reportWhole = true;
    bool interrupted = false;
    bool interruptTold = false;
    for (std::uint32_t i = 0; i < tableList.count && !interrupted; ++i) {
        std::uint32_t index = tableList.order[i];
        std::uint64_t reportsLength = 0;
        reportWhole = FileSize(gathered, &reportsLength) && reportWhole;
        PrepareRun(options);
        bool converted = ChooseTable(index, folder) && ConversionRun() == 1;
        // An interrupt stops the run after the table under way, which is left
        // as it was unless it was done; the tables before it stand.
        interrupted = InterruptRequested();
        interruptTold = appState.stoppedByInterrupt == 1;
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
    if (interrupted && !interruptTold) SayRefusal(kInterruptedText);
    reportWhole = CloseGroupFile(&gathered) && reportWhole;
    if (!PlaceTables(tally, reportWhole, reportPath)) {
        tally.refused += tally.converted;  // none of them stands
        tally.converted = 0;
    }
    SaySummary(tally);
    if (interrupted) return kExitInterrupted;
    if (tally.refused > 0) return kExitRefused;
    return tally.skipped > 0 ? kExitSkipped : kExitConverted;
}
