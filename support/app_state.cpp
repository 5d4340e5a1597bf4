// app_state.cpp -- the program-wide record and its initial texts.
#include "support/app_state.h"

#include <cstring>

AppState appState;

StepList::StepList() {
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
