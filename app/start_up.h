// start_up.h -- the program's entry: guard, window class, main window, loop.
#pragma once

#include <cstdint>

// Looks for a window of the class "Kelvor", of any process. While there is
// one, asks whether to abort, look again or start anyway. Returns 1 to start,
// 0 after Abort.
std::uint8_t GuardSingleInstance();

// Registers the window class, loads the menu bar, creates, shows and paints
// the main window. Returns 1, or 0 after a message saying what failed.
std::uint8_t CreateMainWindow();

// Fetches, translates and dispatches messages until the quit message.
void RunMessageLoop();

// "--- Konvertierung wurde beendet ---", shown on every way out.
void ShowClosingBox();
