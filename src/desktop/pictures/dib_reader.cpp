#include "desktop/pictures/dib_reader.h"

#include <bit>

#include "desktop/pictures/byte_view.h"
#include "desktop/pictures/picture_limits.h"

namespace desktop::pictures {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// The info header grew to 52 bytes to carry the three colour masks inside it.
constexpr std::uint32_t kHeaderWithMasksSize = 52;

bool ValidDepth(int bit_count, bool core) {
  switch (bit_count) {
    case 1:
    case 4:
    case 8:
    case 24: return true;
    case 16:
    case 32: return !core;
    default: return false;
  }
}

bool ValidCompression(int bit_count, std::uint32_t compression) {
  switch (compression) {
    case kDibRgb: return true;
    case kDibRle8: return bit_count == 8;
    case kDibRle4: return bit_count == 4;
    case kDibBitfields:
    case kDibAlphaBitfields: return bit_count == 16 || bit_count == 32;
    default: return false;
  }
}

// One colour channel of a bit-field pixel, scaled to eight bits.
class Channel {
 public:
  explicit Channel(std::uint32_t mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    bits_ = std::countr_one(mask >> shift_);
  }
  std::uint32_t Extract(std::uint32_t value) const {
    if (bits_ == 0) return 0;
    // A mask may be all 32 bits wide, so the width mask is built in 64 bits.
    const std::uint32_t raw = (value >> shift_) & static_cast<std::uint32_t>((std::uint64_t{1} << bits_) - 1);
    if (bits_ >= 8) return raw >> (bits_ - 8);
    // Repeat the bits downwards so that the full value becomes 255, not 248.
    std::uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
      out = (out << bits_) | raw;
      filled += bits_;
    }
    return out >> (filled - 8);
  }

 private:
  int shift_ = 0;
  int bits_ = 0;
};

bool ReadMasks(const ByteView& view, std::uint32_t header_size, DibHeader& header, std::size_t& palette_start) {
  std::size_t mask_offset = kInfoHeaderSize;
  if (header.compression == kDibRgb) {
    if (header.bit_count == 16) {
      header.red_mask = 0x7C00;
      header.green_mask = 0x03E0;
      header.blue_mask = 0x001F;
    } else if (header.bit_count == 32) {
      header.red_mask = 0xFF0000;
      header.green_mask = 0x00FF00;
      header.blue_mask = 0x0000FF;
    }
    return true;
  }
  if (header.compression != kDibBitfields && header.compression != kDibAlphaBitfields) return true;
  // A plain 40-byte header is followed by the masks; larger headers hold them.
  if (header_size < kHeaderWithMasksSize) {
    palette_start += header.compression == kDibAlphaBitfields ? 16 : 12;
  }
  if (!view.Has(mask_offset, 12)) return false;
  header.red_mask = view.U32(mask_offset);
  header.green_mask = view.U32(mask_offset + 4);
  header.blue_mask = view.U32(mask_offset + 8);
  return (header.red_mask | header.green_mask | header.blue_mask) != 0;
}

}  // namespace

std::uint64_t DibStride(int width, int bit_count) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bit_count) + 31) / 32 * 4;
}

std::optional<DibHeader> ReadDibHeader(std::span<const std::uint8_t> dib, bool icon_entry) {
  const ByteView view(dib);
  if (!view.Has(0, 4)) return std::nullopt;
  const std::uint32_t header_size = view.U32(0);
  const bool core = header_size == kCoreHeaderSize;
  if (!core && header_size < kInfoHeaderSize) return std::nullopt;
  if (!view.Has(0, header_size)) return std::nullopt;

  DibHeader header;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t colors_used = 0;
  if (core) {
    width = view.U16(4);
    height = view.U16(6);
    header.bit_count = view.U16(10);
  } else {
    width = view.I32(4);
    height = view.I32(8);
    header.bit_count = view.U16(14);
    header.compression = view.U32(16);
    colors_used = view.U32(32);
  }
  if (!ValidDepth(header.bit_count, core) || !ValidCompression(header.bit_count, header.compression)) {
    return std::nullopt;
  }
  if (height < 0) {
    // Top-down rows cannot be run-length encoded, and icon entries are always bottom-up.
    if (icon_entry || header.compression == kDibRle8 || header.compression == kDibRle4) return std::nullopt;
    header.top_down = true;
    height = -height;
  }
  if (icon_entry) {
    if (header.compression != kDibRgb && header.compression != kDibBitfields) return std::nullopt;
    height /= 2;
  }
  if (!AcceptableSize(width, height)) return std::nullopt;
  header.width = static_cast<int>(width);
  header.height = static_cast<int>(height);

  std::size_t palette_start = header_size;
  if (!ReadMasks(view, header_size, header, palette_start)) return std::nullopt;

  const std::size_t entry_size = core ? 3 : 4;
  std::uint64_t entries = colors_used;
  if (header.bit_count <= 8) {
    const std::uint32_t full = 1u << header.bit_count;
    entries = colors_used == 0 || colors_used > full ? full : colors_used;
  }
  if (!view.Has(palette_start, entries * entry_size)) return std::nullopt;
  if (header.bit_count <= 8) {
    header.palette.reserve(entries);
    for (std::uint64_t i = 0; i < entries; ++i) {
      const std::size_t at = palette_start + i * entry_size;
      header.palette.push_back(Rgb(view.U8(at + 2), view.U8(at + 1), view.U8(at)));
    }
  }
  header.bits_offset = palette_start + entries * entry_size;
  return header;
}

std::optional<Bitmap> DecodeDibRows(const DibHeader& header, std::span<const std::uint8_t> bits) {
  if (header.compression != kDibRgb && header.compression != kDibBitfields &&
      header.compression != kDibAlphaBitfields) {
    return std::nullopt;
  }
  const std::uint64_t stride = DibStride(header.width, header.bit_count);
  if (stride * static_cast<std::uint64_t>(header.height) > bits.size()) return std::nullopt;

  Bitmap bitmap = MakeBitmap(header.width, header.height);
  const Channel red(header.red_mask), green(header.green_mask), blue(header.blue_mask);
  for (int y = 0; y < header.height; ++y) {
    const int stored_row = header.top_down ? y : header.height - 1 - y;
    const std::uint8_t* row = bits.data() + static_cast<std::size_t>(stride) * stored_row;
    Pixel* out = bitmap.pixels.data() + static_cast<std::size_t>(y) * header.width;
    for (int x = 0; x < header.width; ++x) {
      switch (header.bit_count) {
        case 1: out[x] = PaletteColor(header.palette, (row[x >> 3] >> (7 - (x & 7))) & 1); break;
        case 4: out[x] = PaletteColor(header.palette, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F); break;
        case 8: out[x] = PaletteColor(header.palette, row[x]); break;
        case 24: {
          const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
          out[x] = ToPixel(Rgb(p[2], p[1], p[0]));
          break;
        }
        case 16:
        case 32: {
          std::uint32_t value = 0;
          if (header.bit_count == 16) {
            const std::uint8_t* p = row + 2 * static_cast<std::size_t>(x);
            value = static_cast<std::uint32_t>(p[0] | (p[1] << 8));
          } else {
            const std::uint8_t* p = row + 4 * static_cast<std::size_t>(x);
            value = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                    (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
          }
          // The alpha byte of 32-bit rows is not used: such pictures are drawn opaque.
          out[x] = ToPixel(Rgb(static_cast<int>(red.Extract(value)), static_cast<int>(green.Extract(value)),
                               static_cast<int>(blue.Extract(value))));
          break;
        }
        default: return std::nullopt;
      }
    }
  }
  return bitmap;
}

}  // namespace desktop::pictures
