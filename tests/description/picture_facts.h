#pragma once
// What a picture file's headers say: its format, size, colour depth and, for GIFs, the
// transparent index; read here from the bytes so the tests do not lean on the decoders.
#include <cstdint>
#include <string>
#include <vector>

namespace description_tests {

struct PictureFacts {
  std::string format;  // "BMP", "GIF", "JPEG", "ICO" or "?"
  int width = 0;
  int height = 0;
  int bits = 0;                // bits per pixel (BMP, ICO), colour depth (GIF)
  int transparent_index = -1;  // GIF only
  bool baseline = false;       // JPEG only: a baseline frame and no progressive one
  int images = 0;              // ICO only
  int stored_height = 0;       // ICO only: the bitmap header's height, XOR and AND images together
};

inline PictureFacts FactsOf(const std::vector<std::uint8_t>& b) {
  auto u16 = [&](std::size_t at) { return at + 1 < b.size() ? b[at] | (b[at + 1] << 8) : 0; };
  auto u32 = [&](std::size_t at) { return at + 3 < b.size() ? u16(at) | (u16(at + 2) << 16) : 0; };
  auto be16 = [&](std::size_t at) { return at + 1 < b.size() ? (b[at] << 8) | b[at + 1] : 0; };
  PictureFacts f;
  if (b.size() > 30 && b[0] == 'B' && b[1] == 'M') {
    f = {"BMP", u32(18), u32(22), u16(28)};
  } else if (b.size() > 13 && std::string(b.begin(), b.begin() + 3) == "GIF") {
    f = {"GIF", u16(6), u16(8), (b[10] & 7) + 1};
    std::size_t at = 13 + ((b[10] & 0x80) ? 3u << ((b[10] & 7) + 1) : 0);
    if (at + 7 < b.size() && b[at] == 0x21 && b[at + 1] == 0xF9 && (b[at + 3] & 1)) f.transparent_index = b[at + 6];
  } else if (b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8) {
    f.format = "JPEG";
    bool progressive = false, base = false;
    for (std::size_t at = 2; at + 9 < b.size();) {
      if (b[at] != 0xFF) break;
      const int marker = b[at + 1];
      if (marker == 0xC0 || marker == 0xC2) {
        f.height = be16(at + 5);
        f.width = be16(at + 7);
        f.bits = b[at + 4] * b[at + 9];
        (marker == 0xC0 ? base : progressive) = true;
      }
      if (marker == 0xDA) break;
      at += 2 + be16(at + 2);
    }
    f.baseline = base && !progressive;
  } else if (b.size() > 62 && u16(0) == 0 && u16(2) == 1) {
    f = {"ICO", b[6], b[7], u16(12)};
    f.images = u16(4);
    f.stored_height = u32(u32(18) + 8);
  } else {
    f.format = "?";
  }
  return f;
}

}  // namespace description_tests
