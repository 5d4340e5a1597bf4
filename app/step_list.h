// step_list.h -- painting the heading, the four steps and their displays.
#pragma once

#include <windows.h>

// Brackets DrawStepList between BeginPaint and EndPaint of the main window.
void PaintStepList();

// Draws the twelve texts of the step list into `context` with its default
// colours: the heading and the step texts up to their NUL, the markers one
// character, the displays at their full width. Positions are those of 96
// dpi scaled to `dpi`; at 96 dpi the text is in the context's default font,
// elsewhere in a font of its design at the matching size.
void DrawStepList(HDC context, UINT dpi);

// The client area the whole step list needs at `dpi`: the displays at their
// full width, the fourth step, and a margin to the right and below as wide
// as the markers' column.
SIZE StepListExtent(UINT dpi);
