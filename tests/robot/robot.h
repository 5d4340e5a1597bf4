// robot.h -- drives the real kelvor.exe from outside, as a user would: the
// menu bar through Alt and its letters, the system's file dialogs, message
// boxes, the close box. robot.exe ROAD KELVOR_EXE FOLDER [PICTURES] walks one
// road in FOLDER and writes what it sees to FOLDER\robot.log, one line per
// observation and nothing that changes from run to run, so that the log can
// be compared with the road's golden log. Exit code 0 when every step could
// be taken; a step that cannot (a window that does not come, a button the box
// lacks, a step list that does not show what the step waits for) ends the
// road with exit code 1 and a line "FAILED: ..." in the log.
#pragma once

#include <vector>

// A road is its name and its steps, separated by '|':
//   start           starts another copy of kelvor.exe; later steps act on it
//   console ARGS    runs kelvor-convert.exe (given in place of kelvor.exe)
//                   with ARGS in a console of its own, and notes the lines
//                   its screen shows and the exit code
//   use N           later steps act on copy N (counted from 1)
//   see M/D         waits until the copy runs with one main window whose step
//                   list shows the markers M ('>' drawn, ' ' blank; four) and
//                   the displays D ('x' drawn, '-' blank; three)
//   alt L           Alt and the letter L in the main window
//   close           the main window's close box
//   type NAME       waits for the copy's file dialog and types FOLDER\NAME
//   ok, cancel      presses that button of the dialog; waits until it closes
//                   or shows a box
//   box [BUTTON]    waits for a message box of the copy; presses BUTTON (OK,
//                   Cancel, Abort, Retry, Ignore, Yes, No) and waits until the
//                   box, and a dialog that asked it, have gone
//   press BUTTON    the same for the box seen last
//   other-box       waits for a box of another process; presses its last button
//   viewer PART     waits for a window of any process whose title holds PART;
//                   closes it
//   shrink          makes the main window as small as it lets itself be made
//                   and notes its client area then
//   exit            waits for the copy to end with exit code 0
//   screen NAME     with PICTURES: the screen there, as NAME.bmp
//   picture NAME    with PICTURES: the main window there, as NAME.bmp
struct Road {
    const wchar_t* name;
    const wchar_t* steps;
};

extern const std::vector<Road> kRoads;  // tests/robot/scenarios.cpp
