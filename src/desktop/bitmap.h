#pragma once
// Decoded pictures: a bitmap of 0xAARRGGBB pixels, top row first. Palette pictures keep their
// palette and indexes as well, as the platform's palette bitmaps do. Icons carry their AND mask
// in the alpha byte (0 where the mask says transparent, 255 elsewhere).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "desktop/color.h"

namespace desktop {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // width * height, row by row from the top

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  Pixel At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

enum class PictureFormat { None, Jpeg, Bmp, Icon, Cursor, Gif, Pcx };

struct Picture {
  enum class Kind { None, Bitmap, Icon };
  Kind kind = Kind::None;
  PictureFormat format = PictureFormat::None;
  Bitmap image;
  std::vector<ColorRef> palette;  // non-empty for palette pictures
  bool IsValid() const { return kind != Kind::None && !image.IsEmpty(); }
};

}  // namespace desktop
