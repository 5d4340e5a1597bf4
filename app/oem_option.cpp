// oem_option.cpp -- SetOemToAnsi: the option and its display change together.
#include "app/oem_option.h"

#include "convert/messages.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

void SetOemToAnsi(bool on) {
    CopyText(appState.steps.optionDisplay, on ? kOptionOn : kOptionOff, sizeof appState.steps.optionDisplay,
             0);
    appState.oemToAnsi = on ? 1 : 0;
}
