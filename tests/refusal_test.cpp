// Runs that must stop: each shows one clear message with the conversion's
// style, returns 0 and leaves every file that existed before as it was.
#include <string>

#include "conversion_fixture.h"
#include "support/app_state.h"

namespace {

class RefusalTest : public ConversionTest {
protected:
    // Decoys at every output path: none of them may change.
    void PlaceDecoys() {
        WriteBytes(output, "alte Tabelle");
        WriteBytes(outputMemo, "alte Memodatei");
        WriteBytes(report, "alter Bericht");
    }

    // Runs, expects 0 and exactly the one message `text`, and that the folder
    // holds what it held before, apart from the report when `reportMayChange`.
    void ExpectRefused(const std::string& text, bool reportMayChange = false) {
        if (reportMayChange && !Exists(report)) WriteBytes(report, "alter Bericht");
        std::string before = Snapshot();
        ASSERT_EQ(Run(), 0);
        ASSERT_EQ(RecordedBoxCount(), 1) << OnlyMessage();
        const RecordedBox& box = RecordedBoxAt(0);
        EXPECT_EQ(std::string(box.text), text);
        EXPECT_FALSE(box.hasCaption);
        EXPECT_EQ(box.style, 0x10u);  // MB_OK with MB_ICONHAND
        EXPECT_EQ(box.owner, appState.mainWindow);
        if (reportMayChange) WriteBytes(report, "alter Bericht");
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(appState.steps.marker4, '>');
    }

    TableBuilder Valid() {
        TableBuilder table;
        table.Field("NAME", 'C', 10).Field("TEXT", 'M', 10).Record({"a", std::string(10, ' ')});
        return table;
    }
};

const std::string kInvalid = "Die Eingabedatei ist keine gültige dBase-Tabelle:\r\n";

TEST_F(RefusalTest, ThePathChecksComeFirstInTheirOrder) {
    ExpectRefused(" es wurde keine Eingabedatei angegeben");
    SetUp();
    Choose(input, "");
    ExpectRefused(" es wurde keine Ausgabedatei angegeben");
    SetUp();
    std::string upper = input;
    for (std::size_t i = upper.size() - 10; i < upper.size(); ++i)
        upper[i] = static_cast<char>(toupper(upper[i]));
    Choose(input, upper);  // differs only in case
    ExpectRefused("Eingabe- und Ausgabedatei dürfen nicht gleich sein");
}

TEST_F(RefusalTest, AnInputThatCannotBeOpenedIsNamed) {
    Choose(input, output);
    PlaceDecoys();
    ExpectRefused("Die Eingabedatei kann nicht geöffnet werden");
}

TEST_F(RefusalTest, TablesThatAreNoValidTablesAreRefusedBeforeTheReport) {
    struct Case {
        std::string bytes;
        std::string reason;
    };
    TableBuilder noField;
    noField.HeaderLength(64);
    TableBuilder noDescriptor;  // the terminator in the first slot
    noDescriptor.Field("A", 'C', 1).ExtraHeaderBytes(std::string(40, ' '));
    std::string noDescriptorBytes = noDescriptor.Bytes();
    noDescriptorBytes[32] = '\x0D';
    TableBuilder tooMany;  // 256 descriptors, no terminator
    for (int i = 0; i < 256; ++i) tooMany.Field("F" + std::to_string(i), 'C', 1);
    std::string tooManyBytes = tooMany.Bytes();
    tooManyBytes[32 + 256 * 32] = ' ';
    TableBuilder headerTooLong;
    headerTooLong.Field("A", 'C', 1).HeaderLength(32001);
    TableBuilder level7;
    level7.Version(0x8C).Field("A", 'C', 1);
    TableBuilder mismatch;
    mismatch.Field("A", 'C', 10).RecordLength(12).Record({"x"});
    TableBuilder tooLong;
    for (int i = 0; i < 126; ++i) tooLong.Field("F" + std::to_string(i), 'C', 255);
    TableBuilder shortRecords;
    shortRecords.Field("A", 'C', 10).Record({"x"}).RecordCount(3);
    TableBuilder shortMemo;
    shortMemo.Field("NOTIZ", 'm', 4);
    TableBuilder headerOnly;
    headerOnly.Field("A", 'C', 10).Field("B", 'C', 10);
    const Case cases[] = {
        {"", "Sie ist kürzer als ihr Dateikopf."},
        {std::string(31, '\x03'), "Sie ist kürzer als ihr Dateikopf."},
        {headerOnly.Bytes().substr(0, 80), "Sie ist kürzer als ihr Dateikopf."},
        {noField.Bytes(), "Ihr Dateikopf gibt weniger als 1 oder mehr als 255 Felder an."},
        {noDescriptorBytes, "Ihr Dateikopf gibt weniger als 1 oder mehr als 255 Felder an."},
        {tooManyBytes, "Ihr Dateikopf gibt weniger als 1 oder mehr als 255 Felder an."},
        {headerTooLong.Bytes() + std::string(32001, ' '), "Ihr Dateikopf ist länger als 32000 Byte."},
        {level7.Bytes(), "Sie hat das Format der dBase-Stufe 7, das nicht konvertiert werden kann."},
        {mismatch.Bytes(), "Ihre Satzlänge stimmt nicht mit der Summe der Feldlängen überein."},
        {tooLong.Bytes(), "Ihre Satzlänge ist größer als 32000 Byte."},
        {shortRecords.Bytes(), "Sie ist kürzer, als ihre Satzzahl angibt."},
        {shortMemo.Bytes(), "Das Memofeld NOTIZ ist nicht 10 Zeichen lang."},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceDecoys();
        WriteBytes(input, c.bytes);
        WriteBytes(inputMemo, MemoBuilder().Bytes());
        Choose(input, output);
        ExpectRefused(kInvalid + c.reason);
    }
}

TEST_F(RefusalTest, TwoFilesOfTheRunThatAreOneFile) {
    WriteBytes(input, Valid().Bytes());
    WriteBytes(inputMemo, MemoBuilder().Bytes());
    std::string root = folder.Root().string();
    char separator = folder.Path("x")[root.size()];
    std::filesystem::create_directory(folder.Root() / "sub");
    std::string detour = root + separator + "sub" + separator + ".." + separator + "kunden.dbf";
    struct Case {
        std::string in;
        std::string out;
        std::string message;
    };
    const Case cases[] = {
        // Another text for the input table.
        {input, detour, "Eingabe- und Ausgabedatei dürfen nicht gleich sein"},
        // The output table named like the input memo file would empty it.
        {input, inputMemo,
         "Die Ausgabedatei und die Memodatei der Eingabedatei dürfen nicht dieselbe Datei sein"},
        // An output table "x.dbt" is its own memo file.
        {input, folder.Path("neu.dbt"),
         "Die Ausgabedatei und die Memodatei der Ausgabedatei dürfen nicht dieselbe Datei sein"},
        // An output table "Report.txt" would be overwritten by the report.
        {input, folder.Path("Report.txt"),
         "Die Ausgabedatei und die Berichtsdatei Report.txt dürfen nicht dieselbe Datei sein"},
        // Two outputs whose memo paths are the input memo file.
        {input, folder.Path("kunden.dbx"),
         "Die Memodatei der Eingabedatei und die Memodatei der Ausgabedatei dürfen nicht dieselbe Datei "
         "sein"},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceDecoys();
        Choose(c.in, c.out);
        ExpectRefused(c.message);
    }
}

TEST_F(RefusalTest, AnInputTableNamedReportTxtInTheOutputDirectory) {
    std::string named = folder.Path("Report.txt");
    TableBuilder table;
    table.Field("NAME", 'C', 10).Record({"a"});
    WriteBytes(named, table.Bytes());
    Choose(named, output);
    ExpectRefused("Die Eingabedatei und die Berichtsdatei Report.txt dürfen nicht dieselbe Datei sein");
}

TEST_F(RefusalTest, AMemoPathThatDoesNotFitIsNamedBeforeAnythingIsWritten) {
    // A table name without an extension gets ".dbt": four characters more.
    std::string directory = folder.Path("");
    std::string longName = directory + std::string(254 - directory.size(), 'k');
    WriteBytes(longName, Valid().Bytes());
    Choose(longName, output);
    ExpectRefused("Der Pfad der Memodatei der Eingabedatei ist zu lang");
    SetUp();
    Prepare(Valid(), MemoBuilder());
    Choose(input, longName);
    ExpectRefused("Der Pfad der Memodatei der Ausgabedatei ist zu lang");
}

TEST_F(RefusalTest, MemoReferencesThatCannotBeFollowedNameRecordAndField) {
    struct Case {
        std::string reference;
        std::string reason;
    };
    MemoBuilder memo;
    std::uint32_t good = memo.Add("gut");
    std::uint32_t damaged = memo.AddRaw(7, "kaputt");
    std::uint32_t tooLong = memo.AddRaw(600, "zu lang");
    std::uint32_t blocks = static_cast<std::uint32_t>(memo.Bytes().size() / 512);
    const Case cases[] = {
        {MemoRef(damaged), "Der Kopf des Memotextes ist beschädigt (Länge unter 8 Byte)."},
        {MemoRef(tooLong), "Der Memotext reicht über das Ende der Memodatei hinaus."},
        {MemoRef(blocks), "Der Block des Memotextes liegt hinter dem Ende der Memodatei."},
        {MemoRef(4194304), "Die Blocknummer des Memotextes ist zu groß (Memodateien bis 2 GiB)."},
        {"9999999999", "Die Blocknummer des Memotextes ist zu groß (Memodateien bis 2 GiB)."},
        {"::::::::::", "Das Memofeld enthält keine gültige Blocknummer."},
        {"1         ", "Das Memofeld enthält keine gültige Blocknummer."},  // not right-aligned
        {"     1 2  ", "Das Memofeld enthält keine gültige Blocknummer."},
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceDecoys();
        TableBuilder table;
        table.Field("NAME", 'C', 4)
            .Field("NOTIZ", 'M', 10)
            .Record({"a", MemoRef(good)})
            .Record({"b", c.reference});
        Prepare(table, memo);
        ExpectRefused("Satz 2, Feld NOTIZ:\r\n" + c.reason, true);
    }
}

TEST_F(RefusalTest, OutputsThatCannotBeCreatedOrWritten) {
    struct Case {
        FileOperation operation;
        std::uint32_t ordinal;  // among the operations of that kind
        std::string message;
    };
    const Case cases[] = {
        {kOperationCreate, 2, "Die Ausgabedatei kann nicht angelegt werden"},  // 1 is the report
        {kOperationCreate, 3, "Die Memodatei der Ausgabedatei kann nicht angelegt werden"},
        {kOperationWrite, 1000, "Die Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)"},
        // Closed in the order report, input table, output table, input memo file, output memo file.
        {kOperationClose, 1, "Die Berichtsdatei Report.txt kann nicht geschrieben werden"},
        {kOperationClose, 2, "Die Eingabedatei kann nicht gelesen werden"},
        {kOperationClose, 3, "Die Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)"},
        {kOperationClose, 4, "Die Memodatei der Eingabedatei kann nicht gelesen werden"},
        {kOperationClose, 5,
         "Die Memodatei der Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)"},
        // Two reads of the header, one of the memo file's block 0, then the
        // table's record, the memo's header and its block in turn.
        {kOperationRead, 1501, "Die Eingabedatei kann nicht gelesen werden"},
        {kOperationRead, 1502, "Die Memodatei der Eingabedatei kann nicht gelesen werden"},
        // The report moves first, then the old memo file aside, the new one
        // and the table into place.
        {kOperationReplace, 1, "Die Berichtsdatei Report.txt kann nicht geschrieben werden"},
        {kOperationReplace, 2,
         "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\n"
         "vorhandene Dateien bleiben unverändert"},
        {kOperationReplace, 3,
         "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\n"
         "vorhandene Dateien bleiben unverändert"},
        {kOperationReplace, 3,
         "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\n"
         "vorhandene Dateien bleiben unverändert"},
        {kOperationReplace, 4,
         "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\n"
         "vorhandene Dateien bleiben unverändert"},
    };
    MemoBuilder memo;
    TableBuilder table;
    table.Field("NOTIZ", 'M', 10).Field("NAME", 'C', 100);
    for (int i = 0; i < 2000; ++i) table.Record({MemoRef(memo.Add("Memo " + std::to_string(i))), "x"});
    for (const Case& c : cases) {
        SetUp();
        PlaceDecoys();
        Prepare(table, memo);
        InjectFaultAt(c.ordinal, OperationBit(c.operation));
        ExpectRefused(c.message, true);
        FileOperation kind;
        EXPECT_TRUE(FaultWasInjected(&kind)) << c.message;
    }
}

}  // namespace
