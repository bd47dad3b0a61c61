#include <algorithm>

#include "desktop/text/glyph.h"

namespace desktop {

void EmboldenGlyph(Glyph& g) {
  ++g.advance;
  if (g.width <= 0 || g.height <= 0) return;
  const int w = g.width + 1;
  std::vector<std::uint8_t> out(static_cast<size_t>(w) * g.height);
  for (int y = 0; y < g.height; ++y) {
    const std::uint8_t* src = g.coverage.data() + static_cast<size_t>(y) * g.width;
    std::uint8_t* dst = out.data() + static_cast<size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      const int here = x < g.width ? src[x] : 0;
      const int before = x > 0 ? src[x - 1] : 0;
      dst[x] = static_cast<std::uint8_t>(std::max(here, before));
    }
  }
  g.width = w;
  g.coverage = std::move(out);
}

void SlantGlyph(Glyph& g, int descent, int run) {
  if (g.width <= 0 || g.height <= 0 || run <= 0) return;
  auto shift_of = [&](int row) { return std::max(0, (g.top - row - 1 + descent) / run); };
  const int extra = std::max(shift_of(0), shift_of(g.height - 1));
  const int w = g.width + extra;
  std::vector<std::uint8_t> out(static_cast<size_t>(w) * g.height, 0);
  for (int y = 0; y < g.height; ++y) {
    const int shift = shift_of(y);
    std::copy_n(g.coverage.data() + static_cast<size_t>(y) * g.width, g.width,
                out.data() + static_cast<size_t>(y) * w + shift);
  }
  g.width = w;
  g.coverage = std::move(out);
}

}  // namespace desktop
