// step_list.cpp -- the step list of the main window.
#include "app/step_list.h"

#include "app/shell_records.h"
#include "app/shell_texts.h"
#include "app/window_dpi.h"
#include "support/app_state.h"
#include "support/text_buffer.h"

namespace {

// Columns and rows, in pixels of the client area at 96 dpi. The step rows
// are 60 apart, each display 20 below its step.
const int kHeadingX = 150;
const int kHeadingY = 150;
const int kMarkerX = 50;
const int kStepX = 70;
const int kDisplayX = 100;
const int kFirstStepY = 190;
const int kStepSpacing = 60;
const int kDisplayBelow = 20;

// The system font at 96 dpi, the context's default there: 16 pixels high
// and 7 wide on average.
const int kFontHeight = 16;
const int kFontWidth = 7;

void PutText(HDC context, UINT dpi, int x, int y, const char* text, std::uint32_t count) {
    TextOutA(context, ScaleToDpi(x, dpi), ScaleToDpi(y, dpi), text, static_cast<int>(count));
}

void DrawStep(HDC context, UINT dpi, int row, const char* marker, const char* text) {
    int y = kFirstStepY + kStepSpacing * row;
    PutText(context, dpi, kMarkerX, y, marker, 1);
    PutText(context, dpi, kStepX, y, text, LengthUntil(text, 0, '\0'));
}

// The system font's design at the size that matches `dpi`. The stock font
// of a system that is not at 96 dpi has that system's size, not the window's.
HFONT CreateStepListFont(UINT dpi) {
    LOGFONTA font;
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfHeight = ScaleToDpi(kFontHeight, dpi);
    font.lfWidth = ScaleToDpi(kFontWidth, dpi);
    return CreateFontIndirectA(&font);
}

}  // namespace

SIZE StepListExtent(UINT dpi) {
    int right = kDisplayX + static_cast<int>(kDisplayWidth) * kFontWidth + kMarkerX;
    int bottom = kFirstStepY + 3 * kStepSpacing + kFontHeight + kMarkerX;
    return {ScaleToDpi(right, dpi), ScaleToDpi(bottom, dpi)};
}

void PaintStepList() {
    HWND window = static_cast<HWND>(appState.mainWindow);
    shell.paintContext = BeginPaint(window, &shell.paintInfo);
    DrawStepList(shell.paintContext, WindowDpi(window));
    EndPaint(window, &shell.paintInfo);
}

void DrawStepList(HDC context, UINT dpi) {
    // At 96 dpi on a system at 96 dpi the context's default font is the design.
    bool ownFont = dpi != kDesignDpi || GetDeviceCaps(context, LOGPIXELSY) != static_cast<int>(kDesignDpi);
    HFONT font = ownFont ? CreateStepListFont(dpi) : nullptr;
    HGDIOBJ defaultFont = ownFont ? SelectObject(context, font) : nullptr;

    const StepList& steps = appState.steps;
    PutText(context, dpi, kHeadingX, kHeadingY, kStepHeading, LengthUntil(kStepHeading, 0, '\0'));
    DrawStep(context, dpi, 0, &steps.marker1, kStep1Label);
    PutText(context, dpi, kDisplayX, kFirstStepY + kDisplayBelow, steps.inputDisplay, kDisplayWidth);
    DrawStep(context, dpi, 1, &steps.marker2, kStep2Label);
    PutText(context, dpi, kDisplayX, kFirstStepY + kStepSpacing + kDisplayBelow, steps.outputDisplay,
            kDisplayWidth);
    DrawStep(context, dpi, 2, &steps.marker3, kStep3Label);
    PutText(context, dpi, kDisplayX, kFirstStepY + 2 * kStepSpacing + kDisplayBelow, steps.optionDisplay,
            sizeof steps.optionDisplay);
    DrawStep(context, dpi, 3, &steps.marker4, kStep4Label);

    if (ownFont) {
        SelectObject(context, defaultFont);
        DeleteObject(font);
    }
}
