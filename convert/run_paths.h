// run_paths.h -- the paths a run derives from its two tables: the memo file
// of each and the report.
//
// Portable: the window program and the command-line converter derive the
// same names, through ConversionRun.
#pragma once

#include <cstdint>

// The report's file name, in the output table's directory.
inline constexpr char kReportFileName[] = "Report.txt";

// Writes into `memoPath` (256 bytes) the memo file of `tablePath`: the path up
// to and including the '.' of the file name's extension and the two
// characters after it, followed by "t" (C:\Daten\kunden.dbf gives
// C:\Daten\kunden.dbt). A name without an extension or with one of a single
// character gets ".dbt" in place of it. Where names are case sensitive, the
// appended letters are upper case after an upper-case letter (KUNDEN.DBF gives
// KUNDEN.DBT). Returns 1; 0 with an empty `memoPath` when it does not fit.
std::uint8_t DeriveMemoPath(const char* tablePath, char* memoPath);

// Writes into `reportPath` (256 bytes) the report beside `tablePath`: its
// directory with its separator and "Report.txt"; "Report.txt" alone for a
// path without a directory. Returns 1; 0 with an empty `reportPath` when it
// does not fit.
std::uint8_t DeriveReportPathOf(const char* tablePath, char* reportPath);

// Derives `inputMemoPath`, `outputMemoPath` and `reportPath` from `inputPath`
// and `outputPath`. Returns 1, or 0 after a message naming the first path
// that does not fit.
std::uint8_t DeriveRunPaths();
