// resource_ids.h -- the numbers of the window program's resources and menu
// commands, and the names it shares with the system. Read by the resource
// compiler and by the C++ code.
#pragma once

#define IDI_KELVOR 101    // the icon: 32 × 32 with 16 colours; 16, 32, 48 and 256 smooth
#define IDM_MENU_BAR 102  // the menu bar: seven plain items, no pop-ups

#define CMD_CHOOSE_INPUT 5001   // "Eingabedatei wählen  "
#define CMD_CHOOSE_OUTPUT 5002  // "Ausgabedatei bestimmen  "
#define CMD_OPTIONS 5003        // "Optionen  "
#define CMD_START 5004          // "Ausführung starten  "
#define CMD_INFO 5005           // "  Info  "
#define CMD_END 5007            // "  Ende  "
#define CMD_HELP 5009           // "       Hilfe"

// The main window's title, also the program's description in its version
// information.
#define KELVOR_WINDOW_TITLE "Konvertieren dBase -IV und -V zu dBase III"
// The window class, which is also the key of the single-instance guard.
#define KELVOR_CLASS_NAME "Kelvor"
// Handed without a directory to the system's help viewer.
#define KELVOR_HELP_FILE "Kelvor.hlp"
// The user guide beside the program, opened when no help file is found.
#define KELVOR_GUIDE_FILE "LIESMICH.txt"
