// refusal.h -- the one way the conversion tells the user why it stops.
//
// Each shows a message box (owner the main window, no caption, MB_OK with
// MB_ICONHAND) and returns 0, the flag that stops the run, so that a check
// can end with `return Refuse(...)`. While the report is being written, the
// message also ends its remarks, so that a report the stopped run leaves says
// why the table was not converted.
#pragma once

#include <cstdint>

std::uint8_t Refuse(const char* text);

// "Die Konvertierung wurde abgebrochen ...": an interrupt stopped the run.
std::uint8_t RefuseInterrupted();

// `start`, `name` and `end`, one after another, as one message.
std::uint8_t RefuseNamed(const char* start, const char* name, const char* end);

// "Die Eingabedatei ist keine gültige dBase-Tabelle:" and the reason; for a
// file whose first byte (in `appState.tableBuffer`) no program of the dBase
// family writes, "Die Eingabedatei ist keine dBase-Tabelle".
std::uint8_t RefuseInvalidTable(const char* reason);

// The same for a memo field whose length is not 10; `name` is its
// descriptor's name field (11 bytes, NUL-ended or full).
std::uint8_t RefuseMemoFieldLength(const unsigned char* name);

// Two files of the run that would be one file.
std::uint8_t RefuseSameFiles(const char* nameA, const char* nameB);

// "Die NAME ...": a file of the run, `name` as the messages call it, and what
// is wrong with it (kNoFileEndText, kInUseEndText).
std::uint8_t RefuseFile(const char* name, const char* endText);

// An input (`name` as the messages call it) that gives fewer bytes than it
// held when the run began, or is no longer as it was then.
std::uint8_t RefuseChanged(const char* name);

// A memo reference of the record `appState.recordNumber` that cannot be
// followed; `name` is the memo field's name.
std::uint8_t RefuseMemoReference(const char* name, const char* reason);

// The same reference when its text is left out and the run goes on: a line
// in the report's remarks, and a box without an icon (a console line).
void NoteSkippedMemo(const char* name, const char* reason);

// `start`, `name` and `end` as one message in a box without an icon (a
// console line): what the run does, not why it stops.
void NoteNamed(const char* start, const char* name, const char* end);

// A field of binary or OLE data (type B or G), which becomes a character
// field with its old block numbers: a box without an icon (a console line).
// `descriptor` is the field's descriptor as read.
void NoteBinaryField(const unsigned char* descriptor);
