// file_choices.cpp -- the step list and the derived paths after a file dialog.
#include "app/file_choices.h"

#include "app/derived_paths.h"
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

void AcceptInputChoice(bool chosen) {
    FillBytes(appState.steps.inputDisplay, kDisplayWidth, ' ');
    if (chosen) {
        ShowPathInDisplay(appState.inputPath, appState.steps.inputDisplay);
        DeriveMemoPath(appState.inputPath, appState.inputMemoPath);
        appState.steps.marker1 = ' ';
    } else {
        appState.inputPath[0] = '\0';
        appState.steps.marker1 = '>';
    }
    RepaintWindow(appState.mainWindow);
}

void AcceptOutputChoice(bool chosen) {
    FillBytes(appState.steps.outputDisplay, kDisplayWidth, ' ');
    if (chosen) {
        ShowPathInDisplay(appState.outputPath, appState.steps.outputDisplay);
        DeriveMemoPath(appState.outputPath, appState.outputMemoPath);
        appState.steps.marker2 = ' ';
        RepaintWindow(appState.mainWindow);
        DeriveReportPath();
    } else {
        appState.outputPath[0] = '\0';
        appState.steps.marker2 = '>';
        RepaintWindow(appState.mainWindow);
    }
}
