// run_paths.cpp -- DeriveMemoPath, DeriveReportPathOf and DeriveRunPaths.
#include "convert/run_paths.h"

#include <cstring>

#include "convert/messages.h"
#include "convert/refusal.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

bool UpperCaseLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::uint8_t DeriveMemoPath(const char* tablePath, char* memoPath) {
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(tablePath));
    std::uint32_t nameStart = FileNameStart(tablePath);
    std::uint32_t dot = length;  // none
    for (std::uint32_t i = nameStart; i < length; ++i) {
        if (tablePath[i] == '.') dot = i;
    }
    // Keep "name.ex" and append "t"; without a two-character extension keep
    // "name" and append ".dbt".
    bool extension = dot < length && length - dot - 1 >= 2;
    std::uint32_t kept = extension ? dot + 3 : dot;
    const char* suffix = extension ? "t" : ".dbt";
    std::uint32_t suffixLength = extension ? 1 : 4;
    if (kept + suffixLength >= kPathSize) {
        memoPath[0] = '\0';
        return 0;
    }
    CopyText(memoPath, tablePath, kept, 0);
    CopyText(memoPath + kept, suffix, suffixLength, 1);
    if (FileNamesCaseSensitive() && kept > 0 && UpperCaseLetter(tablePath[kept - 1])) {
        for (std::uint32_t i = kept; i < kept + suffixLength; ++i) memoPath[i] = UpperCaseOf(memoPath[i]);
    }
    return 1;
}

std::uint8_t DeriveReportPathOf(const char* tablePath, char* reportPath) {
    std::uint32_t directory = FileNameStart(tablePath);
    if (directory + sizeof kReportFileName > kPathSize) {
        reportPath[0] = '\0';
        return 0;
    }
    CopyText(reportPath, tablePath, directory, 0);
    CopyText(reportPath + directory, kReportFileName, 0, 1);
    return 1;
}

std::uint8_t DeriveRunPaths() {
    if (DeriveReportPathOf(appState.outputPath, appState.reportPath) == 0)
        return Refuse(kReportPathTooLongText);
    if (DeriveMemoPath(appState.inputPath, appState.inputMemoPath) == 0)
        return Refuse(kInputMemoPathTooLongText);
    if (DeriveMemoPath(appState.outputPath, appState.outputMemoPath) == 0) {
        return Refuse(kOutputMemoPathTooLongText);
    }
    return 1;
}
