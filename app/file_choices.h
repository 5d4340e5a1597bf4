// file_choices.h -- what a chosen (or not chosen) table changes in AppState.
//
// Portable: the file dialogs of the window program end here, and so can the
// tests.
#pragma once

#include <cstdint>

// Shows `path` in an 80-character display, blank-filled, without a NUL. A
// longer path shows as "..." and its last 77 characters, so that its file
// name stays visible.
void ShowPathInDisplay(const char* path, char* display);

// After the open dialog: with a choice, `inputPath` is shown under step 1
// and the marker cleared; without one, `inputPath` is emptied, the display
// blanked and the marker set to ">". A repaint is asked for either way.
void AcceptInputChoice(bool chosen);

// The same for the save dialog, `outputPath` and step 2.
void AcceptOutputChoice(bool chosen);
