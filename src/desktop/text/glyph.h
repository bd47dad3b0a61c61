#pragma once
// A rendered glyph as the glyph cache keeps it: a coverage mask placed against the pen position
// on the baseline, and the pen advance.
#include <cstdint>
#include <vector>

namespace desktop {

struct Glyph {
  int left = 0;     // mask's left edge relative to the pen
  int top = 0;      // mask's top edge above the baseline
  int width = 0;
  int height = 0;
  int advance = 0;  // pen advance in whole pixels
  std::vector<std::uint8_t> coverage;  // width * height, 0..255, row by row
};

// The platform's simulated bold: every stroke one pixel wider to the right, advance one more.
void EmboldenGlyph(Glyph& g);
// Simulated italic: rows slanted to the right, one pixel per `run` pixels of height above the
// cell's bottom (`descent` pixels below the baseline); the advance stays.
void SlantGlyph(Glyph& g, int descent, int run = 5);

}  // namespace desktop
