// structure_report.cpp -- the structure report's lines, built in AppState's
// fixed text areas and written up to their first zero byte.
#include "convert/structure_report.h"

#include <cstring>

#include "convert/messages.h"
#include "convert/output_group.h"
#include "convert/refusal.h"
#include "convert/table_layout.h"
#include "support/app_state.h"
#include "support/decimal.h"
#include "support/text_buffer.h"
#include "support/time_stamp.h"

namespace {

// Columns of the title line and of a field line.
const std::uint32_t kDateColumn = 56;  // the date, 10 characters and the NUL, which becomes a blank
const std::uint32_t kDateLength = 10;
const std::uint32_t kTimeColumn = 70;  // the time, 8 characters; the line ends behind it
const std::uint32_t kFieldLineWidth = 60;
const std::uint32_t kTypeColumn = 11;
const std::uint32_t kLengthLastColumn = 16;    // length right-aligned in columns 14 to 16
const std::uint32_t kDecimalsLastColumn = 19;  // decimals right-aligned in columns 18 and 19
const std::uint32_t kRemarkColumn = 20;

// A label, one of two of the same length, and a whole path.
void WritePathLine(const char* label, const char* path) {
    const std::uint32_t labelLength = sizeof kInputLabel - 1;
    static_assert(sizeof kInputLabel == sizeof kOutputLabel, "the paths stand in one column");
    CopyText(appState.report.pathLine, label, labelLength, 0);
    std::strcpy(appState.report.pathLine + labelLength, path);
    WriteLine(appState.reportFile, appState.report.pathLine);
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

bool ReportInRunFolder() {
    return appState.reportFile != kNoFile && appState.reportFile != appState.reportSink;
}

bool CloseReport() {
    if (appState.reportFile == appState.reportSink) {
        appState.reportFile = kNoFile;  // its owner closes it and learns of failed writes then
        return true;
    }
    if (CloseGroupFile(&appState.reportFile)) return true;
    RemoveGroupFile(appState.reportTemp);
    return false;
}

std::uint8_t FinishReport() {
    if (appState.memoTextsSkipped > 0) WriteLine(appState.reportFile, nullptr);  // ends the remarks
    return CloseReport() ? 1 : Refuse(kReportWriteFailedText);
}

void WriteReportOpening() {
    char* title = appState.report.titleLine;
    FillBytes(title, kTimeColumn, ' ');
    CopyText(title, kReportHeading, 0, 0);
    FormatTimeStamp(title + kDateColumn, title + kTimeColumn);
    title[kDateColumn + kDateLength] = ' ';  // the line ends behind the time
    char* option = appState.report.optionLine;
    CopyText(option, kOptionLabel, 0, 0);
    CopyText(option + sizeof kOptionLabel - 1, appState.oemToAnsi == 1 ? kOptionOn : kOptionOff, 0, 1);
    WriteLine(appState.reportFile, nullptr);
    WriteLine(appState.reportFile, title);
    WriteLine(appState.reportFile, nullptr);
    WritePathLine(kInputLabel, appState.inputPath);
    WritePathLine(kOutputLabel, appState.outputPath);
    WriteLine(appState.reportFile, option);
    WriteLine(appState.reportFile, nullptr);
    WriteLine(appState.reportFile, kFieldsHeading);
    WriteLine(appState.reportFile, nullptr);
}

void WriteFieldLine(const unsigned char* descriptor, bool invalidType) {
    char* line = appState.report.fieldLine;
    FillBytes(line, kFieldLineWidth, ' ')[0] = '\0';
    std::uint32_t nameLength = NameLength(descriptor);
    if (nameLength > 0) CopyText(line, reinterpret_cast<const char*>(descriptor), nameLength, 0);
    // The type byte as it stands; a control byte (a zero would end the line) shows as a blank.
    unsigned char type = descriptor[kTypeOffset];
    line[kTypeColumn] = static_cast<char>(type < 0x20 ? ' ' : type);
    FormatDecimal(descriptor[kFieldLengthOffset], line + kLengthLastColumn, 3, 1);
    FormatDecimal(descriptor[kDecimalsOffset], line + kDecimalsLastColumn, 2, 1);
    if (invalidType) CopyText(line + kRemarkColumn, kInvalidTypeRemark, 0, 1);
    WriteLine(appState.reportFile, line);
}

void WriteReportClosing() {
    WriteLine(appState.reportFile, nullptr);
    WriteLine(appState.reportFile, kRemarksHeading);
    WriteLine(appState.reportFile, nullptr);
}

void WriteMemoIgnoredRemark() {
    WriteLine(appState.reportFile, kMemoIgnoredRemark);
    WriteLine(appState.reportFile, nullptr);
}

void WriteSkippedMemoRemark(const char* line) { WriteLine(appState.reportFile, line); }

void WriteRefusalRemark(const char* message) {
    if (appState.reportFile == kNoFile) return;  // the run stopped before its report was begun
    char* line = appState.report.remarkLine;
    std::uint32_t length = sizeof kRemarkIndent - 1;
    CopyText(line, kRemarkIndent, length, 0);
    CopyText(line + length, kNotConvertedRemark, 0, 1);
    WriteLine(appState.reportFile, line);
    for (const char* c = message; *c != '\0' && length + 1 < sizeof appState.report.remarkLine; ++c) {
        if (*c == '\r' && c[1] == '\n') continue;  // a line break is one blank
        line[length++] = *c == '\n' ? ' ' : *c;
    }
    line[length] = '\0';
    WriteLine(appState.reportFile, line);
    WriteLine(appState.reportFile, nullptr);
}
