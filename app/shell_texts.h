// shell_texts.h -- the texts the window program shows.
#pragma once

#include "kelvor_version.h"
#include "resources/resource_ids.h"

inline constexpr char kWindowTitle[] = KELVOR_WINDOW_TITLE;

// The step list of the main window.
inline constexpr char kStepHeading[] = "Folgende Schritte sind auszuführen:";
inline constexpr char kStep1Label[] = "1. Eingabedatei wählen";
inline constexpr char kStep2Label[] = "2. Ausgabedatei bestimmen";
inline constexpr char kStep3Label[] = "3. Optionen";
inline constexpr char kStep4Label[] = "4. Ausführung starten";

// The boxes.
inline constexpr char kAlreadyRunningText[] = "Eine Kopie dieses Programms läuft bereits";
inline constexpr char kClosingText[] = "--- Konvertierung wurde beendet ---";
inline constexpr char kInfoCaption[] = " Programm Info";
inline constexpr char kOemQuestion[] = "Soll eine OEMToANSI - Konvertierung erfolgen?";
inline constexpr char kInfoText[] =
    "Kelvor   " KELVOR_VERSION
    " \n"
    "Kelvor konvertiert eine dBase-IV- oder -V-Tabelle mit ihrer Memodatei in eine "
    "dBase-III-Tabelle mit Memodatei.\n"
    "\n"
    "Den Bericht Report.txt schreibt es in das Verzeichnis der Ausgabedatei.\n";
inline constexpr char kInputDialogTitle[] = "Öffne Eingabedatei";
inline constexpr char kOutputDialogTitle[] = "Bestimme Ausgabedatei";
// One filter entry, "DBF Dateien" with "*.dbf"; the list ends with an empty text.
inline constexpr char kTableFilter[] = "DBF Dateien\0*.dbf\0";
inline constexpr char kDefaultExtension[] = "*.dbf";
inline constexpr char kNoWindowClassText[] = "Die Fensterklasse des Programms kann nicht angemeldet werden";
inline constexpr char kNoMainWindowText[] = "Das Hauptfenster des Programms kann nicht angelegt werden";
