#pragma once
// Size checks shared by the decoders, done before anything is allocated.
#include <cstdint>

#include "desktop/bitmap.h"
#include "desktop/pictures/picture.h"

namespace desktop::pictures {

inline bool AcceptableSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPicturePixels && height <= kMaxPicturePixels &&
         width * height <= kMaxPicturePixels;
}

// An opaque black bitmap of the given size; the caller has checked AcceptableSize.
inline Bitmap MakeBitmap(int width, int height) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFF000000u);
  return bitmap;
}

// The palette colour of an index as an opaque pixel; an index past the palette shows black.
inline Pixel PaletteColor(const std::vector<ColorRef>& palette, unsigned index) {
  return index < palette.size() ? ToPixel(palette[index]) : 0xFF000000u;
}

}  // namespace desktop::pictures
