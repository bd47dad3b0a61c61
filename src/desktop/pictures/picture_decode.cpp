#include "desktop/pictures/picture.h"
#include "desktop/pictures/picture_decoders.h"

namespace desktop {

Picture DecodePicture(std::span<const std::uint8_t> data, int icon_width) {
  Picture picture;
  switch (RecognizePicture(data)) {
    case PictureFormat::Jpeg: picture = pictures::DecodeJpeg(data); break;
    case PictureFormat::Bmp: picture = pictures::DecodeBmp(data); break;
    case PictureFormat::Icon:
    case PictureFormat::Cursor: picture = pictures::DecodeIconFile(data, icon_width); break;
    case PictureFormat::Gif: picture = pictures::DecodeGif(data); break;
    case PictureFormat::Pcx: picture = pictures::DecodePcx(data); break;
    case PictureFormat::None: break;
  }
  // A decoder that gave up leaves nothing half-made behind.
  if (!picture.IsValid()) return Picture{};
  return picture;
}

}  // namespace desktop
