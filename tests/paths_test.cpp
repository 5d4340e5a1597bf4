// Path texts as each platform reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "test_files.h"

namespace {

TEST(PathTexts, SeparatorsAndCaseFollowThePlatform) {
    EXPECT_NE(IsPathSeparator('\\'), IsPathSeparator('/'));
    EXPECT_FALSE(IsPathSeparator('.'));
    EXPECT_FALSE(IsPathSeparator(':'));
    EXPECT_TRUE(SamePathText("C:\\Daten\\neu.dbf", "C:\\Daten\\neu.dbf"));
    EXPECT_TRUE(SameTextIgnoringCase("C:\\Daten\\neu.dbf", "c:\\DATEN\\NEU.DBF"));
    EXPECT_FALSE(SameTextIgnoringCase("neu.dbf", "neu.dbt"));
    EXPECT_EQ(IsPathSeparator('/'), FileNamesCaseSensitive());
    EXPECT_EQ(SamePathText("C:\\Daten\\neu.dbf", "c:\\daten\\NEU.dbf"), !FileNamesCaseSensitive());
}

TEST(PathTexts, FullPathPutsARelativePathIntoTheCurrentDirectory) {
    std::string current = std::filesystem::current_path().string();
    char full[256];
    ASSERT_TRUE(FullPath("neu.dbf", full, sizeof full));
    EXPECT_EQ(std::string(full), (std::filesystem::current_path() / "neu.dbf").string());
    EXPECT_EQ(std::string(full).substr(0, current.size()), current);
    char small[8];
    EXPECT_FALSE(FullPath("neu.dbf", small, sizeof small));
}

#ifndef _WIN32
TEST(PathTexts, FullPathKeepsAnAbsolutePathAndDropsALeadingDotSlash) {
    char full[256];
    ASSERT_TRUE(FullPath("/daten/neu.dbf", full, sizeof full));
    EXPECT_STREQ(full, "/daten/neu.dbf");
    ASSERT_TRUE(FullPath("./neu.dbf", full, sizeof full));
    EXPECT_EQ(std::string(full), (std::filesystem::current_path() / "neu.dbf").string());
}

TEST(PathTexts, ResolveNameCaseFindsTheOneNameThatDiffersOnlyInCase) {
    TempFolder folder;
    WriteBytes(folder.Path("KUNDEN.DBT"), "m");
    std::string wanted = folder.Path("kunden.dbt");
    char path[256];
    std::strcpy(path, wanted.c_str());
    ResolveNameCase(path);
    EXPECT_EQ(std::string(path), folder.Path("KUNDEN.DBT"));

    std::strcpy(path, folder.Path("fehlt.dbt").c_str());  // nothing there: unchanged
    ResolveNameCase(path);
    EXPECT_EQ(std::string(path), folder.Path("fehlt.dbt"));

    WriteBytes(folder.Path("Kunden.dbt"), "m");  // two candidates: neither is taken
    std::strcpy(path, wanted.c_str());
    EXPECT_FALSE(ResolveNameCase(path));
    EXPECT_EQ(std::string(path), wanted);

    WriteBytes(wanted, "m");  // the name itself exists: it wins
    EXPECT_TRUE(ResolveNameCase(path));
    EXPECT_EQ(std::string(path), wanted);
}
#endif

}  // namespace
