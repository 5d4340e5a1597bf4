// app_state.cpp -- the program-wide record.
#include "support/app_state.h"

#include <cstring>

AppState appState;

StepList::StepList() {
    std::memset(inputDisplay, ' ', sizeof inputDisplay);
    std::memset(outputDisplay, ' ', sizeof outputDisplay);
}
