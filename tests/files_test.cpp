// The platform's files on real files: buffered reads and writes must leave
// every byte where unbuffered calls would, and every failure must be told.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/files.h"
#include "platform/test/platform_test.h"
#include "test_files.h"

namespace {

std::string Pattern(std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(length, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

// Random reads, writes, jumps, cuts and copies from a second file, over a few
// buffers' length, checked against the same operations on a string; the
// copies once by the system and once through the buffer, as where the system
// has no copy between files.
class FilesBothCopies : public testing::TestWithParam<std::uint32_t> {};

TEST_P(FilesBothCopies, RandomOperationsMatchAModel) {
    TempFolder folder;
    ResetTestPlatform();
    InjectFaultAt(0, 0, GetParam());
    std::string model = Pattern(600 * 1024, 1);
    const std::string source = Pattern(400 * 1024, 2);
    WriteBytes("quelle.bin", source);
    FileHandle file = FileCreate("modell.bin");
    FileProblem problem;
    FileHandle from = FileOpenRead("quelle.bin", &problem);
    std::uint32_t done = 0;
    ASSERT_TRUE(FileWrite(file, model.data(), static_cast<std::uint32_t>(model.size()), &done) &&
                FileSeek(file, 0));
    std::mt19937 random(7);
    std::size_t position = 0;
    for (int step = 0; step < 3000; ++step) {
        // Mostly small steps, now and then one larger than a whole buffer.
        std::uint32_t length = random() % 8 == 0 ? random() % 300000 : random() % 2000;
        std::string bytes = Pattern(length, step);
        std::uint64_t copied = 0;
        switch (random() % 6) {
        case 0:
            position = random() % (model.size() + 1000);
            ASSERT_TRUE(FileSeek(file, position));
            break;
        case 1:
        case 2:
            ASSERT_TRUE(FileRead(file, &bytes[0], length, &done));
            bytes.resize(done);
            ASSERT_EQ(bytes, position < model.size() ? model.substr(position, length) : "") << step;
            position += done;
            continue;
        case 4: {  // from the second file: what it holds from a random place on
            std::size_t at = random() % source.size();
            ASSERT_TRUE(FileSeek(from, at));
            ASSERT_EQ(FileCopy(from, file, length, &copied), kCopyDone);
            bytes = source.substr(at, copied);
            [[fallthrough]];
        }
        case 3:
            if (position > model.size()) model.resize(position, '\0');  // the gap reads as zeros
            model.replace(position, std::min<std::size_t>(bytes.size(), model.size() - position), bytes);
            ASSERT_TRUE(copied != 0 || FileWrite(file, bytes.data(), length, &done));
            position += bytes.size();
            break;
        case 5:
            model.resize(std::min<std::size_t>(model.size(), position + length));
            ASSERT_TRUE(FileTruncate(file, model.size()));
            break;
        }
    }
    std::uint64_t size = 0;
    ASSERT_TRUE(FileSize(file, &size));
    EXPECT_EQ(size, model.size());
    ASSERT_TRUE(FileClose(file) && FileClose(from));
    EXPECT_TRUE(ReadBytes("modell.bin") == model);
}

INSTANTIATE_TEST_SUITE_P(Copies, FilesBothCopies, testing::Values(0u, OperationBit(kOperationSystemCopy)));

// What whole conversions do not meet: a name that must be claimed new, and a
// write failure that surfaces only when the buffer is written at the close.
TEST(Files, EveryFailureIsTold) {
    TempFolder folder;
    ResetTestPlatform();
    WriteBytes("neu.dbf", "a");
    bool taken = false;
    EXPECT_EQ(FileCreateNew("neu.dbf", &taken), kNoFile);  // a claimed name must be free
    EXPECT_TRUE(taken);
    EXPECT_EQ(FileCreateNew("fehlt/neu.dbf", &taken), kNoFile);
    EXPECT_FALSE(taken);  // no other name would help
    // A closed handle is dead.
    FileProblem problem;
    FileHandle closed = FileOpenRead("neu.dbf", &problem);
    ASSERT_TRUE(FileClose(closed));
    char byte;
    std::uint32_t done = 7;
    EXPECT_FALSE(FileRead(closed, &byte, 1, &done));
    EXPECT_EQ(done, 0u);
#ifndef _WIN32
    FileHandle full = FileCreate("/dev/full");
    EXPECT_TRUE(FileWrite(full, "Daten", 5, &done));
    EXPECT_FALSE(FileClose(full));
#endif
}

}  // namespace
