// main.cpp -- kelvor-convert, the command-line converter.
//
// A thin front end: it fills AppState as the window program's dialogs and
// option command do and lets ConversionRun do the work, for one table or for
// each of many. Each message box becomes a line on stderr; the question about
// a missing memo file is answered Yes with --ignore-memos and No (its default
// button) otherwise.
#include <cstring>

#include "cli/batch.h"
#include "cli/cli_texts.h"
#include "cli/console_lines.h"
#include "cli/converter_main.h"
#include "cli/run_options.h"
#include "cli/table_list.h"
#include "convert/conversion_run.h"
#include "convert/messages.h"
#include "convert/run_paths.h"
#include "kelvor_version.h"
#include "platform/interrupts.h"
#include "support/app_state.h"
#include "support/named_limit.h"

namespace {

static_assert(NamesNumber(kUsage, kExitConverted, " konvertiert,") &&
                  NamesNumber(kUsage, kExitRefused, " abgelehnt") &&
                  NamesNumber(kUsage, kExitUsage, " falscher") &&
                  NamesNumber(kUsage, kExitSkipped, " konvertiert, aber") &&
                  NamesNumber(kUsage, kExitInterrupted, " abgebrochen"),
              "the help names every exit status");

const int kMaxArguments = kMaxTables + 1;  // the tables of a run and its output

void SayWritten(const char* label, const char* path) {
    Say(kConsoleOut, label);
    SayPath(kConsoleOut, path);
    Say(kConsoleOut, "\n");
}

// The form INPUT OUTPUT: one table into a table of the given name.
int ConvertOneTable(const char* input, const char* output, const RunOptions& options) {
    PrepareRun(options);
    // What the dialogs give the window program: full paths and their derived names.
    if (!FullPath(input, appState.inputPath, kPathSize)) return SayRefusal(kInputPathTooLongText, input);
    if (!FullPath(output, appState.outputPath, kPathSize)) return SayRefusal(kOutputPathTooLongText, output);
    if (ConversionRun() != 1) return StoppedRunStatus();
    SayWritten(kWrittenTableLabel, appState.outputPath);
    if (appState.memoFileWritten == 1) SayWritten(kWrittenMemoLabel, appState.outputMemoPath);
    SayWritten(kWrittenReportLabel, appState.reportPath);
    return appState.memoTextsSkipped > 0 ? kExitSkipped : kExitConverted;
}

// The form INPUT... OUTDIR.
int ConvertIntoFolder(const char* const* inputs, int count, const char* folder, const RunOptions& options) {
    if (FileExists(folder) && !IsDirectory(folder)) return WrongCall(kOutputFolderIsAFileText, folder);
    if (!IsDirectory(folder)) {
        // Named as a single run names a missing folder: in full, without its last separator.
        char full[kPathSize];
        if (!FullPath(folder, full, kPathSize)) return SayRefusal(kOutputPathTooLongText, folder);
        std::size_t length = std::strlen(full);
        if (length > 1 && IsPathSeparator(full[length - 1])) full[length - 1] = '\0';
        return SayRefusal(kOutputFolderMissingText, full);
    }
    int status = kTablesListed;
    for (int i = 0; i < count && status == kTablesListed; ++i) status = AddTables(inputs[i]);
    if (status == kTablesListed) status = CheckOutputNames();
    return status == kTablesListed ? ConvertTables(folder, options) : status;
}

}  // namespace

int ConverterMain(int argc, char** argv) {
    RunOptions options;
    const char* files[kMaxArguments];
    int fileCount = 0;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        bool option = !optionsEnded && argument[0] == '-' && argument[1] != '\0';
        // "/?", as Windows programs take it, asks for the help too.
        bool help = !optionsEnded && (std::strcmp(argument, "/?") == 0 || std::strcmp(argument, "-h") == 0 ||
                                      std::strcmp(argument, "--help") == 0);
        if (help) {
            Say(kConsoleOut, kUsage);
            return kExitInformation;
        } else if (!option) {
            if (fileCount == kMaxArguments) return WrongCall(kTooManyTablesText);
            if (argument[0] == '\0') return WrongCall(kEmptyNameText);
            files[fileCount++] = argument;
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--version") == 0) {
            Say(kConsoleOut, kVersionLine);
            return kExitInformation;
        } else if (std::strcmp(argument, "--oem-to-ansi") == 0) {
            options.oemToAnsi = true;
        } else if (std::strcmp(argument, "--ignore-memos") == 0) {
            options.ignoreMemos = true;
        } else if (std::strcmp(argument, "--skip-damaged-memos") == 0) {
            options.skipDamagedMemos = true;
        } else if (std::strcmp(argument, "--codepage-mark") == 0) {
            options.codepageMark = true;
        } else if (std::strcmp(argument, "--numeric-f") == 0) {
            options.numericF = true;
        } else {
            return WrongCall(kUnknownOptionText, argument);
        }
    }
    if (fileCount < 2) return WrongCall(kFilesMissingText);
    if (int refused = RefuseCurrentFolder()) return refused;

    // From here on Ctrl+C stops a conversion between two records, and it
    // removes its temporary files before the program ends.
    WatchInterrupts();
    const char* last = files[fileCount - 1];
    bool manyTables = fileCount > 2 || IsDirectory(last) || IsDirectory(files[0]) || HasWildcards(files[0]);
    if (manyTables) return ConvertIntoFolder(files, fileCount - 1, last, options);
    return ConvertOneTable(files[0], last, options);
}
