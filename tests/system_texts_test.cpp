// The system's texts reach the program as Windows-1252 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "convert/messages.h"

namespace {

TEST(SystemTexts, AreWindows1252Bytes) {
    // "dürfen": one byte 0xFC, not the two bytes of UTF-8.
    std::string same = kSameTablesText;
    EXPECT_EQ(same.size(), 50u);
    EXPECT_EQ(static_cast<unsigned char>(same[27]), 0xFC);
    EXPECT_EQ(same.substr(26, 1), "d");
}

}  // namespace
