#pragma once
// Small picture files written in memory for the decoder tests (and as seeds for the fuzz
// targets). Each writer lays out its format byte by byte on its own, so a decoder fault does
// not cancel out against the same fault here.
#include <cstdint>
#include <optional>
#include <vector>

#include "desktop/color.h"

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;

// ---- BMP and the bitmaps inside icon files ----
enum class DibHeaderKind { Core, Info, V4, V5 };

struct DibSpec {
  int width = 0;
  int height = 0;  // rows of the picture (an icon entry's header says twice this)
  int bit_count = 8;
  bool top_down = false;
  DibHeaderKind header = DibHeaderKind::Info;
  std::uint32_t compression = 0;
  std::uint32_t colors_used = 0;               // 0: the palette's size when it is short
  std::vector<desktop::ColorRef> palette;      // written entry by entry
  std::vector<std::uint32_t> masks;            // red, green, blue for bit fields
  // One value per pixel, top row first: a palette index, a raw 16- or 32-bit pixel value, or
  // 0xRRGGBB for 24 bits. Ignored when `encoded` is set.
  std::vector<std::uint32_t> values;
  Bytes encoded;  // the pixel stream as stored (RLE data), instead of `values`
};

// The header, masks, palette and pixel rows. `icon_mask` (top row first, true = transparent)
// makes an icon entry: height doubled in the header and the AND mask after the rows.
Bytes MakeDib(const DibSpec& spec, const std::vector<bool>* icon_mask = nullptr);
// A whole BMP file; `bits_offset` overrides the stored offset of the pixel rows, and `gap`
// puts that many filler bytes between the palette and the rows.
Bytes MakeBmp(const DibSpec& spec, std::optional<std::uint32_t> bits_offset = std::nullopt, int gap = 0);

// ---- icon and cursor files ----
struct IconEntry {
  std::uint8_t dir_width = 0;  // as stored in the directory
  std::uint8_t dir_height = 0;
  std::uint8_t color_count = 0;
  Bytes image;  // a DIB made by MakeDib with a mask, or a PNG stream
};
Bytes MakeIconFile(std::uint16_t type, const std::vector<IconEntry>& entries);

// 32-bit pixels 0xAARRGGBB, top row first, as a PNG stream.
Bytes MakePng(int width, int height, const std::vector<std::uint32_t>& argb);

// ---- GIF (written with giflib's encoder) ----
struct GifImage {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  std::vector<desktop::ColorRef> local_palette;  // empty: none
  std::vector<std::uint8_t> indexes;             // top row first
  std::optional<int> transparent_index;          // a graphic control extension before the image
};
struct GifSpec {
  bool gif89 = true;
  int screen_width = 0, screen_height = 0;
  std::vector<desktop::ColorRef> global_palette;  // empty: none
  std::vector<GifImage> images;
};
Bytes MakeGif(const GifSpec& spec);

// ---- PCX ----
struct PcxSpec {
  int version = 5;
  int bits = 8;  // per pixel per plane
  int planes = 1;
  int width = 0, height = 0;
  int bytes_per_line = 0;  // 0: the least even number that holds a row
  // One value per pixel, top row first: an index for one plane or planar bits, 0xRRGGBB for
  // three planes of 8 bits.
  std::vector<std::uint32_t> values;
  std::vector<desktop::ColorRef> palette256;  // written after a 0x0C marker when not empty
};
Bytes MakePcx(const PcxSpec& spec);

// ---- JPEG (written with libjpeg's compressor) ----
// 0xRRGGBB per pixel, top row first; grey writes one channel from the green byte.
Bytes MakeJpeg(int width, int height, const std::vector<std::uint32_t>& rgb, bool grey, bool progressive,
               int quality = 95);

// Little-endian helpers for tests that patch fields of a fixture.
void PutU16(Bytes& b, std::size_t at, std::uint16_t v);
void PutU32(Bytes& b, std::size_t at, std::uint32_t v);

}  // namespace fixtures
