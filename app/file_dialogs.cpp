// file_dialogs.cpp -- ChooseInputFile, ChooseOutputFile and their dialog record.
#include "app/file_dialogs.h"

#include "app/file_choices.h"
#include "app/shell_records.h"
#include "app/shell_texts.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

void PrepareFileDialog() {
    OPENFILENAMEA& dialog = shell.fileDialog;
    FillBytes(&dialog, sizeof dialog, 0);
    // The size of the older record for this build's architecture: 136 bytes
    // on x86_64 (76 on 32-bit Windows); a wrong size fails the dialog at once.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = static_cast<HWND>(appState.mainWindow);
    dialog.hInstance = static_cast<HINSTANCE>(appState.instance);
    dialog.lpstrFilter = kTableFilter;
    dialog.nMaxFile = kPathSize;
    dialog.lpstrInitialDir = nullptr;
    dialog.lpstrDefExt = kDefaultExtension;
}

// The buffer is handed over with its content: a dialog opens with the last
// choice as its file name.
void ChooseInputFile() {
    PrepareFileDialog();
    shell.fileDialog.lpstrFile = appState.inputPath;
    shell.fileDialog.lpstrTitle = kInputDialogTitle;
    shell.fileDialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    AcceptInputChoice(GetOpenFileNameA(&shell.fileDialog) != 0);
}

void ChooseOutputFile() {
    PrepareFileDialog();
    shell.fileDialog.lpstrFile = appState.outputPath;
    shell.fileDialog.lpstrTitle = kOutputDialogTitle;
    shell.fileDialog.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    AcceptOutputChoice(GetSaveFileNameA(&shell.fileDialog) != 0);
}
