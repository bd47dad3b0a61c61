// GIF files through giflib, written to memory.
#include <gif_lib.h>

#include <stdexcept>

#include "encoders.h"

namespace assets {
namespace {

int Collect(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<FileBytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

}  // namespace

FileBytes EncodeGif(const PaletteImage& image, int transparent_index) {
  FileBytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, Collect, &error);
  if (gif == nullptr) throw std::runtime_error("giflib cannot start a GIF");

  GifColorType colours[256];
  for (int i = 0; i < 256; ++i) colours[i] = {image.palette[i].r, image.palette[i].g, image.palette[i].b};
  ColorMapObject* map = GifMakeMapObject(256, colours);
  bool ok = map != nullptr;
  EGifSetGifVersion(gif, transparent_index >= 0);
  ok = ok && EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map) == GIF_OK;
  if (ok && transparent_index >= 0) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = transparent_index;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < image.height; ++y) {
    auto* row = const_cast<GifPixelType*>(image.indexes.data() + static_cast<std::size_t>(y) * image.width);
    ok = EGifPutLine(gif, row, image.width) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  GifFreeMapObject(map);
  if (!ok) throw std::runtime_error("giflib cannot write the GIF");
  return out;
}

}  // namespace assets
