// conversion_fuzzer.cpp -- a libFuzzer target over the whole conversion.
//
// The input's bytes become an input table and its memo file; every run must
// end converted or refused, never crash, and never leave what it must not:
// a converted output is a dBase-III table of the size its header gives, and
// a refusal leaves no output table, memo file or temporary file behind.
//
// Input: byte 0 the flags (bit 0 the OEM-to-ANSI option, bit 1 the answer
// Yes to the memo question, bit 2 a memo file exists), bytes 1 to 4 the
// table's length (little-endian, cut to what follows), then the table, then
// the memo file.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "convert/run_paths.h"
#include "app/oem_option.h"
#include "convert/conversion_run.h"
#include "platform/test/platform_test.h"
#include "support/app_state.h"

namespace {

std::string folder;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "conversion fuzzer: %s\n", what);
        std::abort();
    }
}

std::string PathOf(const char* name) { return folder + "/" + name; }

void Write(const char* name, const std::uint8_t* data, std::size_t size) {
    FILE* out = std::fopen(PathOf(name).c_str(), "wb");
    Check(out != nullptr, "cannot write an input file");
    if (size > 0) std::fwrite(data, 1, size, out);
    std::fclose(out);
}

// The whole file, or false when there is none.
bool Read(const char* name, std::string* bytes) {
    FILE* in = std::fopen(PathOf(name).c_str(), "rb");
    if (in == nullptr) return false;
    bytes->clear();
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) bytes->append(chunk, got);
    std::fclose(in);
    return true;
}

unsigned U16(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

std::uint64_t U32(const std::string& bytes, std::size_t at) {
    return U16(bytes, at) | std::uint64_t(U16(bytes, at + 2)) << 16;
}

// Removes every file of the folder; true when one of them was a temporary file.
bool ClearFolder() {
    bool temporary = false;
    DIR* directory = opendir(folder.c_str());
    while (struct dirent* entry = readdir(directory)) {
        if (entry->d_name[0] == '.') continue;
        if (std::strncmp(entry->d_name, "~kv", 3) == 0) temporary = true;
        unlink(PathOf(entry->d_name).c_str());
    }
    closedir(directory);
    return temporary;
}

void CheckConvertedTable(const std::string& input, bool memoFileWritten) {
    std::string table;
    Check(Read("neu.dbf", &table), "converted without an output table");
    Check(table.size() >= 66, "the output table is shorter than a header");
    unsigned version = static_cast<unsigned char>(table[0]);
    Check(version == 0x03 || version == 0x83, "the output's version is not dBase III");
    std::uint64_t headerLength = U16(table, 8);
    std::uint64_t size = headerLength + U32(table, 4) * U16(table, 10) + 1;
    Check(table.size() == size, "the output table is not the size its header gives");
    Check(table.back() == '\x1A', "the output table does not end with 0x1A");
    for (int i = 12; i < 32; ++i) Check(table[i] == 0, "the output header's reserved bytes are not zero");
    // The descriptors end at the terminator; the bytes from there to the
    // header's end are the input's.
    std::uint64_t slots = (headerLength - 1) / 32 - 1;
    std::uint64_t d = 32;
    for (; d < 32 + 32 * slots && table[d] != '\x0D'; d += 32) {
        Check(table[d + 11] != 0 && std::strchr("CNDLM", table[d + 11]) != nullptr, "an output field type");
    }
    Check(table.compare(d, headerLength - d, input, d, headerLength - d) == 0,
          "the bytes behind the descriptors changed");
    std::string memo;
    bool memoFile = Read("neu.dbt", &memo);
    Check(memoFile == memoFileWritten && memoFile == (version == 0x83), "memo file and version disagree");
    if (memoFile) {
        std::uint64_t blocks = U32(memo, 0);
        Check(blocks >= 1, "the output memo file counts no block");
        Check(memo.size() == (blocks == 1 ? 513 : blocks * 512), "the output memo file's length");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    folder = std::string(base) + "/kelvor-fuzz-" + std::to_string(getpid());
    mkdir(folder.c_str(), 0700);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::uint8_t flags = data[0];
    std::size_t tableSize = data[1] | data[2] << 8 | data[3] << 16 | std::size_t(data[4]) << 24;
    data += 5;
    size -= 5;
    if (tableSize > size) tableSize = size;
    Write("kunden.dbf", data, tableSize);
    if (flags & 4) Write("kunden.dbt", data + tableSize, size - tableSize);

    ResetTestPlatform();
    appState = AppState();
    std::snprintf(appState.inputPath, kPathSize, "%s", PathOf("kunden.dbf").c_str());
    std::snprintf(appState.outputPath, kPathSize, "%s", PathOf("neu.dbf").c_str());
    SetOemToAnsi(flags & 1);
    QueueAnswer(flags & 2 ? kAnswerYes : kAnswerNo);

    std::uint8_t converted = ConversionRun();
    if (converted == 1) {
        CheckConvertedTable(std::string(reinterpret_cast<const char*>(data), tableSize),
                            appState.memoFileWritten == 1);
    } else {
        std::string ignored;
        Check(RecordedBoxCount() >= 1, "refused without a message");
        Check(!Read("neu.dbf", &ignored), "refused, but an output table is there");
        Check(!Read("neu.dbt", &ignored), "refused, but an output memo file is there");
    }
    Check(!ClearFolder(), "a temporary file was left behind");
    return 0;
}
