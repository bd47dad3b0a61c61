// shopassist-icon-png ICON_FILE PNG_FILE SIZE
//
// The desktop's icon of the program from the same picture as its window icon: the icon file is
// decoded by the program's own picture decoder, and its image, at its own size, is centred on a
// transparent SIZE x SIZE square (icon themes want square icons of standard sizes) and written as
// an RGBA PNG. The mask becomes full transparency; every other pixel is opaque.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "desktop/pictures/picture.h"

namespace {

std::vector<std::uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// RGBA bytes of a side x side square with `image` in its middle.
std::vector<std::uint8_t> CentreOnSquare(const desktop::Bitmap& image, int side) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(side) * side * 4, 0);
  const int left = (side - image.width) / 2;
  const int top = (side - image.height) / 2;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const desktop::Pixel p = image.At(x, y);
      if ((p >> 24) == 0) continue;  // masked: stays transparent
      std::uint8_t* out = &rgba[(static_cast<std::size_t>(top + y) * side + left + x) * 4];
      out[0] = static_cast<std::uint8_t>(p >> 16);
      out[1] = static_cast<std::uint8_t>(p >> 8);
      out[2] = static_cast<std::uint8_t>(p);
      out[3] = 0xFF;
    }
  }
  return rgba;
}

bool WriteRgbaPng(const char* path, const std::vector<std::uint8_t>& rgba, int side) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  bool written = false;
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(side), static_cast<png_uint_32>(side), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < side; ++y) png_write_row(png, &rgba[static_cast<std::size_t>(y) * side * 4]);
    png_write_end(png, info);
    written = true;
  }
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: shopassist-icon-png ICON_FILE PNG_FILE SIZE\n");
    return 2;
  }
  const int side = std::atoi(argv[3]);
  const std::vector<std::uint8_t> data = ReadFile(argv[1]);
  const desktop::Picture picture = desktop::DecodePicture(data);
  if (picture.kind != desktop::Picture::Kind::Icon || !picture.IsValid()) {
    std::fprintf(stderr, "shopassist-icon-png: %s is not an icon file\n", argv[1]);
    return 1;
  }
  if (side <= 0 || side > 1024 || picture.image.width > side || picture.image.height > side) {
    std::fprintf(stderr, "shopassist-icon-png: a %d x %d icon does not fit a square of %s\n", picture.image.width,
                 picture.image.height, argv[3]);
    return 1;
  }
  if (!WriteRgbaPng(argv[2], CentreOnSquare(picture.image, side), side)) {
    std::fprintf(stderr, "shopassist-icon-png: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
