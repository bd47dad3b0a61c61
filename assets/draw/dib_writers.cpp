// The icon and BMP files: device-independent bitmaps written field by field.
#include "encoders.h"

namespace assets {
namespace {

void U16(FileBytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void U32(FileBytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
std::size_t RowBytes(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

void InfoHeader(FileBytes& out, int width, int height, int bits, std::uint32_t image_size, std::uint32_t colours) {
  U32(out, 40);
  U32(out, static_cast<std::uint32_t>(width));
  U32(out, static_cast<std::uint32_t>(height));
  U16(out, 1);
  U16(out, static_cast<unsigned>(bits));
  U32(out, 0);  // no compression
  U32(out, image_size);
  U32(out, 2835);  // 72 dots per inch
  U32(out, 2835);
  U32(out, colours);
  U32(out, 0);
}

void Palette(FileBytes& out, const PaletteImage& image) {
  for (const auto& c : image.palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
}

void IndexRows(FileBytes& out, const PaletteImage& image) {
  const std::size_t stride = RowBytes(image.width, 8);
  for (int y = image.height - 1; y >= 0; --y) {
    const auto row = image.indexes.begin() + static_cast<long>(y) * image.width;
    out.insert(out.end(), row, row + image.width);
    out.insert(out.end(), stride - static_cast<std::size_t>(image.width), 0);
  }
}

}  // namespace

FileBytes EncodeIcon(const PaletteImage& image, const std::vector<bool>& transparent) {
  const std::size_t xor_size = RowBytes(image.width, 8) * image.height;
  const std::size_t and_stride = RowBytes(image.width, 1);
  const std::size_t and_size = and_stride * image.height;
  const std::uint32_t entry_size = static_cast<std::uint32_t>(40 + 1024 + xor_size + and_size);

  FileBytes out;
  U16(out, 0);  // reserved
  U16(out, 1);  // icon
  U16(out, 1);  // one image
  out.push_back(static_cast<std::uint8_t>(image.width));
  out.push_back(static_cast<std::uint8_t>(image.height));
  out.push_back(0);  // 256 colours
  out.push_back(0);
  U16(out, 1);  // planes
  U16(out, 8);  // bits per pixel
  U32(out, entry_size);
  U32(out, 6 + 16);

  // The height counts the XOR image and the AND mask together.
  InfoHeader(out, image.width, image.height * 2, 8, static_cast<std::uint32_t>(xor_size + and_size), 0);
  Palette(out, image);
  IndexRows(out, image);
  for (int y = image.height - 1; y >= 0; --y) {
    FileBytes row(and_stride, 0);
    for (int x = 0; x < image.width; ++x) {
      if (transparent[static_cast<std::size_t>(y) * image.width + x]) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

FileBytes EncodeBmp8(const PaletteImage& image) {
  const std::uint32_t pixels_size = static_cast<std::uint32_t>(RowBytes(image.width, 8) * image.height);
  const std::uint32_t offset = 14 + 40 + 1024;
  FileBytes out;
  out.push_back('B');
  out.push_back('M');
  U32(out, offset + pixels_size);
  U32(out, 0);
  U32(out, offset);
  InfoHeader(out, image.width, image.height, 8, pixels_size, 256);
  Palette(out, image);
  IndexRows(out, image);
  return out;
}

FileBytes EncodeBmp24(const Image& image) {
  const std::size_t stride = RowBytes(image.Width(), 24);
  const std::uint32_t pixels_size = static_cast<std::uint32_t>(stride * image.Height());
  const std::uint32_t offset = 14 + 40;
  FileBytes out;
  out.push_back('B');
  out.push_back('M');
  U32(out, offset + pixels_size);
  U32(out, 0);
  U32(out, offset);
  InfoHeader(out, image.Width(), image.Height(), 24, pixels_size, 0);
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Colour8 c = ToColour8(image.At(x, y));
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.insert(out.end(), stride - static_cast<std::size_t>(image.Width()) * 3, 0);
  }
  return out;
}

}  // namespace assets
