#include "desktop/text/freetype_font.h"

#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>

#include "desktop/text/gbk.h"

namespace desktop {

namespace {

constexpr int kDefaultPixelSize = 12;  // the Chinese default GUI font, 9 points
constexpr int kMaxPixelSize = 1000;

// Characters the Song face draws full width: the East Asian wide ranges, and the private use area
// where the code page's user-defined double-byte characters land.
bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xE000 && c <= 0xF8FF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

int CeilDiv(long long a, long long b) { return static_cast<int>((a + b - 1) / b); }

// A double-byte character the code page leaves unassigned decodes to U+FFFD like a malformed
// byte, but keeps the width of a double-byte character: it has a glyph-cache key of its own,
// past the end of Unicode, which no face maps.
constexpr char32_t kUnassignedDoubleByte = 0x110000;

char32_t GlyphKey(const GbkChar& c) { return c.length == 2 && c.code == 0xFFFD ? kUnassignedDoubleByte : c.code; }

// Characters whose ink reaches furthest above and below the baseline in the Song face.
constexpr char32_t kTallSamples[] = {U'A', U'|', U'g', U'_', U'(', U'\u5B8B', U'\uFF0C', U'\u2191', U'\u201C',
                                     U'\u3010', U'\uFF08'};

void CopyBitmap(const FT_Bitmap& bm, Glyph& g) {
  g.width = static_cast<int>(bm.width);
  g.height = static_cast<int>(bm.rows);
  g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
  for (int y = 0; y < g.height; ++y) {
    const unsigned char* row = bm.buffer + static_cast<long>(y) * bm.pitch;
    std::uint8_t* out = g.coverage.data() + static_cast<size_t>(y) * g.width;
    for (int x = 0; x < g.width; ++x) {
      switch (bm.pixel_mode) {
        case FT_PIXEL_MODE_MONO:
          out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0;
          break;
        case FT_PIXEL_MODE_GRAY: {
          const int levels = std::max<int>(bm.num_grays - 1, 1);
          out[x] = static_cast<std::uint8_t>(row[x] * 255 / levels);
          break;
        }
        case FT_PIXEL_MODE_BGRA:
          out[x] = row[x * 4 + 3];
          break;
        default:
          out[x] = 0;
          break;
      }
    }
  }
}

}  // namespace

std::shared_ptr<FreeTypeFont> FreeTypeFont::Make(const LogFont& lf) {
  const long long h = lf.height;
  const long long asked = h == 0 ? kDefaultPixelSize : std::llabs(h);
  if (asked > kMaxPixelSize || lf.width < 0 || lf.width > kMaxPixelSize) return nullptr;
  FontSource source;
  if (!MatchFont(lf, static_cast<int>(asked), &source)) return nullptr;
  auto face = FreeTypeFace::Open(source.path, source.index);
  if (!face) return nullptr;
  std::shared_ptr<FreeTypeFont> font(new FreeTypeFont(lf, std::move(source), std::move(face)));
  if (!font->size_ || !font->SetSize(lf)) return nullptr;
  font->SetLineMetrics();
  if (!font->source_.song) {
    LogFont song = lf;
    song.height = -font->pixel_size_;
    song.width = 0;
    song.face_name[0] = '\0';
    font->fallback_ = Font::Create(song);
  }
  return font;
}

FreeTypeFont::FreeTypeFont(const LogFont& lf, FontSource source, std::shared_ptr<FreeTypeFace> face)
    : logfont_(lf), source_(std::move(source)), face_(std::move(face)) {
  underline_ = lf.underline != 0;
  strike_out_ = lf.strike_out != 0;
  if (FT_New_Size(face_->face(), &size_) != 0) size_ = nullptr;
}

FreeTypeFont::~FreeTypeFont() {
  if (size_) FT_Done_Size(size_);
}

// Picks the pixel size from the record's height and width, and an embedded strike when the face
// has one of exactly that size.
bool FreeTypeFont::SetSize(const LogFont& lf) {
  FT_Face face = face_->face();
  FT_Activate_Size(size_);
  const bool scalable = FT_IS_SCALABLE(face);
  const int units = scalable ? face->units_per_EM : 0;
  const int cell_units = scalable ? face->ascender - face->descender : 0;

  if (lf.height < 0) {
    pixel_size_ = -lf.height;
  } else if (lf.height == 0) {
    pixel_size_ = kDefaultPixelSize;
  } else if (source_.song && scalable) {
    // Cell height asked for. A strike's cell is its em square; drawn from outlines the cell is
    // the ink's extent, which may exceed the em by a pixel or two.
    pixel_size_ = std::min(lf.height, kMaxPixelSize);
    if (!HasStrike(pixel_size_)) {
      while (pixel_size_ > 1) {
        FT_Set_Pixel_Sizes(face, pixel_size_, pixel_size_);
        int ascent = 0, descent = 0;
        MeasureInk(&ascent, &descent);
        if (ascent + descent <= lf.height) break;
        --pixel_size_;
      }
    }
  } else if (!scalable || cell_units <= 0) {
    pixel_size_ = lf.height;
  } else {
    // Cell height asked for: the largest pixel size whose ascent plus descent fits it.
    pixel_size_ = std::max(1, static_cast<int>(static_cast<long long>(lf.height) * units / cell_units));
    auto cell = [&](int px) { return CeilDiv(1LL * face->ascender * px, units) + CeilDiv(-1LL * face->descender * px, units); };
    while (pixel_size_ > 1 && cell(pixel_size_) > lf.height) --pixel_size_;
    while (cell(pixel_size_ + 1) <= lf.height) ++pixel_size_;
  }
  pixel_size_ = std::clamp(pixel_size_, 1, kMaxPixelSize);

  int x_size = pixel_size_;
  if (lf.width > 0) {
    // The width field is the average character width; the Song face's is half its pixel size.
    int natural = pixel_size_ / 2;
    if (!source_.song && scalable) {
      if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->xAvgCharWidth > 0)
        natural = CeilDiv(1LL * os2->xAvgCharWidth * pixel_size_, units);
    }
    natural = std::max(natural, 1);
    x_size = std::clamp(static_cast<int>(1LL * pixel_size_ * lf.width / natural), 1, kMaxPixelSize * 4);
  }

  if (x_size == pixel_size_) {
    const int strike = StrikeIndex(pixel_size_);
    if (strike >= 0 && FT_Select_Size(face, strike) == 0) {
      strike_ = true;
      return true;
    }
  }
  if (scalable) return FT_Set_Pixel_Sizes(face, x_size, pixel_size_) == 0;
  // A face of bitmaps only: the strike nearest in height.
  int best = -1;
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    const int d = std::abs(((face->available_sizes[i].y_ppem + 32) >> 6) - pixel_size_);
    if (best < 0 || d < std::abs(((face->available_sizes[best].y_ppem + 32) >> 6) - pixel_size_)) best = i;
  }
  if (best < 0 || FT_Select_Size(face, best) != 0) return false;
  strike_ = true;
  pixel_size_ = (face->available_sizes[best].y_ppem + 32) >> 6;
  return pixel_size_ > 0;
}

int FreeTypeFont::StrikeIndex(int pixel_size) const {
  FT_Face face = face_->face();
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    const FT_Bitmap_Size& s = face->available_sizes[i];
    if ((s.y_ppem + 32) >> 6 == pixel_size && (s.x_ppem + 32) >> 6 == pixel_size) return i;
  }
  return -1;
}

void FreeTypeFont::MeasureInk(int* ascent, int* descent) const {
  FT_Face face = face_->face();
  *ascent = *descent = 0;
  for (char32_t c : kTallSamples) {
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    *ascent = std::max(*ascent, slot->bitmap_top);
    *descent = std::max(*descent, static_cast<int>(slot->bitmap.rows) - slot->bitmap_top);
  }
}

void FreeTypeFont::SetLineMetrics() {
  if (source_.song && strike_) {
    // A strike's cell is the em square, as in the Song face this one stands for: the ascent is
    // where its tallest cells start (ASCII cells, a Chinese character, a full-width comma), the
    // rest of the cell lies below the baseline.
    ascent_ = 0;
    for (char32_t c : {U'A', U'\u5B8B', U'\uFF0C'}) ascent_ = std::max(ascent_, Render(c).top);
    if (ascent_ <= 0 || ascent_ > pixel_size_) ascent_ = pixel_size_ - pixel_size_ / 7;
    descent_ = pixel_size_ - ascent_;
  } else if (source_.song) {
    // Drawn from outlines, the cell holds the ink of the tallest and deepest characters: at
    // least the em square, a pixel or two more at some sizes (internal leading).
    MeasureInk(&ascent_, &descent_);
    ascent_ = std::max(ascent_, 1);
    descent_ = std::max(descent_, pixel_size_ - ascent_);
  } else {
    const FT_Size_Metrics& m = size_->metrics;
    ascent_ = std::max(1, static_cast<int>((m.ascender + 63) >> 6));
    descent_ = std::max(0, static_cast<int>((-m.descender + 63) >> 6));
  }
  underline_offset_ = ascent_ + std::max(0, (descent_ - 1) / 2);
  line_thickness_ = std::max(1, pixel_size_ / 20);
  underline_offset_ = std::min(underline_offset_, std::max(0, Height() - line_thickness_));
  strike_out_offset_ = std::max(0, ascent_ - (pixel_size_ * 3 + 5) / 10);
  average_width_ = std::max(1, GlyphFor(U'x').advance);
}

int FreeTypeFont::FallbackAdvance(char32_t code) const {
  return IsWide(code) || code == kUnassignedDoubleByte ? pixel_size_ : std::max(1, pixel_size_ / 2);
}

Glyph FreeTypeFont::Render(char32_t code) const {
  FT_Face face = face_->face();
  FT_Activate_Size(size_);
  const FT_UInt index = FT_Get_Char_Index(face, code);
  if (index == 0 && fallback_) {
    if (auto* song = dynamic_cast<const FreeTypeFont*>(fallback_.get())) return song->GlyphFor(code);
  }
  Glyph g;
  const FT_Int32 flags = strike_ ? FT_LOAD_DEFAULT : FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL;
  FT_Error err = FT_Load_Glyph(face, index, flags);
  if (!err && face->glyph->format != FT_GLYPH_FORMAT_BITMAP)
    err = FT_Render_Glyph(face->glyph, strike_ ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL);
  if (!err) {
    CopyBitmap(face->glyph->bitmap, g);
    g.left = face->glyph->bitmap_left;
    g.top = face->glyph->bitmap_top;
    g.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
  }
  // A character the face lacks shows its .notdef box in a cell of the character's own width.
  if (err || index == 0) g.advance = FallbackAdvance(code);
  if (source_.synthetic_italic) SlantGlyph(g, descent_);
  if (source_.synthetic_bold) EmboldenGlyph(g);
  return g;
}

const Glyph& FreeTypeFont::GlyphFor(char32_t code) const {
  if (code < ascii_glyphs_.size()) {
    auto& slot = ascii_glyphs_[code];
    if (!slot) slot = std::make_unique<Glyph>(Render(code));
    return *slot;
  }
  auto it = glyphs_.find(code);
  if (it == glyphs_.end()) it = glyphs_.emplace(code, Render(code)).first;
  return it->second;
}

Size FreeTypeFont::Measure(std::string_view gbk) const {
  int width = 0;
  for (size_t pos = 0; pos < gbk.size();) {
    const GbkChar c = DecodeGbkChar(gbk, pos);
    width += GlyphFor(GlyphKey(c)).advance;
    pos += c.length;
  }
  return {width, Height()};
}

std::vector<int> FreeTypeFont::CharacterEdges(std::string_view gbk) const {
  std::vector<int> edges(gbk.size() + 1, 0);
  int x = 0;
  for (size_t pos = 0; pos < gbk.size();) {
    const GbkChar c = DecodeGbkChar(gbk, pos);
    for (size_t i = 0; i < c.length; ++i) edges[pos + i] = x;
    x += GlyphFor(GlyphKey(c)).advance;
    pos += c.length;
  }
  edges[gbk.size()] = x;
  return edges;
}

void FreeTypeFont::Draw(Canvas& canvas, Point at, std::string_view gbk, ColorRef color) const {
  const Point surface = at + canvas.Origin();
  const int baseline = surface.y + ascent_;
  int pen = surface.x;
  for (size_t pos = 0; pos < gbk.size();) {
    const GbkChar c = DecodeGbkChar(gbk, pos);
    const Glyph& g = GlyphFor(GlyphKey(c));
    canvas.BlendMask(pen + g.left, baseline - g.top, g.coverage.data(), g.width, g.height, g.width, color);
    pen += g.advance;
    pos += c.length;
  }
  const int width = pen - surface.x;
  if (underline_) canvas.FillRect({at.x, at.y + underline_offset_, at.x + width, at.y + underline_offset_ + line_thickness_}, color);
  if (strike_out_)
    canvas.FillRect({at.x, at.y + strike_out_offset_, at.x + width, at.y + strike_out_offset_ + line_thickness_}, color);
}

}  // namespace desktop
