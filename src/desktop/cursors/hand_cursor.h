#pragma once
// The hand cursor the hyperlink boxes show: a pointing hand whose fingertip is the hot spot.
#include "desktop/bitmap.h"
#include "desktop/geometry.h"

namespace desktop {

constexpr Point kHandCursorHotSpot{6, 1};

// The hand as a 32 x 32 bitmap: black outline, white inside, alpha 0 elsewhere.
const Bitmap& HandCursorImage();

}  // namespace desktop
