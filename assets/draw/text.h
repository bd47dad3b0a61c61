#pragma once
// Lettering with FreeType: the shop names and slogans of the pictures.
#include <memory>
#include <string>
#include <string_view>

#include "image.h"

namespace assets {

// The ink box of a text drawn with its pen starting at (0, 0) on the baseline.
struct InkBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

class Typeface {
 public:
  virtual ~Typeface() = default;
  // The face of exactly this fontconfig family (and style, e.g. "Bold"); null when it is not
  // installed, so that no other face is drawn with by accident.
  static std::unique_ptr<Typeface> Find(const std::string& family, const std::string& style);

  // `weight` thickens the strokes by that many pixels; `spacing` adds pixels between characters.
  virtual InkBox Measure(std::string_view utf8, int pixels, double weight = 0, double spacing = 0) const = 0;
  virtual void Draw(Image& image, std::string_view utf8, int pixels, double x, double baseline, Rgb colour,
                    double weight = 0, double spacing = 0) const = 0;

  // Draws the text so that its ink is centred on (cx, cy).
  void DrawCentred(Image& image, std::string_view utf8, int pixels, double cx, double cy, Rgb colour,
                   double weight = 0, double spacing = 0) const;
  // The largest pixel size at most `pixels` whose ink fits `width` x `height`.
  int FitSize(std::string_view utf8, int pixels, double width, double height, double weight = 0,
              double spacing = 0) const;
};

}  // namespace assets
