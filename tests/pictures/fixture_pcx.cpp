// PCX files: the 128-byte header, rows encoded one by one, the 256-colour palette at the end.
#include <stdexcept>

#include "picture_fixtures.h"

namespace fixtures {

namespace {

// Equal bytes go out as a count byte (top two bits set) and the value; a single byte below
// 0xC0 stands for itself. Runs stop at the end of each row.
void EncodeRow(const Bytes& row, Bytes& out) {
  std::size_t i = 0;
  while (i < row.size()) {
    std::size_t run = 1;
    while (i + run < row.size() && row[i + run] == row[i] && run < 63) ++run;
    if (run > 1 || row[i] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
    out.push_back(row[i]);
    i += run;
  }
}

}  // namespace

Bytes MakePcx(const PcxSpec& spec) {
  if (spec.values.size() != static_cast<std::size_t>(spec.width) * spec.height) {
    throw std::invalid_argument("PcxSpec: one value per pixel");
  }
  int bytes_per_line = spec.bytes_per_line;
  if (bytes_per_line == 0) {
    bytes_per_line = (spec.width * spec.bits + 7) / 8;
    bytes_per_line += bytes_per_line & 1;
  }
  Bytes b(128, 0);
  b[0] = 0x0A;
  b[1] = static_cast<std::uint8_t>(spec.version);
  b[2] = 1;
  b[3] = static_cast<std::uint8_t>(spec.bits);
  PutU16(b, 8, static_cast<std::uint16_t>(spec.width - 1));
  PutU16(b, 10, static_cast<std::uint16_t>(spec.height - 1));
  PutU16(b, 12, 72);
  PutU16(b, 14, 72);
  b[65] = static_cast<std::uint8_t>(spec.planes);
  PutU16(b, 66, static_cast<std::uint16_t>(bytes_per_line));
  PutU16(b, 68, 1);
  for (int y = 0; y < spec.height; ++y) {
    Bytes row(static_cast<std::size_t>(bytes_per_line) * spec.planes, 0);
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t v = spec.values[static_cast<std::size_t>(y) * spec.width + x];
      for (int p = 0; p < spec.planes; ++p) {
        std::uint8_t* plane = row.data() + static_cast<std::size_t>(p) * bytes_per_line;
        if (spec.bits == 8) {
          // Three planes hold red, green, blue; one plane holds the index.
          plane[x] = static_cast<std::uint8_t>(spec.planes == 3 ? v >> (16 - 8 * p) : v);
        } else {
          plane[x / 8] |= static_cast<std::uint8_t>(((v >> p) & 1) << (7 - x % 8));
        }
      }
    }
    EncodeRow(row, b);
  }
  if (!spec.palette256.empty()) {
    b.push_back(0x0C);
    for (int i = 0; i < 256; ++i) {
      const desktop::ColorRef c = i < static_cast<int>(spec.palette256.size()) ? spec.palette256[i] : 0;
      b.push_back(static_cast<std::uint8_t>(desktop::RedOf(c)));
      b.push_back(static_cast<std::uint8_t>(desktop::GreenOf(c)));
      b.push_back(static_cast<std::uint8_t>(desktop::BlueOf(c)));
    }
  }
  return b;
}

}  // namespace fixtures
