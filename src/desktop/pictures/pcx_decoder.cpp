// PCX files: a 128-byte header, then run-length encoded rows, each row one plane after the
// other. Read here: 8 bits in one plane with the 256-colour palette at the end of the file,
// 8 bits in three planes (red, green, blue), and 1 bit in one to four planes (black and white,
// or the 16 standard colours: version 3 files carry no palette of their own).
#include <array>
#include <vector>

#include "desktop/pictures/byte_view.h"
#include "desktop/pictures/picture_decoders.h"
#include "desktop/pictures/picture_limits.h"

namespace desktop::pictures {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::size_t kEndPaletteSize = 1 + 256 * 3;

constexpr std::array<ColorRef, 16> kStandardColors = {
    Rgb(0, 0, 0),       Rgb(0, 0, 170),     Rgb(0, 170, 0),     Rgb(0, 170, 170),
    Rgb(170, 0, 0),     Rgb(170, 0, 170),   Rgb(170, 85, 0),    Rgb(170, 170, 170),
    Rgb(85, 85, 85),    Rgb(85, 85, 255),   Rgb(85, 255, 85),   Rgb(85, 255, 255),
    Rgb(255, 85, 85),   Rgb(255, 85, 255),  Rgb(255, 255, 85),  Rgb(255, 255, 255)};

// The encoded stream: a byte with both top bits set repeats the next byte (its low six bits
// times); any other byte stands for itself. Runs may carry over from one row to the next.
class RunReader {
 public:
  explicit RunReader(std::span<const std::uint8_t> data) : data_(data) {}
  bool Fill(std::uint8_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      while (left_ == 0) {
        if (pos_ >= data_.size()) return false;
        const std::uint8_t b = data_[pos_++];
        if ((b & 0xC0) != 0xC0) {
          value_ = b;
          left_ = 1;
        } else {
          if (pos_ >= data_.size()) return false;
          value_ = data_[pos_++];
          left_ = b & 0x3F;
        }
      }
      out[i] = value_;
      --left_;
    }
    return true;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  std::uint8_t value_ = 0;
  int left_ = 0;
};

enum class Layout { Indexed8, Rgb24, Planar1 };

}  // namespace

Picture DecodePcx(std::span<const std::uint8_t> data) {
  const ByteView file(data);
  if (!file.Has(0, kHeaderSize) || file.U8(0) != 0x0A || file.U8(2) != 1) return {};
  const int version = file.U8(1);
  const int bits = file.U8(3);
  const int planes = file.U8(65);
  const std::int64_t width = static_cast<std::int64_t>(file.U16(8)) - file.U16(4) + 1;
  const std::int64_t height = static_cast<std::int64_t>(file.U16(10)) - file.U16(6) + 1;
  const std::size_t bytes_per_line = file.U16(66);
  if (!AcceptableSize(width, height)) return {};

  Layout layout;
  if (bits == 8 && version <= 5 && planes == 1) {
    layout = Layout::Indexed8;
  } else if (bits == 8 && version <= 5 && planes == 3) {
    layout = Layout::Rgb24;
  } else if (bits == 1 && version == 3 && planes >= 1 && planes <= 4) {
    layout = Layout::Planar1;
  } else {
    return {};
  }
  if (bytes_per_line < static_cast<std::size_t>((width * bits + 7) / 8)) return {};

  Picture picture;
  picture.kind = Picture::Kind::Bitmap;
  picture.format = PictureFormat::Pcx;
  std::span<const std::uint8_t> encoded = file.From(kHeaderSize);
  if (layout == Layout::Indexed8) {
    if (data.size() < kHeaderSize + kEndPaletteSize) return {};
    const std::size_t palette_at = data.size() - kEndPaletteSize;
    if (file.U8(palette_at) != kPaletteMarker) return {};
    for (std::size_t i = 0; i < 256; ++i) {
      const std::size_t at = palette_at + 1 + 3 * i;
      picture.palette.push_back(Rgb(file.U8(at), file.U8(at + 1), file.U8(at + 2)));
    }
    encoded = file.Sub(kHeaderSize, palette_at - kHeaderSize);
  } else if (layout == Layout::Planar1) {
    if (planes == 1) {
      picture.palette = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
    } else {
      picture.palette.assign(kStandardColors.begin(), kStandardColors.end());
    }
  }

  // A run byte pair yields at most 63 bytes, so data too short for every row is refused
  // before the bitmap is allocated.
  constexpr std::uint64_t kLongestRun = 0x3F;
  const std::uint64_t decoded = bytes_per_line * static_cast<std::uint64_t>(planes) * static_cast<std::uint64_t>(height);
  if (decoded > encoded.size() / 2 * kLongestRun + (encoded.size() & 1)) return {};

  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  picture.image = MakeBitmap(w, h);
  std::vector<std::uint8_t> line(bytes_per_line * static_cast<std::size_t>(planes));
  RunReader reader(encoded);
  for (int y = 0; y < h; ++y) {
    if (!reader.Fill(line.data(), line.size())) return {};
    Pixel* out = picture.image.pixels.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      switch (layout) {
        case Layout::Indexed8: out[x] = PaletteColor(picture.palette, line[x]); break;
        case Layout::Rgb24:
          out[x] = ToPixel(Rgb(line[x], line[bytes_per_line + x], line[2 * bytes_per_line + x]));
          break;
        case Layout::Planar1: {
          unsigned index = 0;
          for (int p = 0; p < planes; ++p) {
            index |= ((line[p * bytes_per_line + (x >> 3)] >> (7 - (x & 7))) & 1u) << p;
          }
          out[x] = PaletteColor(picture.palette, index);
          break;
        }
      }
    }
  }
  return picture;
}

}  // namespace desktop::pictures
