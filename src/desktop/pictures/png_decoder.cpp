// PNG streams, as newer icon files store their larger entries. libpng's simplified reader does
// the work; it reports every error through its return value.
#include <png.h>

#include <bit>
#include <cstring>

#include "desktop/pictures/picture_decoders.h"
#include "desktop/pictures/picture_limits.h"

namespace desktop::pictures {

static_assert(std::endian::native == std::endian::little, "PNG_FORMAT_BGRA is read as 0xAARRGGBB words");

Picture DecodePng(std::span<const std::uint8_t> data) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
    png_image_free(&image);
    return {};
  }
  if (!AcceptableSize(image.width, image.height)) {
    png_image_free(&image);
    return {};
  }
  // Blue, green, red, alpha in memory is 0xAARRGGBB in a little-endian word.
  image.format = PNG_FORMAT_BGRA;
  Bitmap bitmap = MakeBitmap(static_cast<int>(image.width), static_cast<int>(image.height));
  const bool done = png_image_finish_read(&image, nullptr, bitmap.pixels.data(),
                                          static_cast<png_int_32>(image.width * 4), nullptr) != 0;
  png_image_free(&image);
  if (!done) return {};
  // The alpha byte of an icon is its mask: drawn or not.
  for (Pixel& p : bitmap.pixels) p = (p >> 24) >= 128 ? (p | 0xFF000000u) : (p & 0x00FFFFFFu);

  Picture picture;
  picture.kind = Picture::Kind::Bitmap;
  picture.image = std::move(bitmap);
  return picture;
}

}  // namespace desktop::pictures
