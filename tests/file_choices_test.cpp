// The step list, the option and the derived paths after each choice of the
// user, as the file dialogs and the option command leave them.
#include <gtest/gtest.h>

#include <string>

#include "app/file_choices.h"
#include "app/oem_option.h"
#include "platform/test/platform_test.h"
#include "support/app_state.h"

namespace {

class Choices : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTestPlatform();
        appState = AppState();
    }
    static void Put(char* field, const std::string& path) {
        path.copy(field, path.size());
        field[path.size()] = '\0';
    }
    static std::string Display(const char* display) { return std::string(display, 80); }
};

TEST_F(Choices, AChosenInputIsShownAndItsMemoPathDerived) {
    Put(appState.inputPath, "C:\\Daten\\kunden.dbf");
    AcceptInputChoice(true);
    EXPECT_EQ(Display(appState.steps.inputDisplay), "C:\\Daten\\kunden.dbf" + std::string(61, ' '));
    EXPECT_EQ(appState.steps.marker1, ' ');
    EXPECT_EQ(appState.steps.marker2, '>');
    EXPECT_EQ(RepaintCount(), 1);
}

TEST_F(Choices, AChosenOutputDerivesItsMemoAndReportPaths) {
    Put(appState.outputPath, "C:\\Daten\\neu.dbf");
    AcceptOutputChoice(true);
    EXPECT_EQ(Display(appState.steps.outputDisplay), "C:\\Daten\\neu.dbf" + std::string(64, ' '));
    EXPECT_EQ(appState.steps.marker2, ' ');
}

TEST_F(Choices, ADialogLeftWithoutAChoiceEmptiesThePathButKeepsTheDerivedOnes) {
    Put(appState.inputPath, "C:\\Daten\\kunden.dbf");
    AcceptInputChoice(true);
    AcceptInputChoice(false);
    EXPECT_EQ(appState.inputPath[0], '\0');
    EXPECT_EQ(Display(appState.steps.inputDisplay), std::string(80, ' '));
    EXPECT_EQ(appState.steps.marker1, '>');
    EXPECT_EQ(RepaintCount(), 2);

    Put(appState.outputPath, "C:\\Daten\\neu.dbf");
    AcceptOutputChoice(true);
    AcceptOutputChoice(false);
    EXPECT_EQ(appState.outputPath[0], '\0');
    EXPECT_EQ(appState.steps.marker2, '>');
}

TEST_F(Choices, ALongPathKeepsItsFileNameVisibleAndTheNextStepItsPlace) {
    std::string path = "C:\\" + std::string(100, 'v') + "\\kunden.dbf";
    char display[82];
    display[80] = '#';
    display[81] = '#';
    ShowPathInDisplay(path.c_str(), display);
    EXPECT_EQ(std::string(display, 80), "..." + path.substr(path.size() - 77));
    EXPECT_EQ(std::string(display + 80, 2), "##");
    std::string exact(80, 'x');
    ShowPathInDisplay(exact.c_str(), display);
    EXPECT_EQ(std::string(display, 80), exact);

    Put(appState.inputPath, path);
    AcceptInputChoice(true);
    EXPECT_EQ(appState.steps.marker2, '>');
}

TEST_F(Choices, TheOptionWritesItsDisplayAndTheReportLineTogether) {
    SetOemToAnsi(true);
    EXPECT_EQ(appState.oemToAnsi, 1);
    EXPECT_EQ(std::string(appState.steps.optionDisplay, 4), "ja  ");
    EXPECT_EQ(appState.steps.marker4, '>');  // the unused blank before step 4 stays
    SetOemToAnsi(false);
    EXPECT_EQ(appState.oemToAnsi, 0);
    EXPECT_EQ(std::string(appState.steps.optionDisplay, 4), "nein");
}

}  // namespace
