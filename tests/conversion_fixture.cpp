// conversion_fixture.cpp -- the fixture of the whole-conversion tests.
#include "conversion_fixture.h"

#include <filesystem>
#include <map>

#include "convert/run_paths.h"
#include "app/oem_option.h"
#include "convert/conversion_run.h"
#include "support/app_state.h"

void ConversionTest::SetUp() {
    ResetTestPlatform();
    appState = AppState();
}

void ConversionTest::Choose(const std::string& inputTable, const std::string& outputTable, bool oemToAnsi) {
    ASSERT_LT(inputTable.size(), 256u);
    ASSERT_LT(outputTable.size(), 256u);
    inputTable.copy(appState.inputPath, inputTable.size());
    appState.inputPath[inputTable.size()] = '\0';
    outputTable.copy(appState.outputPath, outputTable.size());
    appState.outputPath[outputTable.size()] = '\0';
    SetOemToAnsi(oemToAnsi);
}

void ConversionTest::Prepare(const TableBuilder& table, bool oemToAnsi) {
    WriteBytes(input, table.Bytes());
    Choose(input, output, oemToAnsi);
}

void ConversionTest::Prepare(const TableBuilder& table, const MemoBuilder& memo, bool oemToAnsi) {
    WriteBytes(inputMemo, memo.Bytes());
    Prepare(table, oemToAnsi);
}

std::uint8_t ConversionTest::Run() { return ConversionRun(); }

std::string ConversionTest::OnlyMessage() const {
    if (RecordedBoxCount() != 1) return "(" + std::to_string(RecordedBoxCount()) + " boxes)";
    return RecordedBoxAt(0).text;
}

std::string ConversionTest::Snapshot(const std::string& except) const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Root())) {
        std::string name = entry.path().filename().string();
        bool folder = entry.is_directory();
        files[name] = folder           ? "(Verzeichnis)"
                      : name == except ? "(nicht verglichen)"
                                       : ReadBytes(entry.path().string());
    }
    std::string all;
    for (const auto& [name, bytes] : files) all += name + "=" + bytes + "\n";
    return all;
}

std::string ConvertedHeader(TableBuilder expected) {
    return expected.Reserved(0).Bytes().substr(0, expected.HeaderLengthValue());
}
