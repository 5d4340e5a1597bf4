// File operations of whole conversions made to fail: each one stops the run
// with one message that names the file, leaves no temporary file and every
// file that existed before as it was (the report aside, which tells how far
// a stopped run came).
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

// With and without earlier outputs, the option, records copied by the system
// (no memo fields), damaged texts left out.
TEST(FaultSweep, EveryFailingOperationStopsTheRunAndChangesNothing) {
    const struct {
        const char* input;
        int decoys;  // earlier outputs stand at the output paths
        int options;
    } sweeps[] = {{"felder", 1, kOem}, {"felder", 0, 0}, {"ohne-memo", 1, 0}, {"beschaedigt", 0, kRescue}};
    for (const auto& s : sweeps) {
        std::uint32_t operations = 0;
        for (std::uint32_t k = 0; k <= operations; ++k) {
            TempFolder folder;
            ResetTestPlatform();
            InjectFaultAt(k, kAllButRemove);
            std::uint8_t result = ConvertIn(s.input, s.decoys, s.options);
            if (k == 0) {
                ASSERT_EQ(result, 1);
                operations = CountedFileOperations();
                continue;
            }
            FileOperation kind;
            ASSERT_TRUE(FaultWasInjected(&kind));
            std::string where = std::string(s.input) + ", operation " + std::to_string(k) + " of kind " +
                                std::to_string(kind);
            EXPECT_EQ(result, 0) << where;
            EXPECT_EQ(Failures(), 1) << where;
            if (!s.decoys) std::filesystem::remove("Report.txt");
            std::string outputs = ReadBytes("neu.dbf") + ReadBytes("neu.dbt");
            EXPECT_EQ(outputs, s.decoys ? "altalt" : "(fehlt)(fehlt)") << where;
            EXPECT_EQ(ListFolder().find("~kv"), std::string::npos) << where;
        }
    }
}

TEST(FaultSweep, EachFailureNamesItsFile) {
    const std::string cannotMove =
        "Die Ausgabedateien können nicht an ihren Platz gebracht werden;\r\nvorhandene Dateien bleiben "
        "unverändert";
    const struct {
        FileOperation operation;
        std::uint32_t ordinal;  // among the operations of that kind
        std::string message;
    } cases[] = {
        {kOperationOpen, 1, "Die Eingabedatei kann nicht geöffnet werden"},
        {kOperationOpen, 2, "Die Memodatei der Eingabedatei kann nicht gelesen werden"},
        {kOperationCreate, 1,
         "Die Berichtsdatei Report.txt kann im Verzeichnis der Ausgabedatei nicht angelegt werden"},
        {kOperationCreate, 2, "Die Ausgabedatei kann nicht angelegt werden"},
        {kOperationCreate, 3, "Die Memodatei der Ausgabedatei kann nicht angelegt werden"},
        // Two reads of the header and one of the memo file's block 0, then the records.
        {kOperationRead, 4, "Die Eingabedatei kann nicht gelesen werden"},
        {kOperationRead, 5, "Die Memodatei der Eingabedatei kann nicht gelesen werden"},
        // Closed in the order report, input table, output table, input memo file, output memo file.
        {kOperationClose, 1, "Die Berichtsdatei Report.txt kann nicht geschrieben werden"},
        {kOperationClose, 2, "Die Eingabedatei kann nicht gelesen werden"},
        {kOperationClose, 3, "Die Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)"},
        {kOperationClose, 4, "Die Memodatei der Eingabedatei kann nicht gelesen werden"},
        {kOperationClose, 5,
         "Die Memodatei der Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)"},
        // The report moves first, then the memo file and the table.
        {kOperationReplace, 1, "Die Berichtsdatei Report.txt kann nicht geschrieben werden"},
        {kOperationReplace, 2, cannotMove},
        {kOperationReplace, 3, cannotMove},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        ResetTestPlatform();
        InjectFaultAt(c.ordinal, OperationBit(c.operation));
        EXPECT_EQ(ConvertIn("beispiel", false, 0), 0);
        EXPECT_EQ(RecordedBoxCount() == 1 ? std::string(RecordedBoxAt(0).text) : "", c.message) << c.ordinal;
    }
}

}  // namespace
