// win_main.cpp -- kelvor.exe: the entry of the window program.
#include <windows.h>
#include <commctrl.h>

#include "app/shell_records.h"
#include "app/start_up.h"
#include "support/app_state.h"

// Reads neither its command line nor the show state it is given.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    appState.instance = GetModuleHandleA(nullptr);
    if (GuardSingleInstance() == 1 && CreateMainWindow() == 1) RunMessageLoop();
    ShowClosingBox();
    // 0 on every way out: each quit request carries 0, and without a loop the
    // message record is still all zero.
    ExitProcess(static_cast<UINT>(shell.loopMessage.wParam));
}
