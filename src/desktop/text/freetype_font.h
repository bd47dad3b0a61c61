#pragma once
// A font made through FreeType, with its glyphs cached by code point. Measure, CharacterEdges and
// Draw all take the same cached advances, so what is measured is what is drawn.
#include <array>
#include <memory>
#include <unordered_map>

#include "desktop/text/font.h"
#include "desktop/text/font_match.h"
#include "desktop/text/freetype_faces.h"
#include "desktop/text/glyph.h"

namespace desktop {

class FreeTypeFont final : public Font {
 public:
  // A font for the record; null when its size is out of range or no face can be opened.
  static std::shared_ptr<FreeTypeFont> Make(const LogFont& lf);
  ~FreeTypeFont() override;

  int Height() const override { return ascent_ + descent_; }
  int Ascent() const override { return ascent_; }
  bool Underline() const override { return underline_; }
  Size Measure(std::string_view gbk) const override;
  std::vector<int> CharacterEdges(std::string_view gbk) const override;
  void Draw(Canvas& canvas, Point at, std::string_view gbk, ColorRef color) const override;
  int UnderlineOffset() const override { return underline_offset_; }
  int LineThickness() const override { return line_thickness_; }
  int AverageCharWidth() const override { return average_width_; }

  int PixelSize() const { return pixel_size_; }
  // True when the glyphs come from one of the face's embedded bitmap strikes.
  bool UsesBitmapStrike() const { return strike_; }
  const std::string& FilePath() const { return source_.path; }
  const Glyph& GlyphFor(char32_t code) const;

 private:
  FreeTypeFont(const LogFont& lf, FontSource source, std::shared_ptr<FreeTypeFace> face);
  bool SetSize(const LogFont& lf);
  int StrikeIndex(int pixel_size) const;  // -1 when the face has no strike of that size
  bool HasStrike(int pixel_size) const { return StrikeIndex(pixel_size) >= 0; }
  // How far the ink of the face's tallest characters reaches above and below the baseline at
  // the current size.
  void MeasureInk(int* ascent, int* descent) const;
  void SetLineMetrics();
  Glyph Render(char32_t code) const;
  int FallbackAdvance(char32_t code) const;

  LogFont logfont_;
  FontSource source_;
  std::shared_ptr<FreeTypeFace> face_;
  FT_Size size_ = nullptr;
  int pixel_size_ = 12;
  bool strike_ = false;
  int ascent_ = 0;
  int descent_ = 0;
  bool underline_ = false;
  bool strike_out_ = false;
  int underline_offset_ = 0;
  int strike_out_offset_ = 0;
  int line_thickness_ = 1;
  int average_width_ = 1;
  // Characters this face lacks come from the Song face at the same size (null for that face).
  std::shared_ptr<Font> fallback_;

  mutable std::array<std::unique_ptr<Glyph>, 128> ascii_glyphs_;
  mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace desktop
