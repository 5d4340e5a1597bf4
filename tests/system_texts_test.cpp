// The system's texts reach the program as Windows-1252 bytes, and AppState
// starts with the texts the window and the report begin with.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "convert/messages.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

TEST(SystemTexts, AreWindows1252Bytes) {
    // "dürfen": one byte 0xFC, not the two bytes of UTF-8.
    std::string same = kSameTablesText;
    EXPECT_EQ(same.size(), 50u);
    EXPECT_EQ(static_cast<unsigned char>(same[27]), 0xFC);
    EXPECT_EQ(same.substr(26, 1), "d");
    StepList steps;
    EXPECT_EQ(static_cast<unsigned char>(steps.step1[17]), 0xE4);  // "wählen"
    EXPECT_EQ(static_cast<unsigned char>(steps.step4[7]), 0xFC);   // "Ausführung"
    EXPECT_EQ(static_cast<unsigned char>(steps.heading[29]), 0xFC);  // "auszuführen"
}

TEST(AppStateAtStart, HoldsTheStepListAsThePaintingMeasuresIt) {
    StepList steps;
    EXPECT_EQ(LengthUntil(steps.heading, 0, '\0'), 35u);
    EXPECT_EQ(LengthUntil(steps.step1, 0, '\0'), 22u);
    EXPECT_EQ(LengthUntil(steps.step2, 0, '\0'), 25u);
    EXPECT_EQ(LengthUntil(steps.step3, 0, '\0'), 11u);
    EXPECT_EQ(LengthUntil(steps.step4, 0, '\0'), 21u);
    EXPECT_EQ(std::string(steps.inputDisplay, 80), std::string(80, ' '));
    EXPECT_EQ(std::string(steps.outputDisplay, 80), std::string(80, ' '));
    EXPECT_EQ(std::string(steps.optionDisplay, 4), "nein");
    for (char marker : {steps.marker1, steps.marker2, steps.marker3, steps.marker4}) {
        EXPECT_EQ(marker, '>');
    }
}

TEST(AppStateAtStart, HoldsTheReportsTextAreas) {
    ReportAreas report;
    std::string title = report.titleLine;
    EXPECT_EQ(title.size(), 109u);
    EXPECT_EQ(title.substr(0, 52), "Konvertierung dBase-IV oder -V Datei nach dBase-III.");
    EXPECT_EQ(title.substr(52), std::string(57, ' '));
    EXPECT_STREQ(report.optionLine, "OemtoAnsi Konvertierung: nein");
    EXPECT_EQ(std::string(report.fieldLine), std::string(60, ' '));
}

}  // namespace
