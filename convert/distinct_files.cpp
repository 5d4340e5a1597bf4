// distinct_files.cpp -- the checks that keep every file of a run apart.
#include "convert/distinct_files.h"

#include "convert/messages.h"
#include "convert/refusal.h"
#include "support/app_state.h"

namespace {

struct RunFile {
    const char* path;
    const char* name;  // as the message calls it
    bool output;       // moved into its place at the end of the run
    bool exists;
    FileIdentity identity;
};

// Whether two files are one: the same existing file, or, while neither exists
// yet, the same full path text. An existing file and a missing one are never
// one.
bool SamePlace(const RunFile& a, const RunFile& b) {
    if (a.exists != b.exists) return false;
    if (a.exists) return a.identity.volume == b.identity.volume && a.identity.index == b.identity.index;
    return SamePathText(a.path, b.path);
}

}  // namespace

std::uint8_t CheckDistinctTables() {
    if (SamePathText(appState.inputPath, appState.outputPath)) return Refuse(kSameTablesText);
    return 1;
}

std::uint8_t CheckRunFiles(bool memoFiles) {
    RunFile files[5] = {
        {appState.inputPath, kInputTableName, false, false, {}},
        {appState.outputPath, kOutputTableName, true, false, {}},
        {appState.reportPath, kReportName, true, false, {}},
    };
    int count = 3;
    if (memoFiles) {
        files[count++] = {appState.inputMemoPath, kInputMemoName, false, false, {}};
        files[count++] = {appState.outputMemoPath, kOutputMemoName, true, false, {}};
    }
    for (int a = 0; a < count; ++a) files[a].exists = IdentifyFile(files[a].path, &files[a].identity);
    for (int a = 0; a < count; ++a) {
        for (int b = a + 1; b < count; ++b) {
            if (!SamePlace(files[a], files[b])) continue;
            if (a == 0 && b == 1) return Refuse(kSameTablesText);
            return RefuseSameFiles(files[a].name, files[b].name);
        }
    }
    // An output is moved over what stands at its place: that must be a file.
    for (int a = 0; a < count; ++a) {
        if (files[a].output && files[a].exists && !files[a].identity.regular)
            return RefuseFile(files[a].name, kNoFileEndText);
    }
    return 1;
}
