// JPEG through libjpeg's compressor and PNG through libpng's simplified writer, both to memory.
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "picture_fixtures.h"

namespace fixtures {

Bytes MakeJpeg(int width, int height, const std::vector<std::uint32_t>& rgb, bool grey, bool progressive,
               int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * cinfo.input_components);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = rgb.at(static_cast<std::size_t>(y) * width + x);
      if (grey) {
        row[x] = static_cast<JSAMPLE>(v >> 8);
      } else {
        row[3 * x] = static_cast<JSAMPLE>(v >> 16);
        row[3 * x + 1] = static_cast<JSAMPLE>(v >> 8);
        row[3 * x + 2] = static_cast<JSAMPLE>(v);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

Bytes MakePng(int width, int height, const std::vector<std::uint32_t>& argb) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB words on a little-endian machine
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, argb.data(), 0, nullptr)) {
    throw std::runtime_error("PNG size query failed");
  }
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, argb.data(), 0, nullptr)) {
    throw std::runtime_error("PNG write failed");
  }
  out.resize(size);
  return out;
}

}  // namespace fixtures
