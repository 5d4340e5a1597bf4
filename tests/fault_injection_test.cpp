// Every file operation of a whole conversion made to fail in turn: each time
// the run must show a message, return 0, leave no temporary file, and leave
// every file that existed before as it was (the report aside).
#include <filesystem>
#include <string>

#include "conversion_fixture.h"

namespace {

// Open, create, read, write, set position, size, close and replace; a failed
// removal of a temporary file would leave it behind by its nature.
const std::uint32_t kMask = OperationBit(kOperationOpen) | OperationBit(kOperationCreate) |
                            OperationBit(kOperationRead) | OperationBit(kOperationWrite) |
                            OperationBit(kOperationSeek) | OperationBit(kOperationSize) |
                            OperationBit(kOperationClose) | OperationBit(kOperationReplace) |
                            OperationBit(kOperationTruncate) | OperationBit(kOperationFlush);

const char* const kOperationNames[] = {"open",  "create",  "read",   "write",   "seek",
                                       "size",  "close",   "replace", "remove", "truncate", "flush"};

class FaultSweep : public ConversionTest {
protected:
    struct Inputs {
        TableBuilder table;
        MemoBuilder memo;
        bool memoFile;
        bool decoys;
        bool oemToAnsi;
    };

    void Place(const Inputs& inputs) {
        if (inputs.memoFile) WriteBytes(inputMemo, inputs.memo.Bytes());
        for (const std::string& path : {output, outputMemo, report}) {
            if (inputs.decoys) {
                WriteBytes(path, "alt");
            } else {
                std::filesystem::remove(path);  // the counting run's outputs
            }
        }
        Prepare(inputs.table, inputs.oemToAnsi);
    }

    // Runs once without a fault to count the operations, then once per
    // operation with that one failing.
    void Sweep(const Inputs& inputs) {
        Place(inputs);
        InjectFaultAt(0, kMask);
        ASSERT_EQ(Run(), 1) << OnlyMessage();
        std::uint32_t operations = CountedFileOperations();
        ASSERT_GT(operations, 20u);
        for (std::uint32_t k = 1; k <= operations; ++k) {
            SetUp();
            Place(inputs);
            std::string before = Snapshot("Report.txt");
            InjectFaultAt(k, kMask);
            std::uint8_t result = Run();
            FileOperation kind = kOperationRemove;
            ASSERT_TRUE(FaultWasInjected(&kind)) << "operation " << k;
            std::string where = "operation " + std::to_string(k) + ", a failed " + kOperationNames[kind];
            EXPECT_EQ(result, 0) << where;
            EXPECT_EQ(RecordedBoxCount(), 1) << where;
            if (!inputs.decoys) std::filesystem::remove(report);  // a stopped run may leave its report
            EXPECT_EQ(Snapshot("Report.txt"), before) << where;
            EXPECT_EQ(ListFolder(folder.Root()).find("~kv"), std::string::npos) << where;
        }
    }

    static TableBuilder MemoTable(MemoBuilder& memo) {
        TableBuilder table;
        table.Field("NAME", 'C', 6)
            .Field("NOTIZ", 'M', 10)
            .Record({"\x84rger", MemoRef(memo.Add("kurz"))})
            .Record({"Gr\x94\xE1"
                     "e",
                     MemoRef(memo.Add(std::string(1300, 'x')))},
                    true)
            .Record({"leer", std::string(10, ' ')});
        return table;
    }
};

TEST_F(FaultSweep, MemoTextsWithExistingOutputs) {
    Inputs inputs{{}, {}, true, true, true};
    inputs.table = MemoTable(inputs.memo);
    Sweep(inputs);
}

TEST_F(FaultSweep, MemoTextsWithNewOutputs) {
    Inputs inputs{{}, {}, true, false, false};
    inputs.table = MemoTable(inputs.memo);
    Sweep(inputs);
}

// Option off: the records pass unchanged and the system copies them.
TEST_F(FaultSweep, NoMemoTexts) {
    Inputs inputs{{}, {}, false, true, false};
    inputs.table.Field("NAME", 'C', 6).Field("ZAHL", 'N', 4).Record({"eins", "1"}).Record({"zwei", "2"});
    Sweep(inputs);
}

}  // namespace
