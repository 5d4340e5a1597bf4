// "Report.txt" byte for byte, with the test clock set.
#include <string>

#include "conversion_fixture.h"

namespace {

// A field line: name in columns 0 to 10, type in 11, length right-aligned in
// 14 to 16, decimals in 18 and 19, then 40 blanks or the remark.
std::string FieldLine(const std::string& name, char type, int length, int decimals, bool invalid = false) {
    std::string line = name + std::string(11 - name.size(), ' ') + type + "  ";
    std::string digits = std::to_string(length);
    line += std::string(3 - digits.size(), ' ') + digits + " ";
    digits = std::to_string(decimals % 100);
    line += std::string(2 - digits.size(), ' ') + digits;
    line += invalid ? " Feldart ungültig, wird auf C gesetzt" : std::string(40, ' ');
    return line + "\r\n";
}

std::string Opening(const std::string& input, const std::string& output, const char* option,
                    const char* date = " 5.12.2026", const char* time = " 9:07:03") {
    return "\r\n"
           "Konvertierung dBase-IV oder -V Datei nach dBase-III.    " +
           std::string(date) + "    " + time +
           "\r\n\r\n"
           "Eingabedatei: " +
           input +
           "\r\n"
           "Ausgabedatei: " +
           output +
           "\r\n"
           "OemtoAnsi Konvertierung: " +
           option +
           "\r\n"
           "\r\n"
           "--- Satzaufbau ---\r\n"
           "\r\n";
}

const char kClosing[] = "\r\n --- Anmerkungen ---\r\n\r\n";

TEST_F(ConversionTest, ReportLinesAreLaidOutInFixedColumns) {
    // The helper against the lines written out in full.
    EXPECT_EQ(FieldLine("KUNDE", 'C', 30, 0), "KUNDE      C   30  0" + std::string(40, ' ') + "\r\n");
    EXPECT_EQ(FieldLine("BETRAG", 'F', 12, 2, true),
              "BETRAG     F   12  2 Feldart ungültig, wird auf C gesetzt\r\n");
    EXPECT_EQ(FieldLine("BETRAG", 'F', 12, 2, true).size(), 57u + 2);

    SetTestClock({2026, 12, 15, 10, 30, 0});
    TableBuilder table;
    table.Field("KUNDE", 'C', 30)
        .Field("BETRAG", 'F', 12, 2)
        .Field("ABCDEFGHIJ", 'c', 5)
        .Field("GROSS", 'C', 254)
        .Field("NULL", 'N', 0)
        .Field("VIELE", 'N', 10, 123);
    Prepare(table, true);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    std::string expected = Opening(input, output, "ja  ", "15.12.2026", "10:30:00") +
                           FieldLine("KUNDE", 'C', 30, 0) + FieldLine("BETRAG", 'F', 12, 2, true) +
                           FieldLine("ABCDEFGHIJ", 'c', 5, 0) + FieldLine("GROSS", 'C', 254, 0) +
                           FieldLine("NULL", 'N', 0, 0) + FieldLine("VIELE", 'N', 10, 23) + kClosing;
    EXPECT_EQ(ReadBytes(report), expected);
    // The title line is 78 characters: heading, four blanks, date, four blanks, time.
    std::string title = expected.substr(2, expected.find("\r\n", 2) - 2);
    EXPECT_EQ(title.size(), 78u);
}

TEST_F(ConversionTest, ReportHoldsLongPathsWhole) {
    std::string root = folder.Root().string();
    char separator = folder.Path("x")[root.size()];
    std::string deep = root + separator + std::string(200 - root.size(), 'v');
    std::filesystem::create_directories(deep);
    std::string longInput = deep + separator + "kunden.dbf";
    std::string longOutput = folder.Path("neu.dbf");
    TableBuilder table;
    table.Field("A", 'C', 1);
    WriteBytes(longInput, table.Bytes());
    Choose(longInput, longOutput);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    std::string written = ReadBytes(report);
    EXPECT_NE(written.find("\r\nEingabedatei: " + longInput + "\r\nAusgabedatei: " + longOutput + "\r\n"),
              std::string::npos);
    EXPECT_EQ(written, Opening(longInput, longOutput, "nein") + FieldLine("A", 'C', 1, 0) + kClosing);
}

}  // namespace
