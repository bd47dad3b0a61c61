// BMP files, the bitmaps of icon entries and icon/cursor directories, written field by field.
#include <stdexcept>

#include "picture_fixtures.h"

namespace fixtures {

namespace {

void Put8(Bytes& b, std::uint32_t v) { b.push_back(static_cast<std::uint8_t>(v)); }
void Put16(Bytes& b, std::uint32_t v) {
  Put8(b, v);
  Put8(b, v >> 8);
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v);
  Put16(b, v >> 16);
}

std::uint32_t HeaderSize(DibHeaderKind kind) {
  switch (kind) {
    case DibHeaderKind::Core: return 12;
    case DibHeaderKind::Info: return 40;
    case DibHeaderKind::V4: return 108;
    case DibHeaderKind::V5: return 124;
  }
  return 40;
}

bool UsesMasks(std::uint32_t compression) { return compression == 3 || compression == 6; }

// Header, masks and palette: everything before the pixel rows.
Bytes DibPrologue(const DibSpec& spec, bool icon) {
  Bytes b;
  const std::uint32_t size = HeaderSize(spec.header);
  const int stored_height = icon ? spec.height * 2 : spec.height;
  if (spec.header == DibHeaderKind::Core) {
    Put32(b, size);
    Put16(b, static_cast<std::uint32_t>(spec.width));
    Put16(b, static_cast<std::uint32_t>(stored_height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(spec.bit_count));
  } else {
    Put32(b, size);
    Put32(b, static_cast<std::uint32_t>(spec.width));
    Put32(b, static_cast<std::uint32_t>(spec.top_down ? -stored_height : stored_height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(spec.bit_count));
    Put32(b, spec.compression);
    Put32(b, 0);     // image size: may be zero for uncompressed rows
    Put32(b, 2835);  // 72 dots per inch
    Put32(b, 2835);
    // A short palette is announced as such, as real writers do, unless the test says otherwise.
    const bool short_palette = spec.bit_count <= 8 && spec.palette.size() < (1u << spec.bit_count);
    Put32(b, spec.colors_used == 0 && short_palette ? static_cast<std::uint32_t>(spec.palette.size()) : spec.colors_used);
    Put32(b, 0);
    if (spec.header != DibHeaderKind::Info) {
      for (int i = 0; i < 3; ++i) Put32(b, UsesMasks(spec.compression) ? spec.masks.at(i) : 0);
      Put32(b, 0);           // alpha mask
      Put32(b, 0x73524742);  // 'sRGB'
      while (b.size() < size) Put8(b, 0);  // end points, gamma, and the V5 fields
    } else if (UsesMasks(spec.compression)) {
      for (int i = 0; i < 3; ++i) Put32(b, spec.masks.at(i));
      if (spec.compression == 6) Put32(b, 0);
    }
  }
  for (desktop::ColorRef c : spec.palette) {
    Put8(b, desktop::BlueOf(c));
    Put8(b, desktop::GreenOf(c));
    Put8(b, desktop::RedOf(c));
    if (spec.header != DibHeaderKind::Core) Put8(b, 0);
  }
  return b;
}

Bytes DibRows(const DibSpec& spec) {
  if (!spec.encoded.empty()) return spec.encoded;
  if (spec.values.size() != static_cast<std::size_t>(spec.width) * spec.height) {
    throw std::invalid_argument("DibSpec: one value per pixel");
  }
  const std::size_t stride = (static_cast<std::size_t>(spec.width) * spec.bit_count + 31) / 32 * 4;
  Bytes b;
  for (int r = 0; r < spec.height; ++r) {
    const int y = spec.top_down ? r : spec.height - 1 - r;
    Bytes row(stride, 0);
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t v = spec.values[static_cast<std::size_t>(y) * spec.width + x];
      switch (spec.bit_count) {
        case 1: row[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<std::uint8_t>((v & 0xF) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<std::uint8_t>(v); break;
        case 16:
          row[2 * x] = static_cast<std::uint8_t>(v);
          row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        case 24:  // blue, green, red
          row[3 * x] = static_cast<std::uint8_t>(v);
          row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
          break;
        case 32:
          for (int i = 0; i < 4; ++i) row[4 * x + i] = static_cast<std::uint8_t>(v >> (8 * i));
          break;
        default: throw std::invalid_argument("DibSpec: bit count");
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

Bytes MaskRows(int width, int height, const std::vector<bool>& mask) {
  const std::size_t stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  Bytes b;
  for (int r = 0; r < height; ++r) {
    const int y = height - 1 - r;  // bottom-up like the colour rows
    Bytes row(stride, 0);
    for (int x = 0; x < width; ++x) {
      if (mask.at(static_cast<std::size_t>(y) * width + x)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

}  // namespace

void PutU16(Bytes& b, std::size_t at, std::uint16_t v) {
  b.at(at) = static_cast<std::uint8_t>(v);
  b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  PutU16(b, at, static_cast<std::uint16_t>(v));
  PutU16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

Bytes MakeDib(const DibSpec& spec, const std::vector<bool>* icon_mask) {
  Bytes b = DibPrologue(spec, icon_mask != nullptr);
  const Bytes rows = DibRows(spec);
  b.insert(b.end(), rows.begin(), rows.end());
  if (icon_mask != nullptr) {
    const Bytes mask = MaskRows(spec.width, spec.height, *icon_mask);
    b.insert(b.end(), mask.begin(), mask.end());
  }
  return b;
}

Bytes MakeBmp(const DibSpec& spec, std::optional<std::uint32_t> bits_offset, int gap) {
  const Bytes prologue = DibPrologue(spec, false);
  const Bytes rows = DibRows(spec);
  Bytes b;
  const std::uint32_t natural_offset = static_cast<std::uint32_t>(14 + prologue.size() + gap);
  b.push_back('B');
  b.push_back('M');
  Put32(b, static_cast<std::uint32_t>(natural_offset + rows.size()));
  Put32(b, 0);
  Put32(b, bits_offset.value_or(natural_offset));
  b.insert(b.end(), prologue.begin(), prologue.end());
  b.insert(b.end(), static_cast<std::size_t>(gap), 0xEE);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

Bytes MakeIconFile(std::uint16_t type, const std::vector<IconEntry>& entries) {
  Bytes b;
  Put16(b, 0);
  Put16(b, type);
  Put16(b, static_cast<std::uint32_t>(entries.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (const IconEntry& e : entries) {
    Put8(b, e.dir_width);
    Put8(b, e.dir_height);
    Put8(b, e.color_count);
    Put8(b, 0);
    Put16(b, 1);  // planes (a cursor's hot spot x)
    Put16(b, 8);  // bits per pixel (a cursor's hot spot y)
    Put32(b, static_cast<std::uint32_t>(e.image.size()));
    Put32(b, offset);
    offset += static_cast<std::uint32_t>(e.image.size());
  }
  for (const IconEntry& e : entries) b.insert(b.end(), e.image.begin(), e.image.end());
  return b;
}

}  // namespace fixtures
