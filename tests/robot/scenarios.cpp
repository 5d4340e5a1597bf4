// scenarios.cpp -- the roads a user takes through kelvor.exe, in the steps of
// robot.h. What the robot sees on each is compared with the road's golden
// log, tests/golden/roads/ROAD.log, by tests/gui_test.py.
#include "robot.h"

const std::vector<Road> kRoads = {
    // Input, output typed without its extension, the option Yes, the start;
    // with PICTURES a picture of every step, and of the main window before
    // and after the choices.
    {L"road",
     L"start|see >>>>/--x|screen 1-start|picture main-window-start|"
     L"alt E|type kunden.dbf|screen 2-input-dialog|ok|see  >>>/x-x|screen 3-input-chosen|"
     L"alt A|type neu|screen 4-output-dialog|ok|see   >>/xxx|screen 5-output-chosen|"
     L"alt O|box|screen 6-option-question|press Yes|see    >/xxx|screen 7-option-answered|"
     L"picture main-window|alt S|box|screen 8-closing-box|press OK|exit"},
    // Every message on the way to a conversion of a table without its memo
    // file, the output first chosen over the input, the option No.
    {L"messages",
     L"start|alt S|box OK|see >>>>/--x|"
     L"alt E|type kunden.dbf|ok|alt S|box OK|see  >>>/x-x|"
     L"alt A|type kunden.dbf|ok|box Yes|alt S|box OK|see   >>/xxx|"
     L"alt E|type ohne.dbf|ok|alt A|type neu.dbf|ok|alt O|box No|see    >/xxx|"
     L"alt S|box No|see    >/xxx|alt S|box Yes|box OK|exit"},
    // A cancelled input dialog after a choice: a start then finds no input.
    {L"cancel",
     L"start|alt E|type kunden.dbf|ok|see  >>>/x-x|"
     L"alt E|cancel|see >>>>/--x|alt S|box OK|see >>>>/--x|alt N|box OK|exit"},
    // A second copy while one runs; the third after Ignore finds either window.
    {L"guard-abort", L"start|see >>>>/--x|start|box Abort|box OK|exit|use 1|alt N|box OK|exit"},
    {L"guard-retry",
     L"start|see >>>>/--x|start|box Retry|box|"
     L"use 1|alt N|box OK|exit|use 2|press Retry|see >>>>/--x|alt N|box OK|exit"},
    {L"guard-ignore",
     L"start|see >>>>/--x|start|box Ignore|see >>>>/--x|start|box Abort|box OK|exit|"
     L"use 2|alt N|box OK|exit|use 1|alt N|box OK|exit"},
    // Dragged smaller than its content, the window keeps the step list and a
    // menu bar of one line whole.
    {L"close-box", L"start|see >>>>/--x|shrink|picture main-window-smallest|close|box OK|exit"},
    {L"info", L"start|see >>>>/--x|alt I|box OK|alt N|box OK|exit"},
    // The converter in a console window: what it writes, names with umlauts
    // among it, is what the screen shows.
    {L"console", L"console --oem-to-ansi Größe.dbf Übersicht.dbf|console Größe.dbf größe.DBF"},
    // Hilfe opens the guide beside the program; without it (gui_test.py
    // starts a copy of kelvor.exe without one) the help viewer is asked.
    {L"help", L"start|see >>>>/--x|alt H|viewer LIESMICH|alt N|box OK|exit"},
    {L"help-without-guide", L"start|see >>>>/--x|alt H|other-box|alt N|box OK|exit"},
};
