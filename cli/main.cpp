// main.cpp -- kelvor-convert, the command-line converter.
//
// A thin front end: it fills AppState as the window program's dialogs and
// option command do and lets ConversionRun do the work. Each message box
// becomes a line on stderr; the question about a missing memo file is
// answered Yes with --ignore-memos and No (its default button) otherwise.
#include <cstring>

#include "app/derived_paths.h"
#include "app/oem_option.h"
#include "convert/conversion_run.h"
#include "kelvor_version.h"
#include "support/app_state.h"

namespace {

const int kExitConverted = 0;
const int kExitRefused = 1;
const int kExitUsage = 2;

const char kUsage[] =
    "Aufruf: kelvor-convert [--oem-to-ansi] [--ignore-memos] EINGABE AUSGABE\n"
    "\n"
    "Konvertiert die dBase-IV- oder -V-Tabelle EINGABE mit ihrer Memodatei in die\n"
    "dBase-III-Tabelle AUSGABE mit ihrer Memodatei und schreibt den Bericht\n"
    "Report.txt in das Verzeichnis von AUSGABE.\n"
    "\n"
    "  --oem-to-ansi   Text von der OEM- in die ANSI-Codepage umsetzen\n"
    "  --ignore-memos  fehlt die Memodatei, ohne die Memotexte konvertieren\n"
    "                  (sonst wird abgebrochen)\n"
    "  --help          diese Hilfe\n"
    "  --version       die Versionsnummer\n"
    "\n"
    "Ergebnis: 0 konvertiert, 1 abgelehnt, 2 falscher Aufruf.\n";

int UsageError(const char* problem) {
    WriteConsoleText(kConsoleError, "kelvor-convert: ");
    WriteConsoleText(kConsoleError, problem);
    WriteConsoleText(kConsoleError, "\n\n");
    WriteConsoleText(kConsoleError, kUsage);
    return kExitUsage;
}

int Refused(const char* problem, const char* path) {
    WriteConsoleText(kConsoleError, problem);
    WriteConsolePath(kConsoleError, path);
    WriteConsoleText(kConsoleError, "\n");
    return kExitRefused;
}

void PrintWritten(const char* label, const char* path) {
    WriteConsoleText(kConsoleOut, label);
    WriteConsolePath(kConsoleOut, path);
    WriteConsoleText(kConsoleOut, "\n");
}

}  // namespace

int main(int argc, char** argv) {
    bool oemToAnsi = false;
    bool ignoreMemos = false;
    const char* tables[2] = {nullptr, nullptr};
    int tableCount = 0;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!optionsEnded && std::strcmp(argument, "--help") == 0) {
            WriteConsoleText(kConsoleOut, kUsage);
            return kExitConverted;
        } else if (!optionsEnded && std::strcmp(argument, "--version") == 0) {
            WriteConsoleText(kConsoleOut, "kelvor-convert " KELVOR_VERSION "\n");
            return kExitConverted;
        } else if (!optionsEnded && std::strcmp(argument, "--oem-to-ansi") == 0) {
            oemToAnsi = true;
        } else if (!optionsEnded && std::strcmp(argument, "--ignore-memos") == 0) {
            ignoreMemos = true;
        } else if (!optionsEnded && std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (!optionsEnded && argument[0] == '-' && argument[1] != '\0') {
            return UsageError("unbekannte Option");
        } else if (tableCount < 2) {
            tables[tableCount++] = argument;
        } else {
            return UsageError("zu viele Dateien");
        }
    }
    if (tableCount < 2) return UsageError("Eingabe- und Ausgabedatei fehlen");
    if (tables[0][0] == '\0' || tables[1][0] == '\0') return UsageError("leerer Dateiname");

    // What the dialogs give the window program: full paths and their derived names.
    if (!FullPath(tables[0], appState.inputPath, kPathSize)) {
        return Refused("Der Pfad der Eingabedatei ist zu lang: ", tables[0]);
    }
    if (!FullPath(tables[1], appState.outputPath, kPathSize)) {
        return Refused("Der Pfad der Ausgabedatei ist zu lang: ", tables[1]);
    }
    DeriveMemoPath(appState.inputPath, appState.inputMemoPath);
    ResolveNameCase(appState.inputMemoPath);
    DeriveMemoPath(appState.outputPath, appState.outputMemoPath);
    DeriveReportPath();
    SetOemToAnsi(oemToAnsi);
    SetConsoleAnswer(ignoreMemos ? kAnswerYes : kAnswerNo);

    if (ConversionRun() != 1) return kExitRefused;
    PrintWritten("Ausgabedatei: ", appState.outputPath);
    if (appState.memoFileWritten == 1) PrintWritten("Memodatei:    ", appState.outputMemoPath);
    PrintWritten("Bericht:      ", appState.reportPath);
    return kExitConverted;
}
