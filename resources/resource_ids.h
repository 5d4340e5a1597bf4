// resource_ids.h -- the numbers of the window program's resources and menu
// commands, and the names it shares with the system. Read by the resource
// compiler and by the C++ code.
#pragma once

#define IDI_KELVOR 101    // the icon: 32 × 32 with 16 colours; 16, 32, 48 and 256 smooth
#define IDM_MENU_BAR 102  // the menu bar: seven plain items, no pop-ups

// The commands of the menu bar's items, whose texts stand in kelvor.rc.in.
#define CMD_CHOOSE_INPUT 5001
#define CMD_CHOOSE_OUTPUT 5002
#define CMD_OPTIONS 5003
#define CMD_START 5004
#define CMD_INFO 5005
#define CMD_END 5007
#define CMD_HELP 5009

// The main window's title, also the program's description in its version
// information.
#define KELVOR_WINDOW_TITLE "Konvertieren dBase -IV und -V zu dBase III"
// The window class, which is also the key of the single-instance guard.
#define KELVOR_CLASS_NAME "Kelvor"
// Handed without a directory to the system's help viewer.
#define KELVOR_HELP_FILE "Kelvor.hlp"
// The user guide beside the program, opened when no help file is found.
#define KELVOR_GUIDE_FILE "LIESMICH.txt"
