// Line breaking. Hard breaks are CR LF, a lone CR and a lone LF. With word wrap a line ends where
// the next visible character would run past the right edge: after the last space run, or between
// two characters either of which is a double-byte (Chinese) character; a word with no such place
// is cut before the character that does not fit. Every line holds at least one character, and the
// spaces at a wrap belong to no line.
#include "desktop/text/text_lines.h"

#include "desktop/text/gbk.h"

namespace desktop {

namespace {

struct Unit {
  size_t pos;
  size_t length;
  bool space;  // space or tab: where words end
  bool wide;   // a double-byte character: a line may break on either side of it
};

std::string StripPrefixes(std::string_view gbk, unsigned flags, std::vector<size_t>* mnemonics) {
  if (flags & DT_NOPREFIX) return std::string(gbk);
  std::string out;
  out.reserve(gbk.size());
  for (size_t i = 0; i < gbk.size();) {
    if (gbk[i] == '&') {
      if (i + 1 < gbk.size() && gbk[i + 1] == '&') {
        out += '&';
        i += 2;
        continue;
      }
      if (i + 1 < gbk.size()) mnemonics->push_back(out.size());
      ++i;  // the marker itself is not drawn; a last lone "&" vanishes
      continue;
    }
    // Copy whole characters, so that a second byte is never read as "&" or a line break.
    const size_t n = DecodeGbkChar(gbk, i).length;
    out.append(gbk.substr(i, n));
    i += n;
  }
  return out;
}

class LineBreaker {
 public:
  LineBreaker(LaidOutText& text, int max_width, unsigned flags)
      : text_(text), max_width_(max_width), flags_(flags), wrap_((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE)) {}

  // One paragraph: the units of a text between hard breaks.
  void Paragraph(const std::vector<Unit>& units) {
    if (units.empty()) {
      const size_t at = paragraph_start_;
      Emit(at, at, 0);
      return;
    }
    size_t i = 0;
    while (i < units.size()) {
      xs_.assign(1, 0);
      int x = 0;
      size_t j = i;
      size_t last_break = 0;  // unit index the next line would start at; 0: none yet
      size_t cut = units.size();
      bool ink = false;  // a visible character on the line so far: a line is never only spaces
      for (; j < units.size(); ++j) {
        const Unit& u = units[j];
        const bool opportunity = ink && ((units[j - 1].space && !u.space) || u.wide || units[j - 1].wide);
        const int a = AdvanceAt(text_, u.pos, u.length, x, flags_);
        if (wrap_ && !u.space && ink && x + a > max_width_) {
          cut = opportunity ? j : last_break > i ? last_break : j;
          break;
        }
        if (opportunity) last_break = j;
        if (!u.space) ink = true;
        x += a;
        xs_.push_back(x);
      }
      if (cut == units.size()) {  // the rest of the paragraph fits
        Emit(units[i].pos, units.back().pos + units.back().length, x);
        return;
      }
      size_t end = cut;
      while (end > i && units[end - 1].space) --end;
      Emit(units[i].pos, end > i ? units[end - 1].pos + units[end - 1].length : units[i].pos, xs_[end - i]);
      i = cut;
      while (i < units.size() && units[i].space) ++i;
    }
  }

  void SetParagraphStart(size_t pos) { paragraph_start_ = pos; }

 private:
  void Emit(size_t begin, size_t end, int width) {
    text_.lines.push_back({begin, end, width});
    text_.width = std::max(text_.width, width);
  }

  LaidOutText& text_;
  int max_width_;
  unsigned flags_;
  bool wrap_;
  size_t paragraph_start_ = 0;
  std::vector<int> xs_;  // x after each unit of the current line
};

}  // namespace

int AdvanceAt(const LaidOutText& text, size_t pos, size_t length, int x, unsigned flags) {
  if ((flags & DT_EXPANDTABS) && text.display[pos] == '\t' && text.tab_width > 0)
    return text.tab_width - x % text.tab_width;
  return text.edges[pos + length] - text.edges[pos];
}

LaidOutText LayOutText(const Font& font, std::string_view gbk, int max_width, unsigned flags) {
  LaidOutText text;
  text.display = StripPrefixes(gbk, flags, &text.mnemonics);
  text.edges = font.CharacterEdges(text.display);
  if (text.edges.size() != text.display.size() + 1) text.edges.assign(text.display.size() + 1, 0);
  text.tab_width = 8 * font.AverageCharWidth();
  if (text.display.empty()) return text;

  const std::string& s = text.display;
  const bool single = flags & DT_SINGLELINE;
  LineBreaker breaker(text, max_width, flags);
  std::vector<Unit> units;
  for (size_t pos = 0; pos < s.size();) {
    const GbkChar c = DecodeGbkChar(s, pos);
    if (!single && (c.code == '\r' || c.code == '\n')) {
      breaker.Paragraph(units);
      units.clear();
      pos += (c.code == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') ? 2 : 1;
      breaker.SetParagraphStart(pos);
      continue;
    }
    units.push_back({pos, c.length, c.code == ' ' || c.code == '\t', c.length == 2});
    pos += c.length;
  }
  // A text that ends in a line break ends with an empty line.
  breaker.Paragraph(units);
  return text;
}

}  // namespace desktop
