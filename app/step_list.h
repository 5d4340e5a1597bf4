// step_list.h -- painting the heading, the four steps and their displays.
#pragma once

#include <windows.h>

// Brackets DrawStepList between BeginPaint and EndPaint of the main window.
void PaintStepList();

// Draws the twelve texts of the step list into `context` with its default
// font and colours: the heading and the step texts up to their NUL, the
// markers one character, the displays at their full width.
void DrawStepList(HDC context);
