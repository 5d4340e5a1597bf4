// structure_report.h -- "Report.txt": when the conversion ran, both paths,
// the option, one line per field, and the remarks.
//
// The report is begun in the run folder (or is the report sink of a run of
// many tables), written line by line to `appState.reportFile`, and closed
// here. Write failures are left to the file's failure mark, which closing
// the report looks at.
#pragma once

#include <cstdint>

// Creates the report in the run folder (`reportTemp`) into `reportFile`, or
// takes the report sink when there is one. Returns 1, or 0 after a message.
std::uint8_t BeginReport();

// True while the report is open in the run folder (not a report sink).
bool ReportInRunFolder();

// Puts the report on the disk and closes it, if it is open; a report sink is
// only let go. A report that lost a line is removed. Returns false then.
bool CloseReport();

// Ends the remarks of a run carried out and closes the report. Returns 1, or
// 0 after a message when the report lost a line.
std::uint8_t FinishReport();

// Empty line, title with date and time, empty line, both paths, the option
// line, empty line, "--- Satzaufbau ---", empty line.
void WriteReportOpening();

// The line of one field, from its descriptor as read: name, type byte,
// length, decimals, and the remark when its type is not valid.
void WriteFieldLine(const unsigned char* descriptor, bool invalidType);

// Empty line, " --- Anmerkungen ---", empty line.
void WriteReportClosing();

// The remark that the memo fields are kept as C fields, and an empty line.
void WriteMemoIgnoredRemark();

// The remark on a memo text that was skipped: `line`, already indented.
void WriteSkippedMemoRemark(const char* line);

// The end of the remarks of a run that stops: "Die Tabelle wurde nicht
// konvertiert:", the message that says why, on one line, and an empty line;
// nothing before the report is begun.
void WriteRefusalRemark(const char* message);
