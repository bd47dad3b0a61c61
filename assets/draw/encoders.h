#pragma once
// Picture files: the icon and BMP forms written by hand, GIF through giflib, JPEG through libjpeg.
#include <cstdint>
#include <vector>

#include "image.h"
#include "quantize.h"

namespace assets {

using FileBytes = std::vector<std::uint8_t>;

// An icon file with one 8-bit image and its AND mask (`transparent` true where the mask is set).
FileBytes EncodeIcon(const PaletteImage& image, const std::vector<bool>& transparent);
// A bottom-up BMP with a 256-colour palette.
FileBytes EncodeBmp8(const PaletteImage& image);
// A bottom-up 24-bit BMP.
FileBytes EncodeBmp24(const Image& image);
// A GIF of one image with its 256-colour palette; transparent_index >= 0 marks that index as
// transparent (a GIF89a graphic control extension).
FileBytes EncodeGif(const PaletteImage& image, int transparent_index);
// A baseline JPEG.
FileBytes EncodeJpeg(const Image& image, int quality);

}  // namespace assets
