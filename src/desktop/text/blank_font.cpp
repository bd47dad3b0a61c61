#include "desktop/text/blank_font.h"

#include "desktop/text/gbk.h"

namespace desktop {

std::vector<int> BlankFont::CharacterEdges(std::string_view gbk) const {
  std::vector<int> edges(gbk.size() + 1, 0);
  int x = 0;
  for (size_t pos = 0; pos < gbk.size();) {
    const GbkChar c = DecodeGbkChar(gbk, pos);
    for (size_t i = 0; i < c.length; ++i) edges[pos + i] = x;
    x += c.length == 2 ? size_ : size_ / 2;
    pos += c.length;
  }
  edges[gbk.size()] = x;
  return edges;
}

Size BlankFont::Measure(std::string_view gbk) const { return {CharacterEdges(gbk).back(), Height()}; }

void BlankFont::Draw(Canvas&, Point, std::string_view, ColorRef) const {}

}  // namespace desktop
