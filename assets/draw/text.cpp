#include "text.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <cstdlib>
#include <vector>

namespace assets {
namespace {

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? c : length == 2 ? (c & 0x1F) : length == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < length && i + k < s.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += length;
  }
  return out;
}

class FreeTypeface final : public Typeface {
 public:
  FreeTypeface(FT_Library library, FT_Face face) : library_(library), face_(face) {}
  ~FreeTypeface() override {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
  }

  InkBox Measure(std::string_view utf8, int pixels, double weight, double spacing) const override {
    InkBox box{1e9, 1e9, -1e9, -1e9};
    Walk(utf8, pixels, weight, spacing, 0, 0, [&box](const FT_Bitmap& bitmap, int left, int top) {
      for (unsigned row = 0; row < bitmap.rows; ++row) {
        for (unsigned col = 0; col < bitmap.width; ++col) {
          if (bitmap.buffer[row * bitmap.pitch + col] == 0) continue;
          box.left = std::min(box.left, double(left + int(col)));
          box.right = std::max(box.right, double(left + int(col) + 1));
          box.top = std::min(box.top, double(top + int(row)));
          box.bottom = std::max(box.bottom, double(top + int(row) + 1));
        }
      }
    });
    if (box.left > box.right) return {};
    return box;
  }

  void Draw(Image& image, std::string_view utf8, int pixels, double x, double baseline, Rgb colour, double weight,
            double spacing) const override {
    Walk(utf8, pixels, weight, spacing, x, baseline, [&](const FT_Bitmap& bitmap, int left, int top) {
      for (unsigned row = 0; row < bitmap.rows; ++row) {
        for (unsigned col = 0; col < bitmap.width; ++col) {
          const int value = bitmap.buffer[row * bitmap.pitch + col];
          if (value != 0) image.Blend(left + int(col), top + int(row), colour, value / 255.0);
        }
      }
    });
  }

 private:
  template <typename Visit>
  void Walk(std::string_view utf8, int pixels, double weight, double spacing, double x, double baseline,
            Visit visit) const {
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels));
    double pen = x;
    for (char32_t cp : DecodeUtf8(utf8)) {
      const FT_UInt glyph = FT_Get_Char_Index(face_, cp);
      if (FT_Load_Glyph(face_, glyph, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) continue;
      FT_GlyphSlot slot = face_->glyph;
      const FT_Pos strength = static_cast<FT_Pos>(std::lround(weight * 64));
      if (strength > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Embolden(&slot->outline, strength);
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) continue;
      visit(slot->bitmap, static_cast<int>(std::lround(pen)) + slot->bitmap_left,
            static_cast<int>(std::lround(baseline)) - slot->bitmap_top);
      pen += slot->advance.x / 64.0 + weight + spacing;
    }
  }

  FT_Library library_;
  FT_Face face_;
};

}  // namespace

std::unique_ptr<Typeface> Typeface::Find(const std::string& family, const std::string& style) {
  // Fontconfig keeps its configuration until told to let go: it goes when the tool ends.
  static const bool ready = [] {
    if (FcInit() != FcTrue) return false;
    std::atexit(FcFini);
    return true;
  }();
  if (!ready) return nullptr;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(style.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return nullptr;

  std::unique_ptr<Typeface> typeface;
  FcChar8* file = nullptr;
  FcChar8* found_family = nullptr;
  FcChar8* found_style = nullptr;
  int index = 0;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
      FcPatternGetString(match, FC_FAMILY, 0, &found_family) == FcResultMatch &&
      FcPatternGetString(match, FC_STYLE, 0, &found_style) == FcResultMatch &&
      FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch &&
      family == reinterpret_cast<const char*>(found_family) && style == reinterpret_cast<const char*>(found_style)) {
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) == 0) {
      if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &face) == 0) {
        typeface = std::make_unique<FreeTypeface>(library, face);
      } else {
        FT_Done_FreeType(library);
      }
    }
  }
  FcPatternDestroy(match);
  return typeface;
}

void Typeface::DrawCentred(Image& image, std::string_view utf8, int pixels, double cx, double cy, Rgb colour,
                           double weight, double spacing) const {
  const InkBox box = Measure(utf8, pixels, weight, spacing);
  const double x = std::round(cx - (box.left + box.right) / 2);
  const double baseline = std::round(cy - (box.top + box.bottom) / 2);
  Draw(image, utf8, pixels, x, baseline, colour, weight, spacing);
}

int Typeface::FitSize(std::string_view utf8, int pixels, double width, double height, double weight,
                      double spacing) const {
  for (; pixels > 4; --pixels) {
    const InkBox box = Measure(utf8, pixels, weight, spacing);
    if (box.Width() <= width && box.Height() <= height) break;
  }
  return pixels;
}

}  // namespace assets
