#pragma once
// Palette pictures: the image's colours reduced to a palette by median cut.
#include <array>
#include <cstdint>
#include <vector>

#include "image.h"

namespace assets {

struct Colour8 {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Colour8&) const = default;
};

Colour8 ToColour8(Rgb c);

struct PaletteImage {
  int width = 0;
  int height = 0;
  std::array<Colour8, 256> palette{};
  std::vector<std::uint8_t> indexes;  // row by row from the top
};

// Reduces the image to a palette of 256 entries. `fixed` entries (index -> colour) are kept where
// they are and take every pixel of exactly their colour; the other entries come from median cut
// over the remaining pixels. `skip` pixels (true) are left out of the palette and get index `skip_index`.
struct FixedEntry {
  int index;
  Colour8 colour;
};
PaletteImage Quantize(const Image& image, const std::vector<FixedEntry>& fixed,
                      const std::vector<bool>& skip = {}, int skip_index = 0);

}  // namespace assets
