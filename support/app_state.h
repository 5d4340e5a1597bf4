// app_state.h -- AppState, the one program-wide record.
//
// Everything the program keeps lives here, for the whole run of the process,
// in fixed sizes: nothing is allocated while it runs. The window program and
// the command-line converter write the paths and the option; the conversion
// keeps its files, buffers, lists and counters here. The records that only the
// Win32 API reads (window class, message, file dialog, paint) belong to the
// window program and live in app/shell_records.h.
#pragma once

#include <cstdint>

#include "platform/files.h"
#include "platform/window.h"

const std::uint32_t kPathSize = 256;           // a path of up to 255 characters and its NUL
const std::uint32_t kWorkPathSize = 296;       // a file in a run folder beside the outputs
const std::uint32_t kDisplayWidth = 80;        // characters of a path display in the step list
const std::uint32_t kTableBufferSize = 32000;  // the longest header or record
const std::uint32_t kMemoBlockSize = 512;      // one block of a memo file
const std::uint32_t kMaxFields = 255;
const std::uint32_t kMaxTextFieldPairs = 512;  // room of the field span list
const std::uint16_t kListEnd = 0xFFFF;         // ends every field list

// What changes in the step list of the main window: a marker in front of
// each of the four steps, '>' while the step is still to be done and a blank
// once it is done, and the three displays below the first three steps. The
// heading and the step texts never change (app/shell_texts.h).
struct StepList {
    char marker1 = '>';
    char inputDisplay[kDisplayWidth];  // the chosen input path, blank-filled, no NUL
    char marker2 = '>';
    char outputDisplay[kDisplayWidth];  // the chosen output path, blank-filled, no NUL
    char marker3 = '>';
    char optionDisplay[4] = {'n', 'e', 'i', 'n'};  // "nein" or "ja  ", no NUL
    char marker4 = '>';

    StepList();  // blanks in the two path displays
};

// The text areas of the structure report's lines, filled anew for each line.
struct ReportAreas {
    char titleLine[110];            // heading, date at column 56, time at column 70
    char optionLine[30];            // "OemtoAnsi Konvertierung: " and "nein" or "ja  "
    char fieldLine[61];             // one field: name, type, length, decimals
    char pathLine[14 + kPathSize];  // "Eingabedatei: " or "Ausgabedatei: " and a path
    char remarkLine[3 + 1024];      // a message as a remark: indented, on one line
};

// A run's outputs wait in a run folder of their own, "~kvNNNN.tmp" in the
// output directory, until they replace the old ones together
// (convert/output_group.cpp).
struct OutputGroup {
    char parent[kPathSize] = "";      // the output directory with its separator; "": the current one
    char folder[kWorkPathSize] = "";  // the run folder with its separator; "": no group begun
    FileHandle journal = kNoFile;     // the group's journal, claimed while the run lives
    std::uint32_t nextFile = 1;       // the number of the next file made in the run folder
    std::uint8_t heldByCaller = 0;    // 1: a run of many holds it, and each table's run adds to it
    char from[kWorkPathSize] = "";    // an output's two paths while it is put in place
    char to[kWorkPathSize] = "";
};

struct AppState {
    // --- The window program (app/): module, window and menu bar ---
    void* instance = nullptr;           // the program's module handle
    WindowHandle mainWindow = nullptr;  // the main window; owner of the conversion's boxes
    void* menuBar = nullptr;            // menu resource 102

    // --- What the user chose: the step list, the option and the paths ---
    StepList steps;
    std::uint8_t oemToAnsi = 0;  // 1: text is converted from OEM to ANSI
    // Options of the command-line converter; the window program leaves them 0.
    std::uint8_t skipDamagedMemos = 0;    // 1: a memo text that cannot be followed is left out
    std::uint8_t codepageMark = 0;        // 1: header byte 29 names the code page of the output's text
    std::uint8_t numericF = 0;            // 1: an F field becomes an N field
    int memoAnswer = 0;                   // the memo question answered beforehand (kAnswerYes, kAnswerNo); 0: ask
    std::uint8_t noteBinaryFields = 0;    // 1: each field of binary or OLE data is noted (a console line)
    char inputPath[kPathSize] = "";       // the input table; empty: none chosen
    char inputMemoPath[kPathSize] = "";   // its memo file, derived
    char outputPath[kPathSize] = "";      // the output table; empty: none chosen
    char outputMemoPath[kPathSize] = "";  // its memo file, derived
    char reportPath[kPathSize] = "";      // "Report.txt" in the output directory, derived

    // --- The files of one conversion (kNoFile: not open) ---
    FileHandle inputTable = kNoFile;
    FileHandle inputMemo = kNoFile;  // open only while memo texts are transferred
    FileHandle reportFile = kNoFile;
    FileHandle outputTable = kNoFile;                   // written under outputTableTemp
    FileHandle outputMemo = kNoFile;                    // written under outputMemoTemp
    std::uint32_t bytesDone = 0;                        // byte count of the last read or write
    std::uint64_t inputMemoSize = 0;                    // bytes of the input memo file
    std::uint32_t inputMemoBlockSize = kMemoBlockSize;  // its block length: 512, or as its block 0 says
    std::uint8_t dbase3Memo = 0;     // 1: a dBase-III table: texts without the dBase-IV mark end at 0x1A
    std::uint8_t inputCodePage = 0;  // byte 29 of the input header: the code page its writer declared
    // The outputs, the report among them, are written into the run folder
    // and replace the old ones together only when the whole run has
    // succeeded; a run stopped after the report was begun puts its report
    // alone in place, which says why it stopped.
    OutputGroup group;
    char outputTableTemp[kWorkPathSize] = "";
    char outputMemoTemp[kWorkPathSize] = "";
    char reportTemp[kWorkPathSize] = "";
    // A run of many tables gathers their reports in one file of its own: the
    // report is then written there, at its end, and neither closed nor moved.
    FileHandle reportSink = kNoFile;
    std::uint32_t nextTemporaryName = 0;  // where the search for a free run folder name goes on
    std::uint8_t memoFileWritten = 0;     // 1: the last run wrote an output memo file
    std::uint8_t stoppedByInterrupt = 0;  // 1: the last run stopped for an interrupt, and said so

    // --- The table: header values, buffers and field lists ---
    unsigned char tableBuffer[kTableBufferSize] = {};  // the header, then as many records as fit
    unsigned char* record = nullptr;                   // the record being copied, in tableBuffer
    std::uint16_t headerLength = 0;                    // bytes of the header, terminator included
    std::uint16_t recordLength = 0;                    // bytes of a record, deletion flag included
    std::uint32_t recordCount = 0;
    std::uint32_t fieldCount = 0;
    std::uint16_t recordOffset = 0;  // running field offset while the lists are built
    // One word per field: its class in the high byte, its length in the low byte.
    std::uint16_t fieldLayoutList[kMaxFields + 1] = {kListEnd};
    // (offset, length) of every character field; offsets count from the byte
    // after the deletion flag.
    std::uint16_t fieldSpanList[2 * kMaxTextFieldPairs + 1] = {kListEnd};
    // The offset of every memo field, and its name for the messages.
    std::uint16_t memoFieldList[kMaxFields + 1] = {kListEnd};
    char memoFieldNames[kMaxFields][12] = {};

    // --- The memo transfer ---
    unsigned char workBuffer[kMemoBlockSize + 2] = {};  // one block and a zero word
    std::uint32_t nextMemoBlock = 1;                    // the next free block of the output memo file
    char* memoFieldPtr = nullptr;                       // the memo field being transferred, in tableBuffer
    std::uint32_t memoRemaining = 0;                    // text bytes of the current memo not yet written
    std::uint32_t recordNumber = 0;                     // the record being copied, counted from 1
    std::uint32_t memoTextsWritten = 0;                 // texts written to the output memo file
    std::uint32_t memoTextsSkipped = 0;                 // damaged texts left out

    // --- Texts ---
    ReportAreas report;
    char messageText[1024] = "";  // a message put together from parts
};

extern AppState appState;
