// file_dialogs.h -- the system's open and save dialogs for the two tables.
#pragma once

// Clears the dialog record and sets what both dialogs share: record size,
// owner, instance, filter, buffer size, no initial directory, default extension.
void PrepareFileDialog();

// Command 5001: the open dialog fills `inputPath`; see AcceptInputChoice.
void ChooseInputFile();

// Command 5002: the save dialog fills `outputPath`; see AcceptOutputChoice.
void ChooseOutputFile();
