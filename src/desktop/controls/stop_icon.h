#pragma once
// The stop icon of error message boxes, drawn with canvas operations: a red disc with a dark rim
// and a soft shadow, and a white X.
#include "desktop/drawing/canvas.h"

namespace desktop {

constexpr int kStopIconSize = 32;

// Draws the icon with its top-left corner at `at` (relative to the canvas origin).
void DrawStopIcon(Canvas& canvas, Point at);

}  // namespace desktop
