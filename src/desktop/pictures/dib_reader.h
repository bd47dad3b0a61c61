#pragma once
// Device-independent bitmaps: the header, colour masks and palette that BMP files and icon
// entries share, and the pixel rows behind them (uncompressed or run-length encoded).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "desktop/bitmap.h"

namespace desktop::pictures {

enum DibCompression : std::uint32_t {
  kDibRgb = 0,
  kDibRle8 = 1,
  kDibRle4 = 2,
  kDibBitfields = 3,
  kDibAlphaBitfields = 6,
};

struct DibHeader {
  int width = 0;
  int height = 0;         // number of pixel rows (for an icon entry: the colour part only)
  bool top_down = false;  // rows stored from the top instead of from the bottom
  int bit_count = 0;
  std::uint32_t compression = kDibRgb;
  std::uint32_t red_mask = 0, green_mask = 0, blue_mask = 0;  // 16 and 32 bits per pixel
  std::vector<ColorRef> palette;                              // 1, 4 and 8 bits per pixel
  std::size_t bits_offset = 0;  // first byte after header, masks and palette, from the header's start
};

// Reads the header at the start of `dib`: the old 12-byte core header or any of the 40-byte and
// larger info headers. An icon entry stores the colour rows and the mask rows as one bitmap of
// twice the height, bottom-up and uncompressed; `icon_entry` halves the height and refuses the rest.
std::optional<DibHeader> ReadDibHeader(std::span<const std::uint8_t> dib, bool icon_entry);

// Bytes per stored row: rows are padded to a multiple of four bytes.
std::uint64_t DibStride(int width, int bit_count);

// Decodes the rows of an uncompressed or bit-field bitmap. `bits` must hold every row.
// The result is opaque.
std::optional<Bitmap> DecodeDibRows(const DibHeader& header, std::span<const std::uint8_t> bits);

// Decodes an RLE8 or RLE4 stream. A run past the end of a row, a move outside the bitmap or a
// stream without its end-of-bitmap code is refused. Pixels the stream skips show palette colour 0.
std::optional<Bitmap> DecodeDibRle(const DibHeader& header, std::span<const std::uint8_t> bits);

}  // namespace desktop::pictures
