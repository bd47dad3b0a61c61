#include "desktop/backends/headless/png_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace desktop {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by a long jump; everything that needs cleaning up lives outside the
// function that sets the jump point.
bool WriteRows(std::FILE* file, const Bitmap& image, std::vector<png_bytep>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePngFile(const std::string& path, const Bitmap& image) {
  if (image.IsEmpty() || image.pixels.size() < static_cast<size_t>(image.width) * image.height) return false;
  std::vector<png_byte> data(static_cast<size_t>(image.width) * image.height * 3);
  for (size_t i = 0; i < static_cast<size_t>(image.width) * image.height; ++i) {
    const Pixel p = image.pixels[i];
    data[i * 3] = static_cast<png_byte>((p >> 16) & 0xFF);
    data[i * 3 + 1] = static_cast<png_byte>((p >> 8) & 0xFF);
    data[i * 3 + 2] = static_cast<png_byte>(p & 0xFF);
  }
  std::vector<png_bytep> rows(static_cast<size_t>(image.height));
  for (int y = 0; y < image.height; ++y) rows[y] = data.data() + static_cast<size_t>(y) * image.width * 3;

  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  if (!WriteRows(file.get(), image, rows)) return false;
  return std::fflush(file.get()) == 0;
}

}  // namespace desktop
