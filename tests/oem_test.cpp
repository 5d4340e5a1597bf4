// OEM-to-ANSI conversion: by count and up to a zero byte; and, under Wine,
// the fixed table of the POSIX build against the system's own conversion.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/oem850_table.h"
#endif

namespace {

TEST(OemConversion, CountedConvertsEveryByteZerosIncluded) {
    char text[] = {'\x84', '\0', '\x94', '\x81', '\xE1', 'A'};  // ä, NUL, ö, ü, ß, A
    OemToAnsiCounted(text, 5);
    EXPECT_EQ(std::string(text, 6), std::string("\xE4\0\xF6\xFC\xDF"
                                                "A",
                                                6));
}

TEST(OemConversion, TerminatedStopsAtTheFirstZeroByte) {
    char text[] = {'\x8E', '\x99', '\0', '\x84', '\0'};  // Ä, Ö, NUL, ä
    OemToAnsiTerminated(text);
    EXPECT_EQ(std::string(text, 5), std::string("\xC4\xD6\0\x84\0", 5));
}

TEST(OemConversion, KeepsPlainAsciiAndMapsBoxDrawingToBestFit) {
    char text[] = "Kunde 42 \xC4\xB3\xDA";  // ─ │ ┌
    OemToAnsiTerminated(text);
    EXPECT_STREQ(text, "Kunde 42 -\xA6+");
}

#ifdef _WIN32
// The POSIX build converts through a table of its own; here, under Wine with
// OEM code page 850, it must agree with the system for every byte.
TEST(OemConversion, PosixTableAgreesWithTheSystemForAll256Bytes) {
    ASSERT_EQ(GetOEMCP(), 850u) << "Wine runs with OEM code page " << GetOEMCP()
                                << "; the de_DE.UTF-8 locale must be generated and named in LANG";
    ASSERT_EQ(GetACP(), 1252u);
    char all[256];
    for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
    ASSERT_TRUE(OemToCharBuffA(all, all, 256));
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(all[i]), kOem850ToAnsi[i]) << "OEM byte " << i;
    }
    for (int i = 1; i < 256; ++i) {
        char one[2] = {static_cast<char>(i), '\0'};
        OemToCharA(one, one);
        EXPECT_EQ(static_cast<unsigned char>(one[0]), kOem850ToAnsi[i]) << "OemToCharA, byte " << i;
    }
}
#endif

}  // namespace
