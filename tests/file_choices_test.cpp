// What a file dialog's result and the option leave in the step list, as the
// window program's portable half writes it. What the window then shows, the
// robot sees (tests/robot/scenarios.cpp).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/file_choices.h"
#include "app/oem_option.h"
#include "support/app_state.h"

namespace {

// A path fills its 80-character display from the left, blank-filled; a longer
// one keeps its end, with the file name. Nothing beyond the display changes.
TEST(Choices, APathShowsInItsDisplayWithItsFileName) {
    const std::string deep = "C:\\" + std::string(100, 'v') + "\\kunden.dbf";
    const struct {
        std::string path, shown;
    } kCases[] = {
        {"", std::string(80, ' ')},
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

// Either step: a choice shows its path and clears its marker; a dialog left
// without one empties the path, blanks the display and sets the marker back.
TEST(Choices, EachStepShowsItsChoiceOrItsMarker) {
    StepList& steps = appState.steps;
    const struct {
        void (*accept)(bool);
        char* path;
        char* display;
        std::string markers;  // of steps 1 and 2 after the choice
    } kSteps[] = {{AcceptInputChoice, appState.inputPath, steps.inputDisplay, " >"},
                  {AcceptOutputChoice, appState.outputPath, steps.outputDisplay, "> "}};
    for (const auto& step : kSteps) {
        appState = AppState();
        std::strcpy(step.path, "C:\\Daten\\neu.dbf");
        step.accept(true);
        EXPECT_EQ(std::string(step.display, 80), "C:\\Daten\\neu.dbf" + std::string(64, ' '));
        EXPECT_EQ(std::string({steps.marker1, steps.marker2}), step.markers);
        step.accept(false);
        EXPECT_EQ(step.path[0], '\0');
        EXPECT_EQ(std::string(step.display, 80), std::string(80, ' '));
        EXPECT_EQ(std::string({steps.marker1, steps.marker2}), ">>");
    }
}

// The option and its display change together, either way.
TEST(Choices, TheOptionAndItsDisplayChangeTogether) {
    SetOemToAnsi(true);
    EXPECT_EQ(std::string(appState.steps.optionDisplay, 4) + char('0' + appState.oemToAnsi), "ja  1");
    SetOemToAnsi(false);
    EXPECT_EQ(std::string(appState.steps.optionDisplay, 4) + char('0' + appState.oemToAnsi), "nein0");
}

}  // namespace
