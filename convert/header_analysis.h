// header_analysis.h -- reading, checking and rewriting the input table's header.
#pragma once

#include <cstdint>

// Opens the input table, reads and checks its header, writes the opening and
// the field lines of the structure report, sorts the fields into classes,
// rewrites the header in `appState.tableBuffer` for dBase III, builds the
// FieldSpanList and the MemoFieldList, and opens the input memo file or asks
// whether to go on without the memo texts.
//
// Returns 1 to go on: the input table is positioned at its first record, the
// report is open, `inputMemo` is open exactly when the MemoFieldList is not
// empty. Returns 0 to stop, after a message; the files it opened stay open
// for the run to close.
std::uint8_t AnalyseHeader();
