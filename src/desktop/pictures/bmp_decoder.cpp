// BMP files: a 14-byte file header ("BM", file size, two reserved words, offset of the pixel
// rows) followed by a device-independent bitmap.
#include "desktop/pictures/byte_view.h"
#include "desktop/pictures/dib_reader.h"
#include "desktop/pictures/picture_decoders.h"

namespace desktop::pictures {

namespace {
constexpr std::size_t kFileHeaderSize = 14;
}  // namespace

Picture DecodeBmp(std::span<const std::uint8_t> data) {
  const ByteView file(data);
  if (!file.Has(0, kFileHeaderSize) || file.U8(0) != 'B' || file.U8(1) != 'M') return {};
  const std::optional<DibHeader> header = ReadDibHeader(file.From(kFileHeaderSize), false);
  if (!header) return {};

  // The stored offset says where the rows start; writers that leave it zero put them
  // straight after the palette.
  std::uint64_t bits_offset = file.U32(10);
  if (bits_offset == 0) bits_offset = kFileHeaderSize + header->bits_offset;
  if (bits_offset > data.size()) return {};
  const std::span<const std::uint8_t> bits = file.From(bits_offset);

  const bool run_length = header->compression == kDibRle8 || header->compression == kDibRle4;
  std::optional<Bitmap> image = run_length ? DecodeDibRle(*header, bits) : DecodeDibRows(*header, bits);
  if (!image) return {};

  Picture picture;
  picture.kind = Picture::Kind::Bitmap;
  picture.format = PictureFormat::Bmp;
  picture.image = std::move(*image);
  picture.palette = header->palette;
  return picture;
}

}  // namespace desktop::pictures
