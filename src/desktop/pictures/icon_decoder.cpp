// Icon and cursor files: a directory (reserved zero, file type, entry count) of 16-byte entries
// (width, height, colour count, reserved, two words, byte count, offset), each entry pointing
// at a bitmap whose colour rows are followed by a one-bit AND mask, or at a PNG stream.
#include <cstring>

#include "desktop/pictures/byte_view.h"
#include "desktop/pictures/dib_reader.h"
#include "desktop/pictures/picture_decoders.h"

namespace desktop::pictures {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// The first entry with more than 16 colours noted and the asked width; else the last entry.
// A colour count of 0 (256 colours and more) does not count as more than 15.
std::size_t ChooseEntry(const ByteView& file, std::size_t count, int icon_width) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kDirectorySize + i * kEntrySize;
    const int width = file.U8(entry) == 0 ? 256 : file.U8(entry);
    if (file.U8(entry + 2) > 15 && width == icon_width) return i;
  }
  return count - 1;
}

std::optional<Bitmap> DecodeMaskedDib(std::span<const std::uint8_t> image, std::vector<ColorRef>& palette) {
  const std::optional<DibHeader> header = ReadDibHeader(image, true);
  if (!header) return std::nullopt;
  const ByteView view(image);
  std::optional<Bitmap> bitmap = DecodeDibRows(*header, view.From(header->bits_offset));
  if (!bitmap) return std::nullopt;

  const std::uint64_t mask_offset = header->bits_offset + DibStride(header->width, header->bit_count) * header->height;
  const std::uint64_t mask_stride = DibStride(header->width, 1);
  const std::span<const std::uint8_t> mask = view.Sub(mask_offset, mask_stride * header->height);
  if (mask.empty()) return std::nullopt;
  for (int y = 0; y < header->height; ++y) {
    const std::uint8_t* row = mask.data() + mask_stride * (header->height - 1 - y);
    Pixel* out = bitmap->pixels.data() + static_cast<std::size_t>(y) * header->width;
    for (int x = 0; x < header->width; ++x) {
      if ((row[x >> 3] >> (7 - (x & 7))) & 1) out[x] &= 0x00FFFFFFu;
    }
  }
  palette = header->palette;
  return bitmap;
}

}  // namespace

Picture DecodeIconFile(std::span<const std::uint8_t> data, int icon_width) {
  const ByteView file(data);
  if (!file.Has(0, kDirectorySize) || file.U16(0) != 0) return {};
  const std::uint16_t type = file.U16(2);
  const std::size_t count = file.U16(4);
  if ((type != 1 && type != 2) || count == 0 || !file.Has(kDirectorySize, count * kEntrySize)) return {};

  const std::size_t entry = kDirectorySize + ChooseEntry(file, count, icon_width) * kEntrySize;
  const std::span<const std::uint8_t> image = file.Sub(file.U32(entry + 12), file.U32(entry + 8));
  if (image.empty()) return {};

  Picture picture;
  if (image.size() >= sizeof kPngSignature && std::memcmp(image.data(), kPngSignature, sizeof kPngSignature) == 0) {
    picture = DecodePng(image);
  } else if (std::optional<Bitmap> bitmap = DecodeMaskedDib(image, picture.palette)) {
    picture.image = std::move(*bitmap);
  } else {
    return {};
  }
  if (picture.image.IsEmpty()) return {};
  picture.kind = Picture::Kind::Icon;
  picture.format = type == 1 ? PictureFormat::Icon : PictureFormat::Cursor;
  return picture;
}

}  // namespace desktop::pictures
