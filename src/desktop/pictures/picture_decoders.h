#pragma once
// The decoders behind DecodePicture, one per format. Each takes the whole file, checks its own
// header (none relies on RecognizePicture having run) and gives Kind::None for anything it
// cannot read completely.
#include <cstdint>
#include <span>

#include "desktop/bitmap.h"

namespace desktop::pictures {

Picture DecodeBmp(std::span<const std::uint8_t> data);
// Icon (type 1) and cursor (type 2) files; `icon_width` picks the entry as DecodePicture says.
Picture DecodeIconFile(std::span<const std::uint8_t> data, int icon_width);
Picture DecodeGif(std::span<const std::uint8_t> data);
Picture DecodePcx(std::span<const std::uint8_t> data);
Picture DecodeJpeg(std::span<const std::uint8_t> data);
// A PNG stream as stored inside icon entries; alpha below 128 becomes 0, the rest 255.
Picture DecodePng(std::span<const std::uint8_t> data);

}  // namespace desktop::pictures
