// shell_records.h -- the Win32 records of the window program.
//
// They belong with AppState, but only the Win32 API reads them, and the
// portable code is built without windows.h: so they live here, beside it.
#pragma once

#include <windows.h>
#include <commdlg.h>

struct ShellRecords {
    WNDCLASSA windowClass;     // the class registration record
    MSG loopMessage;           // filled by the message loop; its wParam is the exit code
    OPENFILENAMEA fileDialog;  // cleared and filled anew before every file dialog
    PAINTSTRUCT paintInfo;     // between BeginPaint and EndPaint
    HDC paintContext;          // the context BeginPaint gives
};

extern ShellRecords shell;
