#pragma once
// The search picture: two shopping bags, orange and pink, with a magnifying glass leaning over
// them. The window icon and the magnifier buttons show it.
#include "image.h"

namespace assets {

// Draws the scene on an 80 x 70 image.
void DrawShoppingBags(Image& image);

}  // namespace assets
