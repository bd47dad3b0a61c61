#pragma once
// A white canvas to draw text on in black, and where the ink landed.
#include <cstring>
#include <string>
#include <vector>

#include "desktop/drawing/canvas.h"
#include "desktop/text/font.h"
#include "desktop/text/gbk.h"

namespace desktop::testing {

class TextCanvas {
 public:
  TextCanvas(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, ToPixel(Rgb(255, 255, 255))),
        canvas_(pixels_.data(), width, height, width) {}

  Canvas& canvas() { return canvas_; }
  bool Inked(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && FromPixel(pixels_[static_cast<size_t>(y) * width_ + x]) != Rgb(255, 255, 255);
  }
  ColorRef At(int x, int y) const { return FromPixel(pixels_[static_cast<size_t>(y) * width_ + x]); }
  // The smallest rectangle holding every inked pixel (empty when none).
  Rect InkBounds(const Rect& within) const {
    Rect b;
    for (int y = std::max(within.top, 0); y < std::min(within.bottom, height_); ++y)
      for (int x = std::max(within.left, 0); x < std::min(within.right, width_); ++x)
        if (Inked(x, y)) b = b.Union({x, y, x + 1, y + 1});
    return b;
  }
  Rect InkBounds() const { return InkBounds({0, 0, width_, height_}); }
  int InkInRow(int y, int x1, int x2) const {
    int n = 0;
    for (int x = x1; x < x2; ++x) n += Inked(x, y);
    return n;
  }
  bool AllCoverageIsSolid() const {
    for (Pixel p : pixels_) {
      const ColorRef c = FromPixel(p);
      if (c != Rgb(255, 255, 255) && c != Rgb(0, 0, 0)) return false;
    }
    return true;
  }

 private:
  int width_;
  int height_;
  std::vector<Pixel> pixels_;
  Canvas canvas_;
};

inline LogFont SongFont(int height, int weight = 400) {
  LogFont lf;
  lf.height = height;
  lf.weight = weight;
  lf.char_set = 1;
  lf.quality = 2;
  std::memcpy(lf.face_name, "\xCB\xCE\xCC\xE5", 4);  // 宋体
  return lf;
}

inline LogFont NamedFont(const char* face, int height) {
  LogFont lf;
  lf.height = height;
  std::strncpy(lf.face_name, face, sizeof lf.face_name - 1);
  return lf;
}

}  // namespace desktop::testing
