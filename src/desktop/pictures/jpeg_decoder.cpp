// JPEG through libjpeg, from memory. libjpeg reports fatal errors by calling error_exit, which
// by default ends the process; here it jumps back to the decoder instead, so corrupt data is
// only "no picture". Data that ends early makes libjpeg warn and pad the rest with grey; that
// is taken as an error as well.
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <memory>
#include <vector>

#include "desktop/pictures/picture_decoders.h"
#include "desktop/pictures/picture_limits.h"

namespace desktop::pictures {

namespace {

// Progressive files may hold any number of scans, each a full pass over the coefficients;
// a bound keeps hostile data from taking unbounded time.
constexpr long kMaxScans = 500;

struct ErrorManager {
  jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf jump;
  bool cut_short = false;
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::longjmp(manager->jump, 1);
}

void NoteMessage(j_common_ptr cinfo, int level) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) manager->cut_short = true;
}

void Silent(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxScans) JumpOut(cinfo);
}

// Everything the decoding touches lives here, outside the frame that calls setjmp, so its
// values are well defined after a jump back.
struct JpegJob {
  std::span<const std::uint8_t> data;
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  jpeg_progress_mgr progress;
  std::vector<JSAMPLE> row;
  Picture picture;
};

bool Run(JpegJob* job) {
  jpeg_decompress_struct& cinfo = job->cinfo;
  if (setjmp(job->errors.jump) != 0) return false;
  jpeg_mem_src(&cinfo, job->data.data(), static_cast<unsigned long>(job->data.size()));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (!AcceptableSize(cinfo.image_width, cinfo.image_height)) return false;
  if (cinfo.jpeg_color_space == JCS_GRAYSCALE) {
    cinfo.out_color_space = JCS_GRAYSCALE;
  } else if (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_RGB) {
    cinfo.out_color_space = JCS_RGB;
  } else {
    return false;  // CMYK and YCCK are not read
  }
  jpeg_start_decompress(&cinfo);
  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  const int channels = cinfo.output_components;
  if (!AcceptableSize(width, height) || (channels != 1 && channels != 3)) return false;

  job->picture.image = MakeBitmap(width, height);
  job->row.resize(static_cast<std::size_t>(width) * channels);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    JSAMPROW rows[1] = {job->row.data()};
    if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) return false;
    Pixel* out = job->picture.image.pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = job->row.data() + static_cast<std::size_t>(x) * channels;
      out[x] = channels == 1 ? ToPixel(Rgb(p[0], p[0], p[0])) : ToPixel(Rgb(p[0], p[1], p[2]));
    }
  }
  jpeg_finish_decompress(&cinfo);
  return !job->errors.cut_short;
}

}  // namespace

Picture DecodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return {};
  auto job = std::make_unique<JpegJob>();
  job->data = data;
  job->cinfo.err = jpeg_std_error(&job->errors.base);
  job->errors.base.error_exit = JumpOut;
  job->errors.base.emit_message = NoteMessage;
  job->errors.base.output_message = Silent;
  job->progress.progress_monitor = LimitScans;
  // jpeg_create_decompress can fail too (out of memory): it reports through error_exit.
  if (setjmp(job->errors.jump) != 0) {
    jpeg_destroy_decompress(&job->cinfo);
    return {};
  }
  jpeg_create_decompress(&job->cinfo);
  job->cinfo.progress = &job->progress;
  const bool ok = Run(job.get());
  jpeg_destroy_decompress(&job->cinfo);
  if (!ok) return {};
  job->picture.kind = Picture::Kind::Bitmap;
  job->picture.format = PictureFormat::Jpeg;
  return std::move(job->picture);
}

}  // namespace desktop::pictures
