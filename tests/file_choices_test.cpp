// How a chosen path shows in the step list's 80-character display, longer
// paths included, which the robot's roads never choose. What a choice, a
// cancelled dialog and the option change in the window, the robot sees
// (tests/robot/scenarios.cpp).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/file_choices.h"

namespace {

// A path fills its 80-character display from the left, blank-filled; a longer
// one keeps its end, with the file name. Nothing beyond the display changes.
TEST(Choices, APathShowsInItsDisplayWithItsFileName) {
    const std::string deep = "C:\\" + std::string(100, 'v') + "\\kunden.dbf";
    const struct {
        std::string path, shown;
    } kCases[] = {
        {"C:\\Daten\\kunden.dbf", "C:\\Daten\\kunden.dbf" + std::string(61, ' ')},
        {std::string(80, 'x'), std::string(80, 'x')},
        {std::string(81, 'x'), "..." + std::string(77, 'x')},
        {deep, "..." + deep.substr(deep.size() - 77)},
    };
    for (const auto& c : kCases) {
        char display[82];
        std::memset(display, '#', sizeof display);
        ShowPathInDisplay(c.path.c_str(), display);
        EXPECT_EQ(std::string(display, 82), c.shown + "##") << c.path;
    }
}

}  // namespace
