// cli_texts.h -- every text of the command-line converter; the conversion's
// own messages are in convert/messages.h.
#pragma once

#include "kelvor_version.h"

inline constexpr char kUsage[] =
    "Aufruf: kelvor-convert [OPTIONEN] EINGABE AUSGABE\n"
    "        kelvor-convert [OPTIONEN] EINGABE... AUSGABEVERZEICHNIS\n"
    "\n"
    "Konvertiert die dBase-IV- oder -V-Tabelle EINGABE mit ihrer Memodatei in die\n"
    "dBase-III-Tabelle AUSGABE mit ihrer Memodatei und schreibt den Bericht\n"
    "Report.txt in das Verzeichnis von AUSGABE.\n"
    "\n"
    "Mit mehreren Eingaben, oder wenn das letzte Argument ein vorhandenes\n"
    "Verzeichnis ist, wird jede Tabelle einzeln unter ihrem Dateinamen in das\n"
    "Ausgabeverzeichnis konvertiert; eine Eingabe darf auch ein Verzeichnis sein,\n"
    "dessen Tabellen (*.dbf) alle konvertiert werden, oder ein Muster wie\n"
    "KUND*.DBF. Report.txt enthält dann die Berichte aller konvertierten Tabellen\n"
    "nacheinander. Eine abgelehnte Tabelle hält die anderen nicht auf.\n"
    "\n"
    "  --oem-to-ansi          Text von der OEM- in die ANSI-Codepage umsetzen\n"
    "  --ignore-memos         fehlt die Memodatei, ohne die Memotexte konvertieren\n"
    "                         (sonst wird die Tabelle abgelehnt)\n"
    "  --skip-damaged-memos   ein Memotext, der nicht gelesen oder nicht übernommen\n"
    "                         werden kann, wird ausgelassen (sein Feld bleibt\n"
    "                         leer) statt die Tabelle abzulehnen; jeder steht im\n"
    "                         Bericht\n"
    "  --codepage-mark        Byte 29 des Dateikopfs nennt die Codepage des Textes\n"
    "                         (für Programme, die dieses Byte auswerten)\n"
    "  --numeric-f            ein F-Feld wird ein N-Feld statt eines C-Felds\n"
    "                         (für Tabellenkalkulationen, die damit rechnen sollen)\n"
    "  --help, -h, /?         diese Hilfe\n"
    "  --version              die Versionsnummer\n"
    "  --                     alles Folgende sind Dateinamen, auch wenn sie\n"
    "                         mit - beginnen\n"
    "\n"
    "Ergebnis: 0 konvertiert, 1 abgelehnt (mindestens eine Tabelle), 2 falscher\n"
    "Aufruf, 3 konvertiert, aber Memotexte ausgelassen, 130 abgebrochen.\n";

inline constexpr char kVersionLine[] = "kelvor-convert " KELVOR_VERSION "\n";

// Wrong usage, after "kelvor-convert: ", and the line behind it.
inline constexpr char kProgramPrefix[] = "kelvor-convert: ";
inline constexpr char kHelpHintText[] = "kelvor-convert --help zeigt die Hilfe.\n";
inline constexpr char kUnknownOptionText[] = "unbekannte Option ";
inline constexpr char kFilesMissingText[] = "Eingabe- und Ausgabedatei fehlen";
inline constexpr char kEmptyNameText[] = "leerer Dateiname";
inline constexpr char kOutputFolderIsAFileText[] = "als Ausgabeverzeichnis ist eine Datei angegeben: ";
inline constexpr char kTooManyTablesText[] = "zu viele Tabellen (höchstens 4096)";

// Refusals of the whole run, before anything is written.
inline constexpr char kInputPathTooLongText[] = "Der Pfad der Eingabedatei ist zu lang: ";
inline constexpr char kOutputPathTooLongText[] = "Der Pfad der Ausgabedatei ist zu lang: ";
inline constexpr char kNothingMatchesText[] = "Keine Datei passt zu ";
inline constexpr char kNoTablesText[] = "Keine Tabelle (*.dbf) gefunden in ";
inline constexpr char kFolderUnreadableText[] = "Das Verzeichnis kann nicht gelesen werden: ";
inline constexpr char kSameOutputStartText[] = "Die Eingabedateien ";
inline constexpr char kSameOutputAndText[] = " und ";
inline constexpr char kSameOutputEndText[] = " würden im Ausgabeverzeichnis dieselbe Datei schreiben: ";
inline constexpr char kReportNameTakenStartText[] = "Die Eingabedatei ";
inline constexpr char kReportNameTakenText[] = " würde im Ausgabeverzeichnis den Bericht überschreiben: ";
inline constexpr char kNameOutsideCodePageText[] =
    "Der Name enthält Zeichen, die es in Windows-1252 nicht gibt: ";
inline constexpr char kFolderOutsideCodePageText[] =
    "Der Name des aktuellen Verzeichnisses enthält Zeichen, die es in Windows-1252 nicht gibt: ";
inline constexpr char kBatchReportFailedText[] =
    "Der Bericht Report.txt kann im Ausgabeverzeichnis nicht geschrieben werden";

// What a single conversion wrote.
inline constexpr char kWrittenTableLabel[] = "Ausgabedatei: ";
inline constexpr char kWrittenMemoLabel[] = "Memodatei:    ";
inline constexpr char kWrittenReportLabel[] = "Bericht:      ";

// The words of the line per table of a run of many, and of the summary.
inline constexpr char kConvertedWords[] = ": konvertiert, ";
inline constexpr char kRefusedWords[] = ": abgelehnt";
inline constexpr char kRecordWord[] = " Satz";
inline constexpr char kRecordsWord[] = " Sätze";
inline constexpr char kMemoTextWord[] = " Memotext";
inline constexpr char kMemoTextsWord[] = " Memotexte";
inline constexpr char kSkippedWords[] = " ausgelassen";
inline constexpr char kTableWord[] = " Tabelle";
inline constexpr char kTablesWord[] = " Tabellen";
inline constexpr char kTablesConvertedWords[] = " konvertiert, ";
inline constexpr char kTablesRefusedWords[] = " abgelehnt";
inline constexpr char kTablesNotConvertedWords[] = " nicht konvertiert (abgebrochen)";
inline constexpr char kListSeparator[] = ", ";
