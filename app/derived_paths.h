// derived_paths.h -- the memo file and the report that belong to a chosen table.
//
// Portable: the window program and the command-line converter derive the
// same names.
#pragma once

#include <cstdint>

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

// The same from `outputPath` into `reportPath`.
std::uint8_t DeriveReportPath();
