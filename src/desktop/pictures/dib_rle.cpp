// Run-length encoded bitmap rows (RLE8 and RLE4). The stream is a sequence of byte pairs:
// a count and a colour for a run, or a zero and a code: 0 end of row, 1 end of bitmap,
// 2 a move right and up, 3 and more that many literal pixels padded to a whole word.
#include <vector>

#include "desktop/pictures/dib_reader.h"
#include "desktop/pictures/picture_limits.h"

namespace desktop::pictures {

namespace {

enum : std::uint8_t { kEndOfRow = 0, kEndOfBitmap = 1, kDelta = 2 };

class RleCanvas {
 public:
  RleCanvas(int width, int height)
      : width_(width), height_(height), indexes_(static_cast<std::size_t>(width) * height, 0) {}

  // Rows count from the bottom; a row equal to the height is the spot just above the bitmap,
  // which an end-of-row on the top row reaches legally.
  bool CanWrite(int count) const { return y_ < height_ && count <= width_ - x_; }
  void Put(std::uint8_t index) { indexes_[static_cast<std::size_t>(height_ - 1 - y_) * width_ + x_++] = index; }
  bool EndRow() {
    x_ = 0;
    return ++y_ <= height_;
  }
  bool Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    return x_ <= width_ && y_ <= height_;
  }
  const std::vector<std::uint8_t>& indexes() const { return indexes_; }

 private:
  int width_;
  int height_;
  int x_ = 0;
  int y_ = 0;
  std::vector<std::uint8_t> indexes_;  // top row first
};

std::uint8_t Nibble(std::uint8_t byte, int i) { return (i & 1) ? (byte & 0x0F) : (byte >> 4); }

bool Expand(std::span<const std::uint8_t> bits, bool four_bit, RleCanvas& canvas) {
  std::size_t pos = 0;
  while (pos + 2 <= bits.size()) {
    const std::uint8_t count = bits[pos];
    const std::uint8_t code = bits[pos + 1];
    pos += 2;
    if (count > 0) {
      if (!canvas.CanWrite(count)) return false;
      // In RLE4 a run alternates the two nibbles of its colour byte.
      for (int i = 0; i < count; ++i) canvas.Put(four_bit ? Nibble(code, i) : code);
      continue;
    }
    switch (code) {
      case kEndOfRow:
        if (!canvas.EndRow()) return false;
        break;
      case kEndOfBitmap: return true;
      case kDelta:
        if (pos + 2 > bits.size()) return false;
        if (!canvas.Move(bits[pos], bits[pos + 1])) return false;
        pos += 2;
        break;
      default: {
        const std::size_t bytes = four_bit ? (code + 1u) / 2 : code;
        const std::size_t padded = bytes + (bytes & 1);
        if (pos + padded > bits.size() || !canvas.CanWrite(code)) return false;
        for (int i = 0; i < code; ++i) canvas.Put(four_bit ? Nibble(bits[pos + i / 2], i) : bits[pos + i]);
        pos += padded;
        break;
      }
    }
  }
  return false;  // the stream ended without its end-of-bitmap code
}

}  // namespace

std::optional<Bitmap> DecodeDibRle(const DibHeader& header, std::span<const std::uint8_t> bits) {
  const bool four_bit = header.compression == kDibRle4;
  if (!(four_bit && header.bit_count == 4) && !(header.compression == kDibRle8 && header.bit_count == 8)) {
    return std::nullopt;
  }
  if (header.top_down) return std::nullopt;
  RleCanvas canvas(header.width, header.height);
  if (!Expand(bits, four_bit, canvas)) return std::nullopt;
  Bitmap bitmap = MakeBitmap(header.width, header.height);
  const std::vector<std::uint8_t>& indexes = canvas.indexes();
  for (std::size_t i = 0; i < indexes.size(); ++i) bitmap.pixels[i] = PaletteColor(header.palette, indexes[i]);
  return bitmap;
}

}  // namespace desktop::pictures
