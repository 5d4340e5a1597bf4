// app_state.cpp -- the program-wide record and its initial texts.
#include "support/app_state.h"

#include <cstring>

AppState appState;

StepList::StepList() {
    std::memcpy(heading, kStepHeading, sizeof heading);
    std::memcpy(step1, kStep1Text, sizeof step1);
    std::memcpy(step2, kStep2Text, sizeof step2);
    std::memcpy(step3, kStep3Text, sizeof step3);
    std::memcpy(step4, kStep4Text, sizeof step4);
    std::memset(inputDisplay, ' ', sizeof inputDisplay);
    std::memset(outputDisplay, ' ', sizeof outputDisplay);
}

ReportAreas::ReportAreas() {
    static const char kHeading[] = "Konvertierung dBase-IV oder -V Datei nach dBase-III.";
    std::memset(titleLine, ' ', sizeof titleLine - 1);
    std::memcpy(titleLine, kHeading, sizeof kHeading - 1);
    titleLine[sizeof titleLine - 1] = '\0';
    std::memset(fieldLine, ' ', sizeof fieldLine - 1);
    fieldLine[sizeof fieldLine - 1] = '\0';
    pathLine[0] = '\0';
}
