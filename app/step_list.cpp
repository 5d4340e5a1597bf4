// step_list.cpp -- the step list of the main window.
#include "app/step_list.h"

#include "app/shell_records.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

// Columns and rows, in pixels of the client area. The step rows are 60
// apart, each display 20 below its step.
const int kHeadingX = 150;
const int kHeadingY = 150;
const int kMarkerX = 50;
const int kStepX = 70;
const int kDisplayX = 100;
const int kFirstStepY = 190;
const int kStepSpacing = 60;
const int kDisplayBelow = 20;

void PutText(HDC context, int x, int y, const char* text, std::uint32_t count) {
    TextOutA(context, x, y, text, static_cast<int>(count));
}

void DrawStep(HDC context, int row, const char* marker, const char* text) {
    int y = kFirstStepY + kStepSpacing * row;
    PutText(context, kMarkerX, y, marker, 1);
    PutText(context, kStepX, y, text, LengthUntil(text, 0, '\0'));
}

}  // namespace

void PaintStepList() {
    HWND window = static_cast<HWND>(appState.mainWindow);
    shell.paintContext = BeginPaint(window, &shell.paintInfo);
    DrawStepList(shell.paintContext);
    EndPaint(window, &shell.paintInfo);
}

void DrawStepList(HDC context) {
    const StepList& steps = appState.steps;
    PutText(context, kHeadingX, kHeadingY, steps.heading, LengthUntil(steps.heading, 0, '\0'));
    DrawStep(context, 0, &steps.marker1, steps.step1);
    PutText(context, kDisplayX, kFirstStepY + kDisplayBelow, steps.inputDisplay, kDisplayWidth);
    DrawStep(context, 1, &steps.marker2, steps.step2);
    PutText(context, kDisplayX, kFirstStepY + kStepSpacing + kDisplayBelow, steps.outputDisplay,
            kDisplayWidth);
    DrawStep(context, 2, &steps.marker3, steps.step3);
    PutText(context, kDisplayX, kFirstStepY + 2 * kStepSpacing + kDisplayBelow, steps.optionDisplay,
            sizeof steps.optionDisplay);
    DrawStep(context, 3, &steps.marker4, steps.step4);
}
