// window_dpi.h -- the resolution the main window is shown at, and what
// follows from it for the step list and the window's size.
#pragma once

#include <windows.h>

// The resolution the step list and the window were laid out for.
const UINT kDesignDpi = 96;

// The window's dots per inch: GetDpiForWindow where the system has it
// (Windows 10 on), else LOGPIXELSY of the window's device context.
UINT WindowDpi(HWND window);

// A distance of the layout at `dpi`.
int ScaleToDpi(int distance, UINT dpi);

// Away from 96 dpi, makes the new window at least as large as the layout at
// its resolution needs, within the monitor's work area. At 96 dpi it keeps
// the size and place the system chose.
void SizeWindowForDpi(HWND window);

// The smallest size the window may be dragged to at its resolution: the whole
// step list and the menu bar on one line, within the monitor's work area.
void KeepContentWhole(HWND window, MINMAXINFO* limits);
