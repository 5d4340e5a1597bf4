// file_choices.cpp -- the step list after a file dialog.
#include "app/file_choices.h"

#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

const char kCutMark[] = "...";
const std::uint32_t kCutMarkLength = 3;

}  // namespace

void ShowPathInDisplay(const char* path, char* display) {
    FillBytes(display, kDisplayWidth, ' ');
    std::uint32_t length = LengthUntil(path, 0, '\0');
    if (length <= kDisplayWidth) {
        if (length > 0) CopyText(display, path, length, 0);
        return;
    }
    std::uint32_t tail = kDisplayWidth - kCutMarkLength;
    CopyText(display, kCutMark, kCutMarkLength, 0);
    CopyText(display + kCutMarkLength, path + length - tail, tail, 0);
}

// One step of the two: its path, the display below it and its marker. The
// memo and report paths are derived when the conversion starts.
static void AcceptChoice(bool chosen, char* path, char* display, char* marker) {
    if (chosen) {
        ShowPathInDisplay(path, display);
        *marker = ' ';
    } else {
        FillBytes(display, kDisplayWidth, ' ');
        path[0] = '\0';
        *marker = '>';
    }
    RepaintWindow(appState.mainWindow);
}

void AcceptInputChoice(bool chosen) {
    AcceptChoice(chosen, appState.inputPath, appState.steps.inputDisplay, &appState.steps.marker1);
}

void AcceptOutputChoice(bool chosen) {
    AcceptChoice(chosen, appState.outputPath, appState.steps.outputDisplay, &appState.steps.marker2);
}
