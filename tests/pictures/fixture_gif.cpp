// GIF files through giflib's encoder, written to memory.
#include <gif_lib.h>

#include <stdexcept>

#include "picture_fixtures.h"

namespace fixtures {

namespace {

int WriteToBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// giflib wants colour tables of a power of two entries; the tests give such tables.
ColorMapObject* MakeMap(const std::vector<desktop::ColorRef>& palette) {
  if (palette.empty()) return nullptr;
  std::vector<GifColorType> colors;
  for (desktop::ColorRef c : palette) {
    colors.push_back(GifColorType{static_cast<GifByteType>(desktop::RedOf(c)),
                                  static_cast<GifByteType>(desktop::GreenOf(c)),
                                  static_cast<GifByteType>(desktop::BlueOf(c))});
  }
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
  if (map == nullptr) throw std::invalid_argument("GIF palette size must be a power of two");
  return map;
}

void Check(int result) {
  if (result == GIF_ERROR) throw std::runtime_error("giflib encoder failed");
}

// The order in which an interlaced image stores its rows.
std::vector<int> StoredRowOrder(int height, bool interlaced) {
  std::vector<int> order;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  const int start[4] = {0, 4, 2, 1};
  const int step[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = start[pass]; y < height; y += step[pass]) order.push_back(y);
  }
  return order;
}

}  // namespace

Bytes MakeGif(const GifSpec& spec) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteToBytes, &error);
  if (gif == nullptr) throw std::runtime_error("EGifOpen failed");
  EGifSetGifVersion(gif, spec.gif89);
  ColorMapObject* global = MakeMap(spec.global_palette);
  Check(EGifPutScreenDesc(gif, spec.screen_width, spec.screen_height, 8, 0, global));
  GifFreeMapObject(global);
  for (const GifImage& image : spec.images) {
    if (image.transparent_index) {
      GraphicsControlBlock gcb{};
      gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
      gcb.DelayTime = 0;
      gcb.TransparentColor = *image.transparent_index;
      GifByteType extension[4];
      const size_t length = EGifGCBToExtension(&gcb, extension);
      Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
    }
    ColorMapObject* local = MakeMap(image.local_palette);
    Check(EGifPutImageDesc(gif, image.left, image.top, image.width, image.height, image.interlaced, local));
    GifFreeMapObject(local);
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
    for (int y : StoredRowOrder(image.height, image.interlaced)) {
      for (int x = 0; x < image.width; ++x) line[x] = image.indexes.at(static_cast<std::size_t>(y) * image.width + x);
      Check(EGifPutLine(gif, line.data(), image.width));
    }
  }
  Check(EGifCloseFile(gif, &error));
  return out;
}

}  // namespace fixtures
