// structure_report.h -- the lines of "Report.txt": when the conversion ran,
// both paths, the option, one line per field, and the remarks.
//
// Each writes its lines to `appState.reportFile`; write failures are left to
// the file's failure mark, which the run looks at when it closes the report.
#pragma once

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

// The end of the remarks of a run that stops: "Die Tabelle wurde nicht
// konvertiert:", the message that says why, on one line, and an empty line.
void WriteRefusalRemark(const char* message);
