#pragma once
// The text layout without the drawing: "&" prefixes taken out, then the text cut into lines as
// the platform's DrawText cuts it. DrawTextLayout draws what this returns.
#include <string>
#include <string_view>
#include <vector>

#include "desktop/text/font.h"

namespace desktop {

struct TextLine {
  size_t begin = 0;  // byte offsets into LaidOutText::display
  size_t end = 0;
  int width = 0;     // pixels, without the spaces at a wrap
};

struct LaidOutText {
  std::string display;             // the text as drawn: "&&" made "&", single "&" removed
  std::vector<size_t> mnemonics;   // byte offsets in `display` of the characters to underline
  std::vector<int> edges;          // the font's CharacterEdges of `display`
  std::vector<TextLine> lines;
  int width = 0;                   // the widest line
  int tab_width = 0;               // tab stop distance, with DT_EXPANDTABS
};

// Lays out the text for a rectangle `max_width` pixels wide (only word wrap uses the width).
LaidOutText LayOutText(const Font& font, std::string_view gbk, int max_width, unsigned flags);

// Pixel advance of the character at `pos` when it starts `x` pixels into its line.
int AdvanceAt(const LaidOutText& text, size_t pos, size_t length, int x, unsigned flags);

}  // namespace desktop
