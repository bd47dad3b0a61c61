#pragma once
// Fonts made from logical font records, through fontconfig and FreeType, and text drawing.
// Texts are GBK bytes; they become Unicode only inside the engine.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/drawing/canvas.h"

namespace desktop {

// The 60-byte ANSI logical font record, as stored.
struct LogFont {
  std::int32_t height = 0;  // < 0: character height in pixels; > 0: cell height
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 400;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 1;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;
  char face_name[32] = {};  // GBK, zero-terminated
};
static_assert(sizeof(LogFont) == 60);

class Font {
 public:
  virtual ~Font() = default;

  // A font for the record; null when no font can be made for it.
  static std::shared_ptr<Font> Create(const LogFont& lf);
  // The platform's default GUI font (used where a control has no font of its own).
  static std::shared_ptr<Font> DefaultGui();

  virtual int Height() const = 0;   // line height in pixels (ascent + descent)
  virtual int Ascent() const = 0;
  virtual bool Underline() const = 0;
  // Width and height of one line of text (no layout: CR and LF measure as characters do).
  virtual Size Measure(std::string_view gbk) const = 0;
  // Advance widths of the text's characters: result[i] is the x where byte i's character starts
  // for every byte that begins a character, plus the total width at index size().
  virtual std::vector<int> CharacterEdges(std::string_view gbk) const = 0;
  // Draws one line with its top-left corner at `at`, background transparent.
  virtual void Draw(Canvas& canvas, Point at, std::string_view gbk, ColorRef color) const = 0;

  // Where an underline goes: its first row below the line's top, and its thickness. The mnemonic
  // underline of text layout uses the same line.
  virtual int UnderlineOffset() const { return Ascent() + std::max(0, (Height() - Ascent() - 1) / 2); }
  virtual int LineThickness() const { return 1; }
  // The average width of a character (half the pixel size in the Song face); tab stops use it.
  virtual int AverageCharWidth() const { return std::max(1, Measure("x").width); }
};

// Layout flags, with the platform's values.
enum : unsigned {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_TOP = 0x0,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_HIDEPREFIX = 0x100000,
};

// Lays out and draws text in a rectangle as the platform's DrawText does: one line or word wrap
// (at spaces, between Chinese characters, at CR LF), horizontal and vertical alignment, "&"
// mnemonics unless DT_NOPREFIX ("&&" draws one "&", "&x" underlines x). With DT_CALCRECT it draws
// nothing and sets `rect`'s right and bottom to the extent of the text. Returns the text height.
int DrawTextLayout(Canvas* canvas, const Font& font, std::string_view gbk, Rect& rect, unsigned flags,
                   ColorRef color);

}  // namespace desktop
