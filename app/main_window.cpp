// main_window.cpp -- MainWindowProc and the commands of the menu bar.
#include "app/main_window.h"

#include "app/file_dialogs.h"
#include "app/oem_option.h"
#include "app/shell_texts.h"
#include "app/step_list.h"
#include "convert/conversion_run.h"
#include "resources/resource_ids.h"
#include "support/app_state.h"

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
    int answer = ShowMessageBox(nullptr, kOemQuestion, kWindowTitle, kBoxYesNo);
    SetOemToAnsi(answer == kAnswerYes);
    appState.steps.marker3 = ' ';  // answered, whatever the answer
    RepaintWindow(appState.mainWindow);
}

void ShowInfo() { ShowMessageBox(nullptr, kInfoText, kInfoCaption, kBoxOk); }

void ShowHelp() { WinHelpA(static_cast<HWND>(appState.mainWindow), KELVOR_HELP_FILE, HELP_CONTENTS, 0); }
