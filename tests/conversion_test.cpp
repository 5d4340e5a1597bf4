// Whole conversions in a temporary folder, as the window program runs them:
// the tables of tests/fixtures/inputs against the expected outputs in
// tests/fixtures/golden (see the README there), and the runs that must stop
// before anything is written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/test/platform_test.h"
#include "support/app_state.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

const char* const kOutputs[] = {"neu.dbf", "neu.dbt", "Report.txt"};

enum MoreOptions { kNew = 16, kYes = 32, kNo = 64 };

std::string Message() { return RecordedBoxCount() == 0 ? "(keine Meldung)" : RecordedBoxAt(0).text; }

// The outputs a run writes, and the messages it shows, one after another.
const char* const kGoldenFiles[] = {"neu.dbf", "neu.dbt", "Report.txt", "Meldungen.txt"};

const struct {
    const char* input;
    const char* expected;  // its files in golden/; a refused run writes no neu.dbf
    int options;           // kNew: no earlier outputs stand at the output paths
} kGolden[] = {
    {"beispiel", "beispiel-ja", kOem},
    {"beispiel", "beispiel-nein", kNew},
    {"beispiel", "beispiel-merke", kOem | kMark | kFAsN},
    {"felder", "felder-ja", kOem},
    {"felder", "felder-nein", 0},
    {"ohne-memo", "ohne-memo-ja", kOem},
    {"ohne-memo", "ohne-memo-nein", kNew},
    {"bloecke-1024", "bloecke-1024", kOem},
    {"bloecke-64", "bloecke-64", 0},
    {"bloecke-100", "bloecke-100", 0},
    {"dbase3", "dbase3", kOem},
    {"dbase3-bloecke", "dbase3-bloecke", 0},
    {"fremd-dbf", "fremd-dbf", kMark},
    {"fremd-xbase", "fremd-xbase", 0},
    {"backlink", "backlink", 0},
    {"polster", "polster", 0},
    {"maximal", "maximal", 0},
    {"leer", "leer", 0},
    {"zeichen", "zeichen", kOem},  // under Wine the system's conversion
    {"memo-fehlt", "memo-fehlt-ja", kYes},
    {"memo-fehlt", "memo-fehlt-nein", kNo},
    {"beschaedigt", "beschaedigt-gerettet", kOem | kRescue},
    {"beschaedigt", "beschaedigt", 0},
    {"dbase3-kaputt", "dbase3-kaputt", kRescue},
};

// Earlier outputs stand at the output paths: an output with no expected file
// must leave the earlier one as it was. Every output written is flushed, and
// so are the run folder, the journal's commit mark and the output directory.
TEST(Conversion, EveryTableGivesItsExpectedOutputs) {
    const char* write = std::getenv("KELVOR_WRITE_GOLDEN");  // makes the expected outputs anew
    for (const auto& c : kGolden) {
        SCOPED_TRACE(c.expected);
        TempFolder folder;
        CopyInput(c.input);
        for (const char* name : kOutputs) {
            if (!(c.options & kNew)) WriteBytes(name, "alt");
        }
        ResetTestPlatform();
        if (c.options & (kYes | kNo)) QueueAnswer(c.options & kYes ? kAnswerYes : kAnswerNo);
        InjectFaultAt(0, OperationBit(kOperationFlush));  // counts the flushes; none fails
        std::uint8_t result = Convert("kunden.dbf", "neu.dbf", c.options);
        std::string shown;
        for (int i = 0; i < RecordedBoxCount(); ++i) shown += RecordedBoxAt(i).text + std::string("\n");
        if (!shown.empty()) WriteBytes("Meldungen.txt", shown);
        std::string golden = Fixture(std::string("golden/") + c.expected + "/");
        std::uint32_t written = 0;
        for (const char* name : kGoldenFiles) {
            std::string out = ReadBytes(name);
            if (write != nullptr && out != "alt" && out != "(fehlt)") {
                fs::create_directories(golden);
                WriteBytes(golden + name, out);
            }
            bool expected = fs::exists(golden + name);
            bool earlier = !(c.options & kNew) && name != kGoldenFiles[3];
            written += expected && name != kGoldenFiles[3];
            EXPECT_EQ(out, expected ? ReadBytes(golden + name) : earlier ? "alt" : "(fehlt)") << name;
        }
        EXPECT_EQ(CountedFileOperations(), written == 0 ? 0 : written + 3);
        EXPECT_EQ(result, fs::exists(golden + "neu.dbf"));
        EXPECT_EQ(appState.steps.marker4, result == 1 ? ' ' : '>');
        EXPECT_EQ(ListFolder().find("~kv"), std::string::npos);
    }
}

// Runs refused before the report is begun: one message, every file as it was.
TEST(Conversion, RunsThatCannotStartNameTheirCause) {
    const std::string longName(253, 'k');
    const std::string deep = std::string(249, 'd') + PathSeparator() + "n.dbf";
    const std::string same = " dürfen nicht dieselbe Datei sein";
    const struct {
        std::string input, output, message;
    } cases[] = {
        {"", "neu.dbf", " es wurde keine Eingabedatei angegeben"},
        {"kunden.dbf", "", " es wurde keine Ausgabedatei angegeben"},
        // Names that differ only in case are one file only where names are compared so.
        {"kunden.dbf", FileNamesCaseSensitive() ? "kunden.dbf" : "KUNDEN.dbf",
         "Eingabe- und Ausgabedatei dürfen nicht gleich sein"},
        {"kunden.dbf", "ordner/../kunden.dbf", "Eingabe- und Ausgabedatei dürfen nicht gleich sein"},
        {"kunden.dbf", "kunden.dbt", "Die Ausgabedatei und die Memodatei der Eingabedatei" + same},
        {"kunden.dbf", "neu.dbt", "Die Ausgabedatei und die Memodatei der Ausgabedatei" + same},
        {"kunden.dbf", "Report.txt", "Die Ausgabedatei und die Berichtsdatei Report.txt" + same},
        {"kunden.dbf", "kunden.dbx",
         "Die Memodatei der Eingabedatei und die Memodatei der Ausgabedatei" + same},
        {"kunden.dbf", "ordner.dbf", "Die Memodatei der Ausgabedatei ist keine gewöhnliche Datei"},
        {"fehlt.dbf", "neu.dbf", "Die Eingabedatei wurde nicht gefunden: fehlt.dbf"},
        {"kunden.dbf", std::string("fehlt") + PathSeparator() + "neu.dbf",
         "Das Ausgabeverzeichnis gibt es nicht: fehlt"},
        {"ordner", "neu.dbf", "Die Eingabedatei ist keine gewöhnliche Datei"},
        {longName, "neu.dbf", "Der Pfad der Memodatei der Eingabedatei ist zu lang"},
        {"kunden.dbf", longName, "Der Pfad der Memodatei der Ausgabedatei ist zu lang"},
        {"kunden.dbf", deep, "Der Pfad der Berichtsdatei Report.txt ist zu lang"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        CopyInput("beispiel");
        fs::create_directory("ordner");
        fs::create_directory("ordner.dbt");
        WriteBytes("Report.txt", "alt");
        std::string before = ListFolder() + ReadBytes("kunden.dbf") + ReadBytes("kunden.dbt");
        ResetTestPlatform();
        EXPECT_EQ(Convert(c.input, c.output), 0);
        EXPECT_EQ(RecordedBoxCount(), 1);
        EXPECT_EQ(Message(), c.message);
        EXPECT_EQ(ListFolder() + ReadBytes("kunden.dbf") + ReadBytes("kunden.dbt") + ReadBytes("Report.txt"),
                  before + "alt");
    }
}

// Tables whose header is damaged or of another kind: the fixture of every
// field class with a few bytes changed, or cut short.
TEST(Conversion, DamagedHeadersAreRefusedBeforeTheReport) {
    const std::string table = ReadBytes(Fixture("inputs/felder/kunden.dbf"));
    const std::string invalid = "Die Eingabedatei ist keine gültige dBase-Tabelle:\r\n";
    const std::string level7 =
        invalid + "Sie hat das Format der dBase-Stufe 7, das nicht konvertiert werden kann.";
    const std::string fieldCount = invalid + "Ihr Dateikopf gibt weniger als 1 oder mehr als 255 Felder an.";
    // Header bytes 4 the record count, 8 the header length, 10 the record
    // length (78); descriptors from 32: NOTIZ (M 10), then NAME (C 12).
    const struct {
        std::size_t cut;  // the file ends there; 0: it does not
        std::vector<std::pair<std::size_t, std::string>> changes;
        std::string message;
    } cases[] = {
        {20, {}, invalid + "Sie ist kürzer als ihr Dateikopf."},
        {20, {{0, "N"}}, "Die Eingabedatei ist keine dBase-Tabelle"},  // a text file, say
        {200, {}, invalid + "Sie ist kürzer als ihr Dateikopf."},
        {0, {{0, "\x8C"}}, level7},
        {0, {{0, "\x04"}}, level7},
        {0, {{8, std::string("\x40\x00", 2)}}, fieldCount},
        {0, {{32, "\x0D"}}, fieldCount},
        {0, {{8, "\x01\x7D"}}, invalid + "Ihr Dateikopf ist länger als 32000 Byte."},
        {0, {{10, "\x01\x7D"}}, invalid + "Ihre Satzlänge ist größer als 32000 Byte."},
        {0, {{10, "\x44"}}, invalid + "Ihre Satzlänge stimmt nicht mit der Summe der Feldlängen überein."},
        {0, {{4, "\x07"}}, invalid + "Sie ist kürzer, als ihre Satzzahl angibt."},
        {0, {{48, "\x0B"}, {10, "\x4F"}}, invalid + "Das Memofeld NOTIZ ist nicht 10 Zeichen lang."},
        {0,
         {{81, "\x01"}, {10, "\x4E\x01"}},
         "Die Eingabedatei hat Zeichenfelder mit mehr als 255 Zeichen, die nicht konvertiert werden können"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        CopyInput("felder");
        std::string bytes = c.cut != 0 ? table.substr(0, c.cut) : table;
        for (const auto& [at, change] : c.changes) bytes.replace(at, change.size(), change);
        WriteBytes("kunden.dbf", bytes);
        ResetTestPlatform();
        EXPECT_EQ(Convert("kunden.dbf", "neu.dbf"), 0);
        EXPECT_EQ(Message(), c.message);
        EXPECT_EQ(ListFolder(), "kunden.dbf|kunden.dbt");
    }
}

// Inputs that another program writes while the run reads them. Where the
// system can forbid it (Win32), it is forbidden and the run converts, and a
// table another program holds open for writing is refused; elsewhere the
// run is refused, whatever the change, and writes nothing: a copy put in the
// file's place leaves the open file's size and times but its change time.
TEST(Conversion, InputsWrittenMeanwhileAreRefused) {
    const std::string table = "Die Eingabedatei wurde während der Konvertierung verändert";
    const std::string memo = "Die Memodatei der Eingabedatei wurde während der Konvertierung verändert";
    // Reads 1 and 2 are the header, 3 the memo file's block 0, 4 the records, 5 on the memo texts.
    constexpr std::uintmax_t replaced = ~std::uintmax_t{0};  // a copy of the file takes its place
    static const struct {
        const char* file;
        std::uintmax_t size;  // cut or extended to this size; 0: one byte rewritten
        std::uint32_t read;   // before this read
        std::string message;
    } cases[] = {
        {"kunden.dbf", 400, 4, table},      {"kunden.dbf", 0, 4, table}, {"kunden.dbf", 2000, 5, table},
        {"kunden.dbf", replaced, 5, table}, {"kunden.dbt", 1024, 5, memo}, {"kunden.dbt", 0, 6, memo},
        {"kunden.dbt", replaced, 6, memo},
    };
    {
        TempFolder folder;
        CopyInput("beispiel");
        ResetTestPlatform();
        std::fstream writer("kunden.dbf", std::ios::binary | std::ios::in | std::ios::out);
        std::uint8_t result = Convert("kunden.dbf", "neu.dbf");
#ifdef _WIN32
        EXPECT_EQ(Message(), "Die Eingabedatei wird von einem anderen Programm bearbeitet");
        EXPECT_EQ(result, 0);
#else
        EXPECT_EQ(result, 1);  // nothing forbids it here: only a change would show
#endif
    }
    static std::size_t current;
    for (current = 0; current < std::size(cases); ++current) {
        TempFolder folder;
        CopyInput("beispiel");
        ResetTestPlatform();
        ChangeBeforeRead(cases[current].read, [] {
            const auto& c = cases[current];
            std::error_code failed;
            if (c.size == replaced) {
                bool copied = fs::copy_file(c.file, "kopie", failed);
                fs::rename("kopie", c.file, failed);
                std::error_code ignored;
                fs::remove("kopie", ignored);  // where the system refused the rename
                return copied && !failed;
            }
            if (c.size != 0) fs::resize_file(c.file, c.size, failed);
            std::fstream file(c.file, std::ios::binary | std::ios::in | std::ios::out);
            return c.size != 0 ? !failed : file && file.seekp(400).put('X').flush();
        });
        std::uint8_t result = Convert("kunden.dbf", "neu.dbf");
        bool forbidden = !ChangeWasMade();
#ifdef _WIN32
        EXPECT_TRUE(forbidden) << current;
#else
        EXPECT_FALSE(forbidden) << current;
#endif
        EXPECT_EQ(Message(), forbidden ? "(keine Meldung)" : cases[current].message) << current;
        EXPECT_EQ(result == 1,
                  forbidden && ListFolder() == "Report.txt|kunden.dbf|kunden.dbt|neu.dbf|neu.dbt");
    }
}

// A sparse memo file stands in for a large one: a text at the last block
// below 2 GiB converts, one at 2 GiB is refused.
TEST(Conversion, MemoTextsUpTo2GiB) {
    for (std::uint32_t block : {4194303u, 4194304u}) {
        TempFolder folder;
        CopyInput("memo-fehlt");
        std::string table = ReadBytes("kunden.dbf");
        table.replace(table.size() - 11, 10, std::string(3, ' ') + std::to_string(block));
        WriteBytes("kunden.dbf", table);
        WriteBytes("kunden.dbt", ReadBytes(Fixture("inputs/leer/kunden.dbt")));
        fs::resize_file("kunden.dbt", (block + 1) * 512ull);
        std::fstream out("kunden.dbt", std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(static_cast<std::streamoff>(block) * 512).write("\xFF\xFF\x08\x00\x0B\0\0\0abc", 11);
        out.close();
        ResetTestPlatform();
        bool below = block < 4194304u;
        EXPECT_EQ(Convert("kunden.dbf", "neu.dbf"), below) << Message();
        EXPECT_EQ(ReadBytes("neu.dbt").substr(below ? 512 : 0, 4), below ? "abc\x1A" : "(feh");
    }
}

}  // namespace
