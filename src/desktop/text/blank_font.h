#pragma once
// The font of last resort, for a desktop with no font file at all: it measures like the Song face
// (half-width and full-width cells) and draws nothing.
#include "desktop/text/font.h"

namespace desktop {

class BlankFont final : public Font {
 public:
  explicit BlankFont(int pixel_size) : size_(pixel_size > 0 ? pixel_size : 12) {}

  int Height() const override { return size_; }
  int Ascent() const override { return size_ - size_ / 6; }
  bool Underline() const override { return false; }
  Size Measure(std::string_view gbk) const override;
  std::vector<int> CharacterEdges(std::string_view gbk) const override;
  void Draw(Canvas& canvas, Point at, std::string_view gbk, ColorRef color) const override;

 private:
  int size_;
};

}  // namespace desktop
