// File operations of whole conversions made to fail: each one stops the run
// with one message that names the file, leaves no temporary file and every
// file that existed before as it was, but for a report that ends with that
// message; or it does not matter, and the run converts exactly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
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

// A message on one line, as the report's remarks and the transcript hold it.
std::string OneLine(std::string message) {
    for (std::size_t at; (at = message.find("\r\n")) != std::string::npos;) message.replace(at, 2, " ");
    return message;
}

// The end of the report of a run stopped by `message`.
std::string RefusalRemark(const std::string& message) {
    return "   Die Tabelle wurde nicht konvertiert:\r\n   " + OneLine(message) + "\r\n\r\n";
}

// Each failing operation of each sweep, with the message it gave ("-" when
// the run converted all the same), written one per line and compared with
// the transcript in tests/fixtures/fault-sweep.txt.
const char* const kOperationNames[] = {"open",    "create", "read",     "write", "seek", "size",   "close",
                                       "replace", "remove", "truncate", "flush", "link", "folder", "copy"};

// With and without earlier outputs, the option, records copied by the system
// (no memo fields), damaged texts left out, a file system without second
// names for files (the old files are copied before they are replaced).
TEST(FaultSweep, EveryFailingOperationStopsTheRunWithItsMessageAndChangesNothing) {
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
    std::string transcript;
    for (const auto& s : sweeps) {
        std::uint32_t operations = 0;
        std::uint32_t ordinals[std::size(kOperationNames)] = {};
        std::string converted;
        transcript += std::string("# ") + s.input + (s.decoys ? ", over earlier outputs" : "") +
                      (s.alwaysFailing ? ", no second names" : "") + "\n";
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
            std::string where = std::string(s.input) + ", operation " + std::to_string(k);
            transcript += std::to_string(k) + " " + kOperationNames[kind] + " " +
                          std::to_string(++ordinals[kind]) + ": " +
                          (result == 1 ? "-" : OneLine(RecordedBoxAt(RecordedBoxCount() - 1).text)) + "\n";
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
    if (std::getenv("KELVOR_WRITE_GOLDEN") != nullptr) WriteBytes(Fixture("fault-sweep.txt"), transcript);
    EXPECT_EQ(transcript, ReadBytes(Fixture("fault-sweep.txt")));
}

}  // namespace
