#pragma once
// Pictures recognised by their first bytes and decoded. Malformed data is no picture.
#include <cstdint>
#include <span>

#include "desktop/bitmap.h"

namespace desktop {

// The format by the first bytes; None for data shorter than six bytes or of no known beginning.
PictureFormat RecognizePicture(std::span<const std::uint8_t> data);

// Decodes a whole picture file. Icon and cursor files become Kind::Icon (mask in the alpha
// byte), every other format Kind::Bitmap. Invalid data gives a picture of Kind::None.
// `icon_width` picks the icon entry: the first whose colour-count byte is above 15 and whose
// width is icon_width, else the last entry.
Picture DecodePicture(std::span<const std::uint8_t> data, int icon_width = 32);

// Largest picture the decoders accept (width x height), so bad data cannot ask for unbounded memory.
constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;

}  // namespace desktop
