// The text buffer routines: exactly the bytes they name change, and lines
// reach the file with CR LF.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/text_buffer.h"
#include "test_files.h"

namespace {

std::string Poisoned() { return std::string(8, '#'); }

TEST(CopyText, CopiesCountedOrWholeTextAndTerminatesOnlyWhenAskedWith1) {
    struct Case {
        std::uint32_t count;
        std::uint8_t terminate;
        std::string result;
    };
    const Case cases[] = {
        {0, 0, std::string("ABC#####")},     {0, 1, std::string("ABC\0####", 8)},
        {2, 1, std::string("AB\0#####", 8)},  // the source is longer than the count
        {0, 2, std::string("ABC#####")},      // only 1 writes the NUL
        {3, 0, std::string("ABC#####")},
    };
    for (const Case& c : cases) {
        std::string buffer = Poisoned();
        CopyText(&buffer[0], "ABC", c.count, c.terminate);
        EXPECT_EQ(buffer, c.result) << "count " << c.count << " terminate " << int(c.terminate);
    }
}

TEST(FillBytes, FillsTheRunAndReturnsThePositionBehindIt) {
    std::string buffer = Poisoned();
    unsigned char* start = reinterpret_cast<unsigned char*>(&buffer[0]);
    EXPECT_EQ(FillBytes(start + 1, 3, ' '), start + 4);
    EXPECT_EQ(buffer, "#   ####");
    EXPECT_EQ(FillBytes(start + 5, 0, 'x'), start + 5);
    EXPECT_EQ(buffer, "#   ####");
    // A descriptor keeps bytes 16 and 17 when 12 to 15 and 18 to 31 are cleared.
    unsigned char descriptor[32];
    std::memset(descriptor, 0xEE, sizeof descriptor);
    FillBytes(FillBytes(descriptor + 12, 4, 0) + 2, 14, 0);
    for (int i = 0; i < 32; ++i) {
        bool kept = i < 12 || i == 16 || i == 17;
        EXPECT_EQ(descriptor[i], kept ? 0xEE : 0x00) << "byte " << i;
    }
}

TEST(LengthUntil, FindsTheStopOrGivesLimitMinusOne) {
    EXPECT_EQ(LengthUntil("abc.dbf", 500, '.'), 3u);
    EXPECT_EQ(LengthUntil("abc", 0, '\0'), 3u);  // NUL: the limit is not used
    EXPECT_EQ(LengthUntil("abc", 1, '\0'), 3u);
    const char withNul[5] = {'a', 'b', 'c', '\0', 'x'};
    EXPECT_EQ(LengthUntil(withNul, 5, '.'), 4u);  // not found: limit - 1
    const char dotLast[5] = {'a', 'b', 'c', '\0', '.'};
    EXPECT_EQ(LengthUntil(dotLast, 5, '.'), 4u);  // the NUL does not end the search
    EXPECT_EQ(LengthUntil("a.b", 0, '.'), 0xFFFFFFFFu);
    EXPECT_EQ(LengthUntil(".", 1, '.'), 0u);
}

TEST(WriteLine, WritesTheTextAndCrLf) {
    TempFolder folder;
    std::string path = folder.Path("lines.txt");
    FileHandle file = FileCreate(path.c_str());
    ASSERT_NE(file, kNoFile);
    WriteLine(file, nullptr);
    WriteLine(file, "");
    WriteLine(file, "Satzaufbau");
    char stopped[] = "ab\0cd";
    WriteLine(file, stopped);  // up to the first NUL
    ASSERT_TRUE(FileClose(file));
    EXPECT_EQ(ReadBytes(path), "\r\n\r\nSatzaufbau\r\nab\r\n");
}

}  // namespace
