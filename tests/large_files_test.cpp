// The 2 GiB limit of memo block offsets and record bytes beyond 4 GiB: sparse
// files stand in for the large ones.
#include <filesystem>
#include <fstream>
#include <string>

#include "conversion_fixture.h"

namespace {

// A memo file of `blocks` blocks, all zero but for one memo at `block`.
void WriteSparseMemo(const std::string& path, std::uint64_t blocks, std::uint64_t block,
                     const std::string& text) {
    MemoBuilder one;
    one.Add(text);
    std::string memo = one.Bytes().substr(512);  // the memo as it would stand at block 1
    WriteBytes(path, one.Bytes().substr(0, 512));
    std::filesystem::resize_file(path, blocks * 512);
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(block * 512));
    out.write(memo.data(), static_cast<std::streamsize>(memo.size()));
}

TEST_F(ConversionTest, TheLastBlockBelow2GiBIsTransferred) {
    WriteSparseMemo(inputMemo, 4194304, 4194303, "am Ende von 2 GiB");
    TableBuilder table;
    table.Field("NOTIZ", 'M', 10).Record({MemoRef(4194303)});
    Prepare(table);
    ASSERT_EQ(Run(), 1) << OnlyMessage();
    EXPECT_EQ(ReadBytes(outputMemo), Dbase3Memo({"am Ende von 2 GiB"}));
    EXPECT_EQ(ReadBytes(output).substr(table.HeaderLengthValue() + 1, 10), MemoRef(1));
}

TEST_F(ConversionTest, TheFirstBlockAt2GiBIsRefused) {
    WriteSparseMemo(inputMemo, 4194305, 4194304, "hinter 2 GiB");
    TableBuilder table;
    table.Field("NOTIZ", 'M', 10).Record({MemoRef(4194304)});
    Prepare(table);
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(OnlyMessage(),
              "Satz 1, Feld NOTIZ:\r\nDie Blocknummer des Memotextes ist zu groß (Memodateien bis 2 GiB).");
    EXPECT_FALSE(Exists(output));
}

// 134,218 records of 32,000 bytes are 4,294,976,000 bytes: in 32 bits that
// would be 8,704, which this file holds.
TEST_F(ConversionTest, RecordBytesBeyond4GiBAreCountedIn64Bits) {
    TableBuilder table;
    for (int i = 0; i < 125; ++i) table.Field("F" + std::to_string(i), 'C', 255);
    table.Field("REST", 'C', 124).EndOfFile(false).RecordCount(134218);
    ASSERT_EQ(table.RecordLengthValue(), 32000);
    WriteBytes(input, table.Bytes() + std::string(8704, ' '));
    Choose(input, output);
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(
        OnlyMessage(),
        "Die Eingabedatei ist keine gültige dBase-Tabelle:\r\nSie ist kürzer, als ihre Satzzahl angibt.");

    SetUp();
    table.RecordCount(0xFFFFFFFF);
    WriteBytes(input, table.Bytes());
    Choose(input, output);
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(
        OnlyMessage(),
        "Die Eingabedatei ist keine gültige dBase-Tabelle:\r\nSie ist kürzer, als ihre Satzzahl angibt.");
}

}  // namespace
