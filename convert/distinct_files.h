// distinct_files.h -- no two files of a run may be one file.
//
// Creating an output over an input would empty it while it is read, and two
// outputs of one name would overwrite each other. Files that exist are told
// apart by their identity in the file system, whatever their path texts say;
// files still to be made by their full path texts.
#pragma once

#include <cstdint>

// The input and the output table by their path texts, compared as the file
// system compares names: without regard to case on Win32, byte for byte on
// POSIX, where KUNDEN.DBF and kunden.dbf are two files (the file identity
// decides in CheckRunFiles). Shows "Eingabe- und Ausgabedatei dürfen nicht
// gleich sein" and returns 0 then; 1 otherwise.
std::uint8_t CheckDistinctTables();

// Every pair of the files the run will use: the input table, the output table
// and the report always; the input and the output memo file when the input
// memo file is open. Returns 0 with a message naming both files when two are
// one (the tables' own message for the two tables), or naming an output whose
// place holds something other than a regular file (a directory, a device),
// which could not be replaced. Runs under the output directory's lock: on
// Win32, telling files apart opens them, and an open file cannot be replaced
// by another run meanwhile.
std::uint8_t CheckRunFiles(bool memoFiles);
