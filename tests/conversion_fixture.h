// conversion_fixture.h -- whole conversions on real files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/test/platform_test.h"
#include "table_builder.h"
#include "test_files.h"

class ConversionTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Sets both tables as the dialogs would, derives the memo and report
    // paths and the option.
    void Choose(const std::string& inputTable, const std::string& outputTable, bool oemToAnsi = false);
    // Writes the input table (and memo file) under the default names and
    // chooses them with the default output.
    void Prepare(const TableBuilder& table, bool oemToAnsi = false);
    void Prepare(const TableBuilder& table, const MemoBuilder& memo, bool oemToAnsi = false);
    std::uint8_t Run();

    // The text of the only message box shown, or a note when there was none
    // or more than one.
    std::string OnlyMessage() const;
    // Every file of the folder, with its bytes, for "nothing changed" checks;
    // the file `except` only by its name.
    std::string Snapshot(const std::string& except = "") const;

    TempFolder folder;
    std::string input = folder.Path("kunden.dbf");
    std::string inputMemo = folder.Path("kunden.dbt");
    std::string output = folder.Path("neu.dbf");
    std::string outputMemo = folder.Path("neu.dbt");
    std::string report = folder.Path("Report.txt");
};

// A header as the conversion writes it for dBase III, built from the same
// fields with the expected types.
std::string ConvertedHeader(TableBuilder expected);
