// The POSIX build converts from OEM to ANSI through a table of its own; under
// Wine with OEM code page 850 it must agree with the system for every byte,
// both by count and up to a zero byte. (The conversions themselves are seen
// in the expected outputs of whole conversions.)
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "platform/oem850_table.h"

TEST(OemConversion, PosixTableAgreesWithTheSystemForAll256Bytes) {
    ASSERT_EQ(GetOEMCP(), 850u) << "the de_DE.UTF-8 locale must be generated and named in LANG";
    ASSERT_EQ(GetACP(), 1252u);
    char all[256];
    for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
    ASSERT_TRUE(OemToCharBuffA(all, all, 256));
    for (int i = 0; i < 256; ++i) {
        char one[2] = {static_cast<char>(i), '\0'};
        OemToCharA(one, one);
        EXPECT_EQ(static_cast<unsigned char>(all[i]), kOem850ToAnsi[i]) << "OEM byte " << i;
        if (i > 0) {
            EXPECT_EQ(static_cast<unsigned char>(one[0]), kOem850ToAnsi[i]) << "OemToCharA, byte " << i;
        }
    }
}
#endif
