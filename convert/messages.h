// messages.h -- the texts of the conversion: its message boxes and the lines
// of the structure report.
#pragma once

// The checks before a conversion starts.
inline constexpr char kNoInputText[] = " es wurde keine Eingabedatei angegeben";
inline constexpr char kNoOutputText[] = " es wurde keine Ausgabedatei angegeben";
inline constexpr char kSameTablesText[] = "Eingabe- und Ausgabedatei dürfen nicht gleich sein";
inline constexpr char kReportPathTooLongText[] = "Der Pfad der Berichtsdatei Report.txt ist zu lang";
inline constexpr char kInputMemoPathTooLongText[] = "Der Pfad der Memodatei der Eingabedatei ist zu lang";
inline constexpr char kOutputMemoPathTooLongText[] = "Der Pfad der Memodatei der Ausgabedatei ist zu lang";

// Two files of a run that would be one: "Die A und die B dürfen ...".
inline constexpr char kFileMessageStartText[] = "Die ";
inline constexpr char kSameFilesAndText[] = " und die ";
inline constexpr char kSameFilesEndText[] = " dürfen nicht dieselbe Datei sein";
inline constexpr char kInputTableName[] = "Eingabedatei";
inline constexpr char kOutputTableName[] = "Ausgabedatei";
inline constexpr char kInputMemoName[] = "Memodatei der Eingabedatei";
inline constexpr char kOutputMemoName[] = "Memodatei der Ausgabedatei";
inline constexpr char kReportName[] = "Berichtsdatei Report.txt";
// A file of the run where a directory, a device or a pipe stands: "Die A ist ...".
inline constexpr char kNoFileEndText[] = " ist keine gewöhnliche Datei";
// An input that another program writes, or wrote while it was read: "Die A wird ...".
inline constexpr char kInUseEndText[] = " wird von einem anderen Programm bearbeitet";
inline constexpr char kChangedEndText[] = " wurde während der Konvertierung verändert";

// The input table, named behind its message.
inline constexpr char kInputMissingText[] = "Die Eingabedatei wurde nicht gefunden: ";
inline constexpr char kInputOpenFailedText[] = "Die Eingabedatei kann nicht geöffnet werden: ";
inline constexpr char kInputReadFailedText[] = "Die Eingabedatei kann nicht gelesen werden";
inline constexpr char kInvalidTableText[] = "Die Eingabedatei ist keine gültige dBase-Tabelle:\r\n";
// What is refused as no valid table, and does not begin as a table of the
// dBase family does, is none at all (a text file, say).
inline constexpr char kNoTableText[] = "Die Eingabedatei ist keine dBase-Tabelle";
inline constexpr char kTooShortForHeaderText[] = "Sie ist kürzer als ihr Dateikopf.";
inline constexpr char kBadFieldCountText[] = "Ihr Dateikopf gibt weniger als 1 oder mehr als 255 Felder an.";
inline constexpr char kHeaderTooLongText[] = "Ihr Dateikopf ist länger als 32000 Byte.";
inline constexpr char kLevel7Text[] =
    "Sie hat das Format der dBase-Stufe 7, das nicht konvertiert werden kann.";
inline constexpr char kRecordTooLongText[] = "Ihre Satzlänge ist größer als 32000 Byte.";
inline constexpr char kRecordLengthMismatchText[] =
    "Ihre Satzlänge stimmt nicht mit der Summe der Feldlängen überein.";
inline constexpr char kTooShortForRecordsText[] = "Sie ist kürzer, als ihre Satzzahl angibt.";
inline constexpr char kLongCharacterFieldsText[] =
    "Die Eingabedatei hat Zeichenfelder mit mehr als 255 Zeichen, die nicht konvertiert werden können";
inline constexpr char kMemoFieldStartText[] = "Das Memofeld ";
inline constexpr char kMemoFieldEndText[] = " ist nicht 10 Zeichen lang.";
// A field of binary or OLE data (dBase V), noted by the converter: "Das Feld
// NAME (Feldart B) wird ...".
inline constexpr char kBinaryFieldStartText[] = "Das Feld ";
inline constexpr char kBinaryFieldTypeText[] = " (Feldart ";
inline constexpr char kBinaryFieldEndText[] =
    ") wird ein Zeichenfeld mit den alten Blocknummern: Binär- und OLE-Daten nimmt eine "
    "dBase-III-Memodatei nicht auf.";

// The memo file.
inline constexpr char kMemoMissingQuestion[] =
    "Die zugehörige Memodatei wurde nicht gefunden\r\nSollen die Memotexte ignoriert werden?";
// The same, answered beforehand by the converter: "... nicht gefunden: PATH" and either.
inline constexpr char kMemoMissingText[] = "Die Memodatei der Eingabedatei wurde nicht gefunden: ";
inline constexpr char kMemoMissingRefusedText[] =
    "\r\nDie Tabelle wurde nicht konvertiert; --ignore-memos konvertiert sie ohne die Memotexte.";
inline constexpr char kMemoMissingIgnoredText[] =
    "\r\nDie Memotexte werden ignoriert, die Memofelder bleiben mit ihren Blocknummern als Zeichenfelder.";
inline constexpr char kMemoReadFailedText[] = "Die Memodatei der Eingabedatei kann nicht gelesen werden";
inline constexpr char kMemoNamesAmbiguousText[] =
    "Neben der Eingabedatei liegen mehrere Memodateien, die sich nur in der Groß- und "
    "Kleinschreibung unterscheiden.";
// A memo reference that cannot be followed: "Satz n, Feld NAME: reason".
inline constexpr char kMemoRecordText[] = "Satz ";
inline constexpr char kMemoFieldText[] = ", Feld ";
inline constexpr char kMemoReasonText[] = ":\r\n";
// A text left out when damaged texts are skipped: "Satz n, Feld NAME, Memotext ausgelassen: reason".
inline constexpr char kMemoSkippedText[] = ", Memotext ausgelassen: ";
inline constexpr char kMemoReferenceInvalidText[] = "Das Memofeld enthält keine gültige Blocknummer.";
inline constexpr char kMemoBlockTooLargeText[] =
    "Die Blocknummer des Memotextes ist zu groß (Memodateien bis 2 GiB).";
inline constexpr char kMemoBlockPastEndText[] =
    "Der Block des Memotextes liegt hinter dem Ende der Memodatei.";
inline constexpr char kMemoHeaderDamagedText[] =
    "Der Kopf des Memotextes ist beschädigt (Länge unter 8 Byte).";
inline constexpr char kMemoTextPastEndText[] = "Der Memotext reicht über das Ende der Memodatei hinaus.";
inline constexpr char kMemoLengthOverlapText[] =
    "Die Länge des Memotextes ist beschädigt: Er reicht in einen anderen Memotext hinein.";
inline constexpr char kMemoEndMarkInsideText[] =
    "Der Memotext enthält das Zeichen 1A (hex), das in dBase III den Text beendet: "
    "Sein Rest ginge verloren.";
inline constexpr char kMemoMarkMissingText[] =
    "Der Memotext hat nicht die Kennung eines dBase-IV-Memotextes.";
inline constexpr char kMemoOutputTooLargeText[] = "Die Memodatei der Ausgabedatei würde zu groß.";

// The output files.
inline constexpr char kOutputFolderMissingText[] = "Das Ausgabeverzeichnis gibt es nicht: ";
inline constexpr char kOutputFolderWriteFailedText[] =
    "Im Verzeichnis der Ausgabedatei können keine Dateien angelegt werden";
// A run folder "~kvNNNN.tmp" whose outputs a run that no longer lives was
// putting in place, and whose old files cannot all be put back: "... name".
inline constexpr char kUnfinishedRunText[] =
    "Eine abgebrochene Konvertierung im Verzeichnis der Ausgabedatei kann nicht abgeschlossen "
    "werden: ";
inline constexpr char kReportCreateFailedText[] =
    "Die Berichtsdatei Report.txt kann im Verzeichnis der Ausgabedatei nicht angelegt werden";
inline constexpr char kReportWriteFailedText[] = "Die Berichtsdatei Report.txt kann nicht geschrieben werden";
inline constexpr char kOutputCreateFailedText[] = "Die Ausgabedatei kann nicht angelegt werden";
inline constexpr char kOutputMemoCreateFailedText[] =
    "Die Memodatei der Ausgabedatei kann nicht angelegt werden";
inline constexpr char kOutputWriteFailedText[] =
    "Die Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)";
inline constexpr char kOutputMemoWriteFailedText[] =
    "Die Memodatei der Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)";
inline constexpr char kInterruptedText[] =
    "Die Konvertierung wurde abgebrochen; vorhandene Dateien bleiben unverändert";
inline constexpr char kCommitFailedText[] =
    "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\n"
    "vorhandene Dateien bleiben unverändert";
// After a rename failed, not every old file could be put back: "... name ...".
inline constexpr char kCommitStuckText[] =
    "Die Ausgabedateien können nicht an ihren Platz gebracht werden, und nicht alle vorhandenen "
    "Dateien sind wieder da:\r\nSie liegen in ";
inline constexpr char kCommitStuckEndText[] =
    "; die nächste Konvertierung in dieses Verzeichnis stellt sie wieder her";

// The report.
inline constexpr char kReportHeading[] = "Konvertierung dBase-IV oder -V Datei nach dBase-III.";
inline constexpr char kInputLabel[] = "Eingabedatei: ";
inline constexpr char kOutputLabel[] = "Ausgabedatei: ";
inline constexpr char kOptionLabel[] = "OemtoAnsi Konvertierung: ";
inline constexpr char kFieldsHeading[] = "--- Satzaufbau ---";
inline constexpr char kRemarksHeading[] = " --- Anmerkungen ---";
inline constexpr char kInvalidTypeRemark[] = " Feldart ungültig, wird auf C gesetzt";
inline constexpr char kRemarkIndent[] = "   ";  // the remarks stand indented by three blanks
inline constexpr char kMemoIgnoredRemark[] = "   alle Memofelder werden mit Feldart C übernommen.";
// A run that stopped after the report was begun: this remark, then the
// message it showed, each line break of it a blank.
inline constexpr char kNotConvertedRemark[] = "Die Tabelle wurde nicht konvertiert:";
inline constexpr char kMemoNotFoundRemark[] = "Die zugehörige Memodatei wurde nicht gefunden.";

// The OEM-to-ANSI option as the step list and the report's option line show it.
inline constexpr char kOptionOn[] = "ja  ";
inline constexpr char kOptionOff[] = "nein";
