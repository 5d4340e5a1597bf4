// The memo and report paths derived from a chosen table, as each platform
// spells paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "convert/run_paths.h"
#include "support/app_state.h"
#include "test_files.h"

namespace {

std::string Memo(const std::string& table) {
    char memo[256];
    std::memset(memo, '#', sizeof memo);
    if (DeriveMemoPath(table.c_str(), memo) == 0) return "(zu lang)";
    return memo;
}

std::string Report(const std::string& output) {
    char report[256];
    if (DeriveReportPathOf(output.c_str(), report) == 0) return "(zu lang)";
    return report;
}

TEST(DeriveMemoPath, CutsBehindTheExtensionsSecondCharacterAndAppendsT) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Daten\\kunden.dbf", "C:\\Daten\\kunden.dbt"},
        {"C:\\Daten.alt\\neu.dbf", "C:\\Daten.alt\\neu.dbt"},
        {"C:\\x\\a.b.dbf", "C:\\x\\a.b.dbt"},
        {"a.dbase", "a.dbt"},
        {"C:\\Daten\\Kunden.Dbf", "C:\\Daten\\Kunden.Dbt"},
        {"C:\\Daten\\neu", "C:\\Daten\\neu.dbt"},    // no extension
        {"C:\\Daten\\neu.d", "C:\\Daten\\neu.dbt"},  // one character
        {"C:\\Daten\\neu.", "C:\\Daten\\neu.dbt"},
        {"C:\\Daten.alt\\neu", "C:\\Daten.alt\\neu.dbt"},  // the dot of a directory is none
    };
    for (const auto& [table, memo] : cases) EXPECT_EQ(Memo(NativePath(table)), NativePath(memo)) << table;
}

TEST(DeriveMemoPath, KeepsTheCaseOfTheNameAsThePlatformNamesFiles) {
    if (FileNamesCaseSensitive()) {
        EXPECT_EQ(Memo("D:\\ALT\\KUNDEN.DBF"), "D:\\ALT\\KUNDEN.DBT");
        EXPECT_EQ(Memo("/daten/KUNDEN"), "/daten/KUNDEN.DBT");
        EXPECT_EQ(Memo("/daten.alt/neu"), "/daten.alt/neu.dbt");
        EXPECT_EQ(Memo("/daten/kunden.dbf"), "/daten/kunden.dbt");
        EXPECT_EQ(Memo("/daten/kunden.DBf"), "/daten/kunden.DBT");
    } else {
        EXPECT_EQ(Memo("D:\\ALT\\KUNDEN.DBF"), "D:\\ALT\\KUNDEN.DBt");
        EXPECT_EQ(Memo("D:\\ALT\\KUNDEN"), "D:\\ALT\\KUNDEN.dbt");
    }
}

TEST(DeriveMemoPath, RefusesAPathThatWouldNotFit) {
    std::string longName(251, 'n');
    EXPECT_EQ(Memo(longName + ".dbf"), longName + ".dbt");  // 255 characters
    EXPECT_EQ(Memo(longName + "xx"), "(zu lang)");          // 253 + ".dbt"
}

TEST(DeriveReportPath, PutsReportTxtIntoTheOutputDirectory) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Daten\\neu.dbf", "C:\\Daten\\Report.txt"},
        {"C:\\Daten.alt\\neu.dbf", "C:\\Daten.alt\\Report.txt"},
        {"C:\\neu.dbf", "C:\\Report.txt"},
        {"neu.dbf", "Report.txt"},
    };
    for (const auto& [table, report] : cases) EXPECT_EQ(Report(NativePath(table)), NativePath(report));
    std::string directory(244, 'd');  // with its separator 245 characters
    EXPECT_EQ(Report(NativePath(directory + "\\n.dbf")), NativePath(directory + "\\Report.txt"));
    EXPECT_EQ(Report(NativePath(directory + "d\\n.dbf")), "(zu lang)");  // 257 bytes with the NUL
}

#ifndef _WIN32
// On POSIX '\\' is a character of a name like any other.
TEST(DerivedPaths, ABackslashSeparatesNothingOnPosix) {
    EXPECT_EQ(Report("/aus/Preis\\Liste.dbf"), "/aus/Report.txt");
    EXPECT_EQ(Memo("/aus/Preis\\Liste.dbf"), "/aus/Preis\\Liste.dbt");
    EXPECT_EQ(Memo("/aus.alt/Preis\\Liste"), "/aus.alt/Preis\\Liste.dbt");
}
#endif

}  // namespace
