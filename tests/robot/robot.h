// robot.h -- drives the real kelvor.exe from outside, as a user would: menu
// commands, the system's file dialogs, message boxes, the close box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A failed expectation: the scenario stops, the programs it started end.
[[noreturn]] void Fail(const std::wstring& what);
void Log(const std::wstring& line);

// One started copy of kelvor.exe.
struct Program {
    PROCESS_INFORMATION process = {};
    HWND mainWindow = nullptr;
};

// Starts kelvor.exe in the scenario's folder, its standard handles on NUL.
Program& Start();
// Waits for the program's main window (class "Kelvor") and keeps it.
void WaitMainWindow(Program& program);
// Waits for the program to end and expects the exit code 0.
void ExpectExit0(Program& program);
// True while the program runs.
bool Running(const Program& program);
// Every top-level window of the class "Kelvor" that the program owns.
int MainWindowCount(const Program& program);

// Gives a menu command as a keyboard user does: Alt and the item's
// underlined letter, sent to the main window.
void Command(const Program& program, int identifier);

struct Box {
    HWND window;
    std::wstring text;
    std::wstring caption;
    std::vector<int> buttons;  // identifiers, in the order of the box
    bool icon;                 // the box shows an icon
};

// Waits for a message box of the program and reads it.
Box WaitBox(const Program& program);
// The same for a box of any process (process 0) or of a given one.
Box WaitBoxOf(DWORD process);
// Waits for a box and expects its text, caption and buttons.
Box ExpectBox(const Program& program, const std::wstring& text, const std::wstring& caption,
              const std::vector<int>& buttons);
// Waits for a visible top-level window of any process whose title holds `part`.
HWND WaitWindowTitled(const std::wstring& part);
// Presses a button of a box or dialog and waits until the window is gone.
void Press(HWND window, int identifier);

// Waits for the program's file dialog with this title; types a path into
// the file name field of a dialog.
HWND WaitDialog(const Program& program, const std::wstring& title);
void TypeFileName(HWND dialog, const std::wstring& path);
void PressWithoutWaiting(HWND window, int identifier);
// After OK in a dialog: true when it closed, false when it showed a box.
bool WaitDialogClosedOrBox(const Program& program, HWND dialog, Box* box);

// The pixels of a rectangle of the main window's client area, as shown.
std::vector<unsigned> CaptureClient(const Program& program, RECT area);
// Waits until the rectangle shows `pixels` (equal true) or anything else.
void WaitClient(const Program& program, RECT area, const std::vector<unsigned>& pixels, bool equal,
                const std::wstring& what);
// Writes the main window, frame and caption included, as a BMP.
void SaveWindowPicture(const Program& program, const std::wstring& path);
// Writes the whole screen as a BMP.
void SaveScreenPicture(const std::wstring& path);

// Waits up to the step timeout for `condition`.
template <typename Condition>
bool WaitFor(Condition condition) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 15000;) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

extern std::wstring kelvorPath;  // kelvor.exe
extern std::wstring folder;      // the scenario's folder, with its files
