// distinct_files.cpp -- the checks that keep every file of a run apart.
#include "convert/distinct_files.h"

#include "convert/messages.h"
#include "convert/refusal.h"
#include "support/app_state.h"

namespace {

// Whether two paths name one file: the same existing file, or, while neither
// exists yet, the same full path text. An existing file and a missing one
// are never one.
bool SamePlace(const char* pathA, const char* pathB) {
    if (SameFile(pathA, pathB)) return true;
    return !FileExists(pathA) && !FileExists(pathB) && SamePathText(pathA, pathB);
}

struct RunFile {
    const char* path;
    const char* name;  // as the message calls it
};

}  // namespace

std::uint8_t CheckDistinctTables() {
    if (SameTextIgnoringCase(appState.inputPath, appState.outputPath) ||
        SameFile(appState.inputPath, appState.outputPath)) {
        return Refuse(kSameTablesText);
    }
    return 1;
}

std::uint8_t CheckDistinctFiles(bool memoFiles) {
    RunFile files[5] = {
        {appState.inputPath, kInputTableName},
        {appState.outputPath, kOutputTableName},
        {appState.reportPath, kReportName},
    };
    int count = 3;
    if (memoFiles) {
        files[count++] = {appState.inputMemoPath, kInputMemoName};
        files[count++] = {appState.outputMemoPath, kOutputMemoName};
    }
    for (int a = 0; a < count; ++a) {
        for (int b = a + 1; b < count; ++b) {
            if (a == 0 && b == 1) continue;  // the two tables: CheckDistinctTables
            if (SamePlace(files[a].path, files[b].path)) return RefuseSameFiles(files[a].name, files[b].name);
        }
    }
    return 1;
}

std::uint8_t CheckOutputPlaces(bool memoFiles) {
    if (PathIsNoFile(appState.outputPath)) return RefuseNoFile(kOutputTableName);
    if (PathIsNoFile(appState.reportPath)) return RefuseNoFile(kReportName);
    if (memoFiles && PathIsNoFile(appState.outputMemoPath)) return RefuseNoFile(kOutputMemoName);
    return 1;
}
