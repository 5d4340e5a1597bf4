// File operations of whole conversions made to fail: each one stops the run
// with one message that names the file, leaves no temporary file and every
// file that existed before as it was, but for a report that ends with that
// message; or it does not matter, and the run converts exactly.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/test/platform_test.h"
#include "support/app_state.h"
#include "test_files.h"

namespace {

// A failed removal of a temporary file leaves it behind by its nature.
const std::uint32_t kAllButRemove = ~OperationBit(kOperationRemove);
const char* const kOutputs[] = {"neu.dbf", "neu.dbt", "Report.txt"};

std::uint8_t ConvertIn(const char* input, bool decoys, int options) {
    CopyInput(input);
    for (const char* name : kOutputs) {
        if (decoys) WriteBytes(name, "alt");
    }
    return Convert("kunden.dbf", "neu.dbf", options);
}

int Failures() {
    int failures = 0;
    for (int i = 0; i < RecordedBoxCount(); ++i) failures += (RecordedBoxAt(i).style & kBoxIconHand) != 0;
    return failures;
}

std::string Outputs() { return ReadBytes("neu.dbf") + ReadBytes("neu.dbt"); }

// The end of the report of a run stopped by `message`.
std::string RefusalRemark(std::string message) {
    for (std::size_t at; (at = message.find("\r\n")) != std::string::npos;) message.replace(at, 2, " ");
    return "   Die Tabelle wurde nicht konvertiert:\r\n   " + message + "\r\n\r\n";
}

// With and without earlier outputs, the option, records copied by the system
// (no memo fields), damaged texts left out, a file system without second
// names for files (the old files are copied before they are replaced).
TEST(FaultSweep, EveryFailingOperationStopsTheRunAndChangesNothing) {
    const struct {
        const char* input;
        int decoys;  // earlier outputs stand at the output paths
        int options;
        std::uint32_t alwaysFailing;
    } sweeps[] = {{"felder", 1, kOem, 0},
                  {"felder", 0, 0, 0},
                  {"ohne-memo", 1, 0, 0},
                  {"beschaedigt", 0, kRescue, 0},
                  {"beispiel", 1, 0, OperationBit(kOperationLink)}};
    for (const auto& s : sweeps) {
        std::uint32_t operations = 0;
        std::string converted;
        for (std::uint32_t k = 0; k <= operations; ++k) {
            TempFolder folder;
            ResetTestPlatform();
            InjectFaultAt(k, kAllButRemove, s.alwaysFailing);
            std::uint8_t result = ConvertIn(s.input, s.decoys, s.options);
            if (k == 0) {
                ASSERT_EQ(result, 1);
                operations = CountedFileOperations();
                converted = Outputs();
                continue;
            }
            FileOperation kind;
            ASSERT_TRUE(FaultWasInjected(&kind));
            std::string where = std::string(s.input) + ", operation " + std::to_string(k) + " of kind " +
                                std::to_string(kind);
            EXPECT_EQ(ListFolder().find("~kv"), std::string::npos) << where;
            if (result == 1) {  // a failure that does not matter, such as another run's journal unread
                EXPECT_EQ(Failures(), 0) << where;
                EXPECT_EQ(Outputs(), converted) << where;
                continue;
            }
            ASSERT_EQ(Failures(), 1) << where;
            EXPECT_EQ(Outputs(), s.decoys ? "altalt" : "(fehlt)(fehlt)") << where;
            std::string report = ReadBytes("Report.txt");
            std::string remark = RefusalRemark(RecordedBoxAt(RecordedBoxCount() - 1).text);
            bool endsWithRemark = report.size() > remark.size() &&
                                  report.compare(report.size() - remark.size(), remark.size(), remark) == 0;
            EXPECT_TRUE(report == (s.decoys ? "alt" : "(fehlt)") || endsWithRemark) << where << "\n"
                                                                                    << report;
        }
    }
}

TEST(FaultSweep, EachFailureNamesItsFile) {
    const std::string cannotMove =
        "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\nvorhandene Dateien bleiben "
        "unverändert";
    const std::string readTable = "Die Eingabedatei kann nicht gelesen werden";
    const std::string readMemo = "Die Memodatei der Eingabedatei kann nicht gelesen werden";
    const std::string writeTable =
        "Die Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)";
    const std::string writeMemo =
        "Die Memodatei der Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)";
    const std::string writeReport = "Die Berichtsdatei Report.txt kann nicht geschrieben werden";
    const struct {
        FileOperation operation;
        std::uint32_t ordinal;  // among the operations of that kind
        std::string message;
    } cases[] = {
        {kOperationOpen, 1, "Die Eingabedatei kann nicht geöffnet werden: kunden.dbf"},
        {kOperationOpen, 2, readMemo},
        // The run folder, its journal, the report, the table, the memo file.
        {kOperationFolder, 1, "Im Verzeichnis der Ausgabedatei können keine Dateien angelegt werden"},
        {kOperationCreate, 1, "Im Verzeichnis der Ausgabedatei können keine Dateien angelegt werden"},
        {kOperationCreate, 2,
         "Die Berichtsdatei Report.txt kann im Verzeichnis der Ausgabedatei nicht angelegt werden"},
        {kOperationCreate, 3, "Die Ausgabedatei kann nicht angelegt werden"},
        {kOperationCreate, 4, "Die Memodatei der Ausgabedatei kann nicht angelegt werden"},
        // Two reads of the header and one of the memo file's block 0, then the records.
        {kOperationRead, 4, readTable},
        {kOperationRead, 5, readMemo},
        // Closed in the order input table, input memo file, output table and memo file, report.
        {kOperationClose, 1, readTable},
        {kOperationClose, 2, readMemo},
        {kOperationClose, 3, writeTable},
        {kOperationClose, 4, writeMemo},
        {kOperationClose, 5, writeReport},
        // The same outputs are put on the disk, then the run folder, the
        // journal's commit mark and, after the renames, the output directory.
        {kOperationFlush, 1, writeTable},
        {kOperationFlush, 2, writeMemo},
        {kOperationFlush, 3, writeReport},
        {kOperationFlush, 4, cannotMove},
        {kOperationFlush, 5, cannotMove},
        {kOperationFlush, 6, cannotMove},
        // Table, memo file and report are renamed; the first two are taken back.
        {kOperationReplace, 1, cannotMove},
        {kOperationReplace, 3, cannotMove},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        ResetTestPlatform();
        InjectFaultAt(c.ordinal, OperationBit(c.operation));
        EXPECT_EQ(ConvertIn("beispiel", true, 0), 0);
        EXPECT_EQ(RecordedBoxCount() == 1 ? std::string(RecordedBoxAt(0).text) : "", c.message)
            << c.operation << " " << c.ordinal;
    }
}

}  // namespace
