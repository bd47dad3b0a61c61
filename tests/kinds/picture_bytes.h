#pragma once
// Small picture files made in the test: a 24-bit BMP and an icon file of one colour, and data that
// begins like a picture but is not one.
#include <cstdint>
#include <vector>

#include "desktop/color.h"

namespace kinds_test {

namespace picture_bytes_detail {
inline void U16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void U32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  U16(out, v & 0xFFFF);
  U16(out, v >> 16);
}
inline void InfoHeader(std::vector<std::uint8_t>& out, int width, int height) {
  U32(out, 40);
  U32(out, static_cast<std::uint32_t>(width));
  U32(out, static_cast<std::uint32_t>(height));
  U16(out, 1);
  U16(out, 24);
  for (int i = 0; i < 6; ++i) U32(out, 0);
}
inline void Rows(std::vector<std::uint8_t>& out, int width, int height, desktop::ColorRef c) {
  const int stride = (width * 3 + 3) / 4 * 4;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<std::uint8_t>(desktop::BlueOf(c)));
      out.push_back(static_cast<std::uint8_t>(desktop::GreenOf(c)));
      out.push_back(static_cast<std::uint8_t>(desktop::RedOf(c)));
    }
    for (int p = width * 3; p < stride; ++p) out.push_back(0);
  }
}
}  // namespace picture_bytes_detail

inline std::vector<std::uint8_t> SolidBmp(int width, int height, desktop::ColorRef c) {
  using namespace picture_bytes_detail;
  std::vector<std::uint8_t> out = {'B', 'M'};
  const int stride = (width * 3 + 3) / 4 * 4;
  U32(out, static_cast<std::uint32_t>(54 + stride * height));
  U32(out, 0);
  U32(out, 54);
  InfoHeader(out, width, height);
  Rows(out, width, height, c);
  return out;
}

inline std::vector<std::uint8_t> SolidIcon(int size, desktop::ColorRef c) {
  using namespace picture_bytes_detail;
  std::vector<std::uint8_t> image;
  InfoHeader(image, size, size * 2);
  Rows(image, size, size, c);
  const int mask_stride = (size + 31) / 32 * 4;
  image.insert(image.end(), static_cast<std::size_t>(mask_stride * size), 0);  // opaque everywhere
  std::vector<std::uint8_t> out;
  U16(out, 0);
  U16(out, 1);
  U16(out, 1);
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(0);
  out.push_back(0);
  U16(out, 1);
  U16(out, 24);
  U32(out, static_cast<std::uint32_t>(image.size()));
  U32(out, 22);
  out.insert(out.end(), image.begin(), image.end());
  return out;
}

// Begins as a GIF, then nothing a decoder can read.
inline std::vector<std::uint8_t> CorruptGif() {
  return {'G', 'I', 'F', '8', '9', 'a', 0x50, 0x00, 0x46, 0x00, 0xF7, 0x00, 0x00, 0xFF, 0x13};
}

}  // namespace kinds_test
