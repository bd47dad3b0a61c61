#pragma once
// Palettes whose entries all differ, so a wrong index shows as a wrong colour.
#include <vector>

#include "desktop/color.h"

namespace fixtures {

inline std::vector<desktop::ColorRef> DistinctPalette(int size) {
  std::vector<desktop::ColorRef> palette;
  for (int i = 0; i < size; ++i) palette.push_back(desktop::Rgb(i, 255 - i, (i * 7 + 13) & 0xFF));
  return palette;
}

}  // namespace fixtures
