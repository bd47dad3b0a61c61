#pragma once
// A canvas over a small buffer of a known colour, and helpers to read it back as colour
// references.
#include <vector>

#include "desktop/drawing/canvas.h"

namespace desktop::testing {

constexpr ColorRef kPaper = Rgb(1, 2, 3);  // a colour no drawing under test produces

class CanvasFixture {
 public:
  explicit CanvasFixture(int width = 20, int height = 20, ColorRef paper = kPaper)
      : pixels_(static_cast<size_t>(width) * height, ToPixel(paper)), canvas_(pixels_.data(), width, height, width) {}

  Canvas& canvas() { return canvas_; }
  // The colour at a surface point, whatever the canvas's origin and clip.
  ColorRef At(int x, int y) const { return FromPixel(pixels_[static_cast<size_t>(y) * canvas_.SurfaceWidth() + x]); }
  Pixel Raw(int x, int y) const { return pixels_[static_cast<size_t>(y) * canvas_.SurfaceWidth() + x]; }
  int CountOf(ColorRef c) const {
    int n = 0;
    for (Pixel p : pixels_) n += FromPixel(p) == c;
    return n;
  }

 private:
  std::vector<Pixel> pixels_;
  Canvas canvas_;
};

}  // namespace desktop::testing
