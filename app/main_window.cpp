// main_window.cpp -- MainWindowProc and the commands of the menu bar.
#include "app/main_window.h"

#include <shellapi.h>

#include "app/file_dialogs.h"
#include "app/oem_option.h"
#include "app/shell_texts.h"
#include "app/step_list.h"
#include "app/window_dpi.h"
#include "convert/conversion_run.h"
#include "resources/resource_ids.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    appState.mainWindow = window;
    switch (message) {
    case WM_PAINT:
        PaintStepList();
        return 0;
    case WM_COMMAND:
        // Only the identifier counts, not the notification code beside it.
        if (RunMenuCommand(LOWORD(wParam))) return 0;
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another resolution: take the place the
        // system suggests for it, and paint anew at the new resolution.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        RepaintWindow(window);
        return 0;
    }
    case WM_GETMINMAXINFO:
        KeepContentWhole(window, reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RunMenuCommand(std::uint16_t command) {
    switch (command) {
    case CMD_CHOOSE_INPUT:
        ChooseInputFile();
        return true;
    case CMD_CHOOSE_OUTPUT:
        ChooseOutputFile();
        return true;
    case CMD_OPTIONS:
        AskOemToAnsi();
        return true;
    case CMD_START:
        // The program ends after one successful conversion.
        if (ConversionRun() != 0) PostQuitMessage(0);
        return true;
    case CMD_INFO:
        ShowInfo();
        return true;
    case CMD_END:
        PostQuitMessage(0);
        return true;
    case CMD_HELP:
        ShowHelp();
        return true;
    }
    return false;
}

void AskOemToAnsi() {
    int answer = ShowMessageBox(appState.mainWindow, kOemQuestion, kWindowTitle, kBoxYesNo);
    SetOemToAnsi(answer == kAnswerYes);
    appState.steps.marker3 = ' ';  // answered, whatever the answer
    RepaintWindow(appState.mainWindow);
}

void ShowInfo() { ShowMessageBox(appState.mainWindow, kInfoText, kInfoCaption, kBoxOk); }

namespace {

// Opens the guide beside the program in the system's viewer for text.
// Returns false when it is not there or cannot be opened.
bool OpenGuide(HWND window) {
    char path[MAX_PATH + sizeof KELVOR_GUIDE_FILE];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    while (length > 0 && path[length - 1] != '\\') --length;
    CopyText(path + length, KELVOR_GUIDE_FILE, 0, 1);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return false;
    // A result above 32 means the viewer was started.
    return reinterpret_cast<INT_PTR>(ShellExecuteA(window, "open", path, nullptr, nullptr, SW_SHOWNORMAL)) >
           32;
}

}  // namespace

// Windows 10 and 11 have no viewer for help files any more: without one
// found, the guide beside the program is the help.
void ShowHelp() {
    HWND window = static_cast<HWND>(appState.mainWindow);
    char found[MAX_PATH];
    if (SearchPathA(nullptr, KELVOR_HELP_FILE, nullptr, MAX_PATH, found, nullptr) == 0 && OpenGuide(window))
        return;
    WinHelpA(window, KELVOR_HELP_FILE, HELP_CONTENTS, 0);
}
