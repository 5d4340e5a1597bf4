// Whole conversions of valid tables: the output table and memo file byte for
// byte, for every field class, both option values and the memo question.
#include <string>

#include "conversion_fixture.h"
#include "support/app_state.h"

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// OEM code page 850 and the Windows-1252 bytes it converts to: a zero byte
// inside a character field is converted like any other.
const std::string kOemName("M\x81ller\0K\x94ln \x84\xE1", 14);  // Müller Köln äß
const std::string kAnsiName("M\xFCller\0K\xF6ln \xE4\xDF", 14);
// A memo block is converted up to its first zero byte.
const std::string kOemMemo =
    std::string(100, '\x84') + '\0' + std::string(411, '\x84') + std::string("\x94\0\x94", 3);
const std::string kAnsiMemo =
    std::string(100, '\xE4') + '\0' + std::string(411, '\x84') + std::string("\xF6\0\x94", 3);

// Every field class, read as the input holds it or as the output must.
TableBuilder EveryFieldClass(bool output, bool converted) {
    TableBuilder table;
    table.Version(output ? 0x83 : 0x8B)
        .Reserved(output ? 0 : 0x5A)
        .UpdateDate(126, 12, 1)
        .Field("NAME", 'C', 20)
        .Field("BETRAG", 'N', 8, 2)
        .Field("NOTIZ", 'M', 10)
        .Field("DATUM", 'D', 8)
        .Field("AKTIV", 'L', 1)
        .Field("WERT", output ? 'C' : 'F', 12, output ? 0 : 3)  // an invalid type becomes C without decimals
        .Field("kurz", output ? 'C' : 'c', 5)
        .Field("zahl", output ? 'N' : 'n', 4)
        .Record({converted ? kAnsiName : kOemName, "  123.45", MemoRef(output ? 1 : 2), "20261205", "T",
                 "\x84\x84 1.5", converted ? "\xF6" : "\x94", "  42"})
        .Record({converted ? "Stra\xDF"
                             "e"
                           : "Stra\xE1"
                             "e",
                 "   -1.00", std::string(10, ' '), "", "F", "", "", ""},
                true);  // a deleted record is copied like any other
    return table;
}

TEST_F(ConversionTest, EveryFieldClassWithTheOptionOnAndOff) {
    for (bool option : {true, false}) {
        SetUp();
        MemoBuilder memo;
        memo.Add("ein anderer Text");
        ASSERT_EQ(memo.Add(kOemMemo), 2u);
        Prepare(EveryFieldClass(false, false), memo, option);
        ASSERT_EQ(Run(), 1) << OnlyMessage();
        EXPECT_EQ(RecordedBoxCount(), 0);
        EXPECT_EQ(ReadBytes(output), EveryFieldClass(true, option).Bytes());
        EXPECT_EQ(ReadBytes(outputMemo), Dbase3Memo({option ? kAnsiMemo : kOemMemo}));
        EXPECT_EQ(appState.steps.marker4, ' ');
        EXPECT_EQ(RepaintCount(), 1);
        EXPECT_EQ(ListFolder(folder.Root()), "Report.txt|kunden.dbf|kunden.dbt|neu.dbf|neu.dbt");
    }
}

TEST_F(ConversionTest, ATableWithoutMemoFieldsGetsNoMemoFile) {
    WriteBytes(outputMemo, "alte Memodatei");
    TableBuilder table;
    table.Version(0x8B).Field("NAME", 'C', 20).Record({"a"});
    Prepare(table, false);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(ReadBytes(output), TableBuilder(table).Version(0x03).Bytes());
    EXPECT_EQ(ReadBytes(outputMemo), "alte Memodatei");
}

TEST_F(ConversionTest, MemoTextsTakeTheirLengthOver512PlusOneBlocks) {
    const std::string texts[] = {"",
                                 std::string(511, 'a'),
                                 std::string(512, 'b'),
                                 std::string(513, 'c'),
                                 std::string(1000, 'd'),
                                 std::string(1500, 'e')};
    MemoBuilder memo;
    TableBuilder table;
    table.Field("NR", 'N', 2).Field("TEXT", 'M', 10);
    for (const std::string& text : texts) table.Record({"1", MemoRef(memo.Add(text))});
    Prepare(table, memo);
    ASSERT_EQ(Run(), 1) << OnlyMessage();

    std::string out = ReadBytes(outputMemo);
    // Blocks: 1, 1, 2, 2, 2, 3 after block 0.
    const std::uint32_t firstBlocks[] = {1, 2, 3, 5, 7, 9};
    ASSERT_EQ(out.size(), 12u * 512);
    EXPECT_EQ(out.substr(0, 4), std::string("\x0C\0\0\0", 4));
    EXPECT_EQ(out.substr(4, 508), std::string(508, '\0'));
    for (int i = 0; i < 6; ++i) {
        std::size_t start = firstBlocks[i] * 512;
        EXPECT_EQ(out.substr(start, texts[i].size()), texts[i]) << i;
        EXPECT_EQ(out[start + texts[i].size()], '\x1A') << i;
    }
    EXPECT_EQ(out.substr(512, 512), '\x1A' + std::string(511, '\0'));            // empty text
    EXPECT_EQ(out.substr(3 * 512 + 512, 512), '\x1A' + std::string(511, '\0'));  // 512 bytes
    EXPECT_EQ(out.substr(7 * 512 + 512, 512), std::string(488, 'd') + '\x1A' + std::string(23, '\0'));
    EXPECT_EQ(out, Dbase3Memo({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]}));

    TableBuilder expected;
    expected.Version(0x83).Field("NR", 'N', 2).Field("TEXT", 'M', 10);
    for (std::uint32_t block : firstBlocks) expected.Record({"1", MemoRef(block)});
    EXPECT_EQ(ReadBytes(output), expected.Bytes());
    EXPECT_EQ(appState.nextMemoBlock, 12u);
}

TEST_F(ConversionTest, MemoReferencesAreRenumberedInRecordAndFieldOrder) {
    MemoBuilder memo;
    std::uint32_t shared = memo.Add("geteilt");
    std::uint32_t second = memo.Add("zweites Feld");
    std::uint32_t first = memo.Add("erstes Feld");
    TableBuilder table;
    // A memo field first in the record; a record with two; two records naming one block.
    table.Field("ERST", 'M', 10)
        .Field("NAME", 'C', 4)
        .Field("ZWEIT", 'm', 10)
        .Record({MemoRef(shared), "a", std::string(10, ' ')})
        .Record({MemoRef(first), "b", MemoRef(second)})
        .Record({"0000000000", "c", MemoRef(shared)});
    Prepare(table, memo);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    TableBuilder expected;
    expected.Version(0x83)
        .Field("ERST", 'M', 10)
        .Field("NAME", 'C', 4)
        .Field("ZWEIT", 'M', 10)
        .Record({MemoRef(1), "a", std::string(10, ' ')})
        .Record({MemoRef(2), "b", MemoRef(3)})
        .Record({"0000000000", "c", MemoRef(4)});  // a field reading 0 stays as it is
    EXPECT_EQ(ReadBytes(output), expected.Bytes());
    EXPECT_EQ(ReadBytes(outputMemo), Dbase3Memo({"geteilt", "erstes Feld", "zweites Feld", "geteilt"}));
}

TEST_F(ConversionTest, WithoutMemoTextsTheMemoFileIsBlockZeroAndTheEndMark) {
    MemoBuilder memo;
    TableBuilder table;
    table.Field("TEXT", 'M', 10).Field("NAME", 'C', 5);
    Prepare(table, memo);  // no records: the header and the end mark
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(ReadBytes(output), ConvertedHeader(TableBuilder(table).Version(0x83)) + '\x1A');
    const std::string emptyMemo = std::string("\x01", 1) + std::string(511, '\0') + '\x1A';
    EXPECT_EQ(ReadBytes(outputMemo), emptyMemo);
    table.Record({std::string(10, ' '), "a"}).Record({"         0", "b"});  // fields reading 0
    Prepare(table, memo);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(ReadBytes(outputMemo), emptyMemo);
}

TEST_F(ConversionTest, BytesBehindTheTerminatorAndTheLastRecordAreHandled) {
    struct Case {
        bool endOfFile;
        std::string trailing;
    };
    const Case cases[] = {{true, ""}, {false, ""}, {true, "Rest hinter dem Ende"}, {false, "\x1A\x1A"}};
    for (const Case& c : cases) {
        SetUp();
        TableBuilder table;
        table.Field("NAME", 'C', 4)
            .ExtraHeaderBytes("\x7F")
            .EndOfFile(c.endOfFile)
            .Record({"eins"})
            .Record({"zwei"});
        WriteBytes(input, table.Bytes() + c.trailing);
        Choose(input, output);
        ASSERT_EQ(Run(), 1) << OnlyMessage();
        TableBuilder expected;
        expected.Version(0x03)
            .Field("NAME", 'C', 4)
            .ExtraHeaderBytes("\x7F")
            .Record({"eins"})
            .Record({"zwei"});
        EXPECT_EQ(ReadBytes(output), expected.Bytes());  // exactly one end mark
        EXPECT_EQ(appState.headerLength, 66);
        EXPECT_EQ(appState.fieldCount, 1u);
    }
}

TEST_F(ConversionTest, AMissingMemoFileAnsweredYesKeepsTheMemoFieldsAsCharacterFields) {
    WriteBytes(outputMemo, "alte Memodatei");
    TableBuilder table;
    table.Field("NAME", 'C', 4).Field("TEXT", 'M', 10).Record({"\x84", MemoRef(7)});
    Prepare(table, true);
    QueueAnswer(kAnswerYes);
    ASSERT_EQ(Run(), 1);
    ASSERT_EQ(RecordedBoxCount(), 1);
    const RecordedBox& box = RecordedBoxAt(0);
    EXPECT_STREQ(box.text,
                 "Die zugehörige Memodatei wurde nicht gefunden\r\nSollen die Memotexte ignoriert werden?");
    EXPECT_FALSE(box.hasCaption);
    EXPECT_EQ(box.style, 0x114u);
    TableBuilder expected;
    expected.Version(0x03).Field("NAME", 'C', 4).Field("TEXT", 'C', 10).Record({"\xE4", MemoRef(7)});
    EXPECT_EQ(ReadBytes(output), expected.Bytes());
    EXPECT_EQ(ReadBytes(outputMemo), "alte Memodatei");
    EXPECT_EQ(appState.memoFieldList[0], kListEnd);
    EXPECT_TRUE(
        EndsWith(ReadBytes(report),
                 " --- Anmerkungen ---\r\n\r\n   alle Memofelder werden mit Feldart C übernommen.\r\n\r\n"));
}

TEST_F(ConversionTest, AMissingMemoFileAnsweredNoStopsBeforeAnyOutput) {
    WriteBytes(output, "alte Tabelle");
    TableBuilder table;
    table.Field("TEXT", 'M', 10).Record({MemoRef(1)});
    Prepare(table);
    ASSERT_EQ(Run(), 0);  // No is also the default button
    EXPECT_EQ(RecordedBoxCount(), 1);
    EXPECT_EQ(ReadBytes(output), "alte Tabelle");
    EXPECT_EQ(ListFolder(folder.Root()), "Report.txt|kunden.dbf|neu.dbf");
    EXPECT_EQ(appState.steps.marker4, '>');
    EXPECT_EQ(RepaintCount(), 0);
    EXPECT_TRUE(
        EndsWith(ReadBytes(report), "  0" + std::string(40, ' ') + "\r\n\r\n --- Anmerkungen ---\r\n\r\n"));
}

TEST_F(ConversionTest, ExistingOutputsAreReplacedOnlyBySuccess) {
    WriteBytes(output, "alte Tabelle");
    WriteBytes(outputMemo, "alte Memodatei");
    MemoBuilder memo;
    std::uint32_t block = memo.Add("neu");
    TableBuilder table;
    table.Field("TEXT", 'M', 10).Record({MemoRef(block)});
    Prepare(table, memo);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(ReadBytes(outputMemo), Dbase3Memo({"neu"}));
    EXPECT_EQ(ListFolder(folder.Root()), "Report.txt|kunden.dbf|kunden.dbt|neu.dbf|neu.dbt");
}

TEST_F(ConversionTest, TheMostFieldsAndMemoFieldsATableCanHave) {
    MemoBuilder memo;
    TableBuilder table;
    std::vector<std::string> values;
    std::vector<std::string> texts;
    for (int i = 0; i < 255; ++i) {
        std::string name = "F" + std::to_string(i);
        if (i % 4 == 0) {  // 64 memo fields, more than 50
            table.Field(name, 'M', 10);
            texts.push_back("Memo " + std::to_string(i));
            values.push_back(MemoRef(memo.Add(texts.back())));
        } else {
            table.Field(name, 'C', 2);
            values.push_back(std::to_string(i % 100));
        }
    }
    table.Record(values);
    Prepare(table, memo);
    ASSERT_EQ(table.HeaderLengthValue(), 8193);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(appState.fieldCount, 255u);
    EXPECT_EQ(appState.fieldLayoutList[255], kListEnd);
    EXPECT_EQ(ReadBytes(outputMemo), Dbase3Memo(texts));
}

TEST_F(ConversionTest, ARunAfterAStoppedOneStartsAgainAtBlockOne) {
    MemoBuilder memo;
    std::uint32_t good = memo.Add("gut");
    TableBuilder broken;
    broken.Field("TEXT", 'M', 10).Record({MemoRef(good)}).Record({MemoRef(999)});
    Prepare(broken, memo);
    ASSERT_EQ(Run(), 0);  // the second record names a block beyond the memo file
    TableBuilder table;
    table.Field("TEXT", 'M', 10).Record({MemoRef(good)});
    Prepare(table, memo);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(ReadBytes(outputMemo), Dbase3Memo({"gut"}));
    EXPECT_EQ(ReadBytes(output).substr(table.HeaderLengthValue() + 1, 10), MemoRef(1));
}

}  // namespace
