// DrawTextLayout: lines from LayOutText placed in the rectangle and drawn, each line in one
// Font::Draw call (one per tab-separated piece with DT_EXPANDTABS), mnemonics underlined.
#include "desktop/text/gbk.h"
#include "desktop/text/text_lines.h"

namespace desktop {

namespace {

void DrawLine(Canvas& canvas, const Font& font, const LaidOutText& text, const TextLine& line, Point at,
              unsigned flags, ColorRef color) {
  const std::string_view s = text.display;
  int x = 0;
  size_t piece = line.begin;
  int piece_x = 0;
  size_t m = 0;
  while (m < text.mnemonics.size() && text.mnemonics[m] < line.begin) ++m;
  for (size_t pos = line.begin; pos < line.end;) {
    const size_t n = DecodeGbkChar(s, pos).length;
    const int a = AdvanceAt(text, pos, n, x, flags);
    if ((flags & DT_EXPANDTABS) && s[pos] == '\t') {
      font.Draw(canvas, {at.x + piece_x, at.y}, s.substr(piece, pos - piece), color);
      piece = pos + n;
      piece_x = x + a;
    }
    if (m < text.mnemonics.size() && text.mnemonics[m] == pos) {
      if (!(flags & DT_HIDEPREFIX)) {
        const int y = at.y + font.UnderlineOffset();
        canvas.FillRect({at.x + x, y, at.x + x + a, y + font.LineThickness()}, color);
      }
      ++m;
    }
    x += a;
    pos += n;
  }
  font.Draw(canvas, {at.x + piece_x, at.y}, s.substr(piece, line.end - piece), color);
}

}  // namespace

int DrawTextLayout(Canvas* canvas, const Font& font, std::string_view gbk, Rect& rect, unsigned flags,
                   ColorRef color) {
  const LaidOutText text = LayOutText(font, gbk, rect.Width(), flags);
  const int line_height = font.Height();
  const int height = static_cast<int>(text.lines.size()) * line_height;

  if (flags & DT_CALCRECT) {
    rect.right = rect.left + text.width;
    rect.bottom = rect.top + height;
    return height;
  }

  int top = rect.top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_BOTTOM)
      top = rect.bottom - height;
    else if (flags & DT_VCENTER)
      top = (rect.top + rect.bottom - height) / 2;
  }
  if (canvas && !text.lines.empty()) {
    const Region saved_clip = canvas->Clip();
    if (!(flags & DT_NOCLIP)) canvas->IntersectClip(rect);
    int y = top;
    for (const TextLine& line : text.lines) {
      int x = rect.left;
      if (flags & DT_RIGHT)
        x = rect.right - line.width;
      else if (flags & DT_CENTER)
        x = (rect.left + rect.right - line.width) / 2;
      DrawLine(*canvas, font, text, line, {x, y}, flags, color);
      y += line_height;
    }
    canvas->SetClip(saved_clip);
  }
  return top - rect.top + height;
}

}  // namespace desktop
