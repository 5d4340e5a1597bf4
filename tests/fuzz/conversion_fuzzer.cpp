// conversion_fuzzer.cpp -- a libFuzzer target over the whole conversion.
//
// The input's bytes become an input table and its memo file; every run must
// end converted or refused, never crash, and never leave what it must not:
// a converted output is a dBase-III table of the size its header gives, and
// a refusal leaves no output table, memo file or temporary file behind.
//
// Input: byte 0 the flags (bit 0 the OEM-to-ANSI option, bit 1 the answer
// Yes to the memo question, bit 2 a memo file exists, bit 3 damaged memo texts
// are left out), bytes 1 to 4 the table's length (little-endian, cut to what
// follows), then the table, then the memo file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/test/platform_test.h"
#include "support/app_state.h"
#include "test_files.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "conversion fuzzer: %s\n", what);
        std::abort();
    }
}

std::uint64_t Number(const std::string& bytes, std::size_t at, int size) {
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void CheckConvertedTable(const std::string& input, bool memoFileWritten) {
    std::string table = ReadBytes("neu.dbf");
    Check(table.size() >= 66, "the output table is missing or shorter than a header");
    unsigned version = static_cast<unsigned char>(table[0]);
    Check(version == 0x03 || version == 0x83, "the output's version is not dBase III");
    std::uint64_t headerLength = Number(table, 8, 2);
    std::uint64_t size = headerLength + Number(table, 4, 4) * Number(table, 10, 2) + 1;
    Check(table.size() == size && table.back() == '\x1A', "the output table's size, with 0x1A at its end");
    for (int i = 12; i < 32; ++i) Check(table[i] == 0, "the output header's reserved bytes");
    // The descriptors end at the terminator; the bytes from there to the
    // header's end are the input's.
    std::uint64_t d = 32;
    for (; d < 32 + 32 * ((headerLength - 1) / 32 - 1) && table[d] != '\x0D'; d += 32) {
        Check(table[d + 11] != 0 && std::strchr("CNDLM", table[d + 11]) != nullptr, "an output field type");
    }
    Check(table.compare(d, headerLength - d, input, d, headerLength - d) == 0, "the bytes behind the fields");
    std::string memo = ReadBytes("neu.dbt");
    bool memoFile = memo != "(fehlt)";
    Check(memoFile == memoFileWritten && memoFile == (version == 0x83), "memo file and version disagree");
    if (memoFile) {
        std::uint64_t blocks = Number(memo, 0, 4);
        Check(blocks >= 1 && memo.size() == (blocks == 1 ? 513 : blocks * 512), "the memo file's length");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;  // the current directory for the whole run
    if (size < 5) return 0;
    std::uint8_t flags = data[0];
    std::size_t tableSize = data[1] | data[2] << 8 | data[3] << 16 | std::size_t(data[4]) << 24;
    std::string bytes(reinterpret_cast<const char*>(data) + 5, size - 5);
    std::string input = bytes.substr(0, tableSize);
    WriteBytes("kunden.dbf", input);
    if (flags & 4) WriteBytes("kunden.dbt", bytes.substr(input.size()));

    ResetTestPlatform();
    appState = AppState();
    QueueAnswer(flags & 2 ? kAnswerYes : kAnswerNo);
    if (Convert("kunden.dbf", "neu.dbf", (flags & 1 ? kOem : 0) | (flags & 8 ? kRescue : 0)) == 1) {
        CheckConvertedTable(input, appState.memoFileWritten == 1);
    } else {
        Check(RecordedBoxCount() >= 1, "refused without a message");
        Check(ReadBytes("neu.dbf") + ReadBytes("neu.dbt") == "(fehlt)(fehlt)",
              "refused, but outputs are there");
    }
    Check(ListFolder().find("~kv") == std::string::npos, "a temporary file was left behind");
    for (const auto& entry : std::filesystem::directory_iterator(".")) std::filesystem::remove(entry.path());
    return 0;
}
