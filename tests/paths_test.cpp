// The paths a run derives from a table's path, as each platform reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "convert/run_paths.h"
#include "platform/files.h"

namespace {

// Win32 spelling in the tests, the platform's own separator in the paths.
std::string Native(std::string path) {
    for (char& c : path) c = c == '\\' ? PathSeparator() : c;
    return path;
}

std::string Derived(bool memo, const std::string& table) {
    char path[256];
    std::memset(path, '#', sizeof path);
    std::uint8_t fits =
        memo ? DeriveMemoPath(Native(table).c_str(), path) : DeriveReportPathOf(Native(table).c_str(), path);
    return fits ? path : path[0] == '\0' ? "(zu lang)" : "(nicht geleert)";
}

TEST(Paths, DerivedFromATable) {
    const std::string d(244, 'd');  // with its separator 245 characters
    const struct {
        bool memo;
        std::string table, derived;
    } cases[] = {
        {true, "C:\\Daten\\kunden.dbf", "C:\\Daten\\kunden.dbt"},
        {true, "C:\\x\\a.b.dbf", "C:\\x\\a.b.dbt"},
        {true, "a.dbase", "a.dbt"},
        {true, "a.xy", "a.xyt"},  // two characters are enough
        {true, "C:\\Daten\\neu.d", "C:\\Daten\\neu.dbt"},  // one character: ".dbt" in its place
        {true, "C:\\Daten.alt\\neu", "C:\\Daten.alt\\neu.dbt"},
        {true, std::string(251, 'n') + ".dbf", std::string(251, 'n') + ".dbt"},
        {true, std::string(252, 'n'), "(zu lang)"},  // 256 characters do not fit
        {false, "C:\\Daten.alt\\neu.dbf", "C:\\Daten.alt\\Report.txt"},
        {false, "neu.dbf", "Report.txt"},
        {false, d + "\\n.dbf", d + "\\Report.txt"},
        {false, d + "d\\n.dbf", "(zu lang)"},
    };
    for (const auto& c : cases) {
        std::string expected = c.derived == "(zu lang)" ? c.derived : Native(c.derived);
        EXPECT_EQ(Derived(c.memo, c.table), expected) << c.table;
    }
    // Where names are case sensitive an upper-case name keeps its case; a
    // backslash is part of a name there.
    if (FileNamesCaseSensitive()) {
        EXPECT_EQ(Derived(true, "/daten/KUNDEN"), "/daten/KUNDEN.DBT");
        EXPECT_EQ(Derived(true, "/daten/kunden.DBf"), "/daten/kunden.DBT");
        EXPECT_EQ(Derived(true, "/daten/a.BZf"), "/daten/a.BZT");
        char report[256];
        DeriveReportPathOf("/aus/Preis\\Liste.dbf", report);
        EXPECT_STREQ(report, "/aus/Report.txt");
    }
}

}  // namespace
