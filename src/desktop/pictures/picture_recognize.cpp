#include <cstring>

#include "desktop/pictures/picture.h"

namespace desktop {

namespace {

bool StartsWith(std::span<const std::uint8_t> data, const char* text, std::size_t length) {
  return data.size() >= length && std::memcmp(data.data(), text, length) == 0;
}

// Icon and cursor files share the directory header: zero, the file type, a non-zero count.
bool IsIconDirectory(std::span<const std::uint8_t> data, std::uint8_t type) {
  const bool header = data[0] == 0 && data[1] == 0 && data[2] == type && data[3] == 0;
  return header && (data[4] | data[5]) != 0;
}

bool IsPcx(std::span<const std::uint8_t> data) {
  if (data[0] != 0x0A) return false;
  if (data[1] <= 5 && data[2] == 1 && data[3] == 8) return true;
  return data[1] == 3 && data[2] == 1 && data[3] == 1;
}

}  // namespace

PictureFormat RecognizePicture(std::span<const std::uint8_t> data) {
  if (data.size() < 6) return PictureFormat::None;
  if (data[0] == 0xFF && data[1] == 0xD8) return PictureFormat::Jpeg;
  if (data[0] == 'B' && data[1] == 'M') return PictureFormat::Bmp;
  if (IsIconDirectory(data, 1)) return PictureFormat::Icon;
  if (IsIconDirectory(data, 2)) return PictureFormat::Cursor;
  if (StartsWith(data, "GIF87a", 6) || StartsWith(data, "GIF89a", 6)) return PictureFormat::Gif;
  if (IsPcx(data)) return PictureFormat::Pcx;
  return PictureFormat::None;
}

}  // namespace desktop
