#pragma once
// Pictures of windows as PNG files (libpng): 8-bit RGB, top row first.
#include <string>

#include "desktop/bitmap.h"

namespace desktop {

// False when the file cannot be written or the bitmap is empty.
bool WritePngFile(const std::string& path, const Bitmap& image);

}  // namespace desktop
