// main_window.h -- the main window: its procedure and the commands of its menu bar.
#pragma once

#include <windows.h>

#include <cstdint>

// Stores the window in `appState.mainWindow`, then dispatches: WM_PAINT
// paints the step list, WM_COMMAND runs a command of the menu bar,
// WM_DPICHANGED moves the window to the suggested place and repaints it,
// WM_GETMINMAXINFO keeps it large enough for its content, WM_DESTROY asks the
// loop to quit; everything else goes to DefWindowProcA.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the menu command `command`. Returns false for an identifier outside the
// menu bar, which then goes to the default procedure.
bool RunMenuCommand(std::uint16_t command);

// Command 5003: asks whether text is converted from OEM to ANSI.
void AskOemToAnsi();

// Command 5005: the information box.
void ShowInfo();

// Command 5009: the contents of "Kelvor.hlp" in the system's help viewer
// where that file is found; otherwise LIESMICH.txt beside the program in the
// system's viewer for text; without that too, the help viewer as before.
void ShowHelp();
