// oem_option.cpp -- SetOemToAnsi: the option and its two displays change together.
#include "app/oem_option.h"

#include "support/app_state.h"
#include "support/text_buffer.h"

void SetOemToAnsi(bool on) {
    const char* shown = on ? "ja  " : "nein";
    CopyText(appState.steps.optionDisplay, shown, 4, 0);
    CopyText(appState.report.optionLine + sizeof appState.report.optionLine - 5, shown, 4, 0);
    appState.oemToAnsi = on ? 1 : 0;
}
