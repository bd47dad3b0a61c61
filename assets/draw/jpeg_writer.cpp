// Baseline JPEG files through libjpeg, written to memory.
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "encoders.h"

namespace assets {

FileBytes EncodeJpeg(const Image& image, int quality) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.Width());
  info.image_height = static_cast<JDIMENSION>(image.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(image.Width()) * 3);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Colour8 c = ToColour8(image.At(x, y));
      row[x * 3] = c.r;
      row[x * 3 + 1] = c.g;
      row[x * 3 + 2] = c.b;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  FileBytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace assets
