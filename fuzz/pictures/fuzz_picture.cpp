// One libFuzzer target per decoder (FUZZ_DECODER picks it), or FUZZ_ALL through recognition.
// Beyond not crashing, a decoded picture must be whole and within the size cap, and a refused
// one must be empty.
#include <cstddef>
#include <cstdint>
#include <span>

#include "desktop/pictures/picture.h"
#include "desktop/pictures/picture_decoders.h"

#define FUZZ_ALL 0
#define FUZZ_BMP 1
#define FUZZ_ICON 2
#define FUZZ_GIF 3
#define FUZZ_PCX 4
#define FUZZ_JPEG 5

namespace {

using desktop::Picture;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckPicture(const Picture& picture) {
  if (picture.kind == Picture::Kind::None) {
    Require(picture.image.pixels.empty());
    return;
  }
  const desktop::Bitmap& image = picture.image;
  Require(image.width > 0 && image.height > 0);
  Require(static_cast<std::int64_t>(image.width) * image.height <= desktop::kMaxPicturePixels);
  Require(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
  Require(picture.palette.size() <= 256);
  for (desktop::Pixel p : image.pixels) {
    const std::uint32_t alpha = p >> 24;
    // Bitmaps are opaque; icons carry their mask as alpha 0 or 255.
    Require(alpha == 255 || (picture.kind == Picture::Kind::Icon && alpha == 0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
#if FUZZ_DECODER == FUZZ_ALL
  for (int icon_width : {32, 16}) {
    const Picture picture = desktop::DecodePicture(bytes, icon_width);
    CheckPicture(picture);
    if (picture.IsValid()) Require(desktop::RecognizePicture(bytes) == picture.format);
  }
#elif FUZZ_DECODER == FUZZ_BMP
  CheckPicture(desktop::pictures::DecodeBmp(bytes));
#elif FUZZ_DECODER == FUZZ_ICON
  CheckPicture(desktop::pictures::DecodeIconFile(bytes, 32));
#elif FUZZ_DECODER == FUZZ_GIF
  CheckPicture(desktop::pictures::DecodeGif(bytes));
#elif FUZZ_DECODER == FUZZ_PCX
  CheckPicture(desktop::pictures::DecodePcx(bytes));
#elif FUZZ_DECODER == FUZZ_JPEG
  CheckPicture(desktop::pictures::DecodeJpeg(bytes));
#else
#error "FUZZ_DECODER names no decoder"
#endif
  return 0;
}
