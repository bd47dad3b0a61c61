// GIF through giflib: the first image of the file, at its own size, as a palette bitmap with
// its local colour table or else the global one. The transparent colour index of a graphic
// control extension is not applied: those pixels show their palette colour.
#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "desktop/pictures/picture_decoders.h"
#include "desktop/pictures/picture_limits.h"

namespace desktop::pictures {

namespace {

struct MemoryReader {
  std::span<const std::uint8_t> data;
  std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  if (length <= 0) return 0;
  const std::size_t left = reader->data.size() - reader->pos;
  const std::size_t n = std::min(left, static_cast<std::size_t>(length));
  std::copy_n(reader->data.data() + reader->pos, n, buffer);
  reader->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Skips an extension block and its sub-blocks.
bool SkipExtension(GifFileType* gif) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// Row of the picture that the n-th stored row belongs to; interlaced images store every
// eighth row from 0, every eighth from 4, every fourth from 2, then every second from 1.
int StoredRowToRow(int n, int height, bool interlaced) {
  if (!interlaced) return n;
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows = kStart[pass] < height ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
    if (n < rows) return kStart[pass] + n * kStep[pass];
    n -= rows;
  }
  return -1;
}

Picture ReadFirstImage(GifFileType* gif) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) return {};
  const GifImageDesc& desc = gif->Image;
  if (!AcceptableSize(desc.Width, desc.Height)) return {};
  const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
  if (map == nullptr || map->ColorCount <= 0) return {};

  Picture picture;
  picture.kind = Picture::Kind::Bitmap;
  picture.format = PictureFormat::Gif;
  for (int i = 0; i < map->ColorCount; ++i) {
    const GifColorType& c = map->Colors[i];
    picture.palette.push_back(Rgb(c.Red, c.Green, c.Blue));
  }
  picture.image = MakeBitmap(desc.Width, desc.Height);
  std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
  for (int n = 0; n < desc.Height; ++n) {
    if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return {};
    const int y = StoredRowToRow(n, desc.Height, desc.Interlace);
    Pixel* out = picture.image.pixels.data() + static_cast<std::size_t>(y) * desc.Width;
    for (int x = 0; x < desc.Width; ++x) out[x] = PaletteColor(picture.palette, line[x]);
  }
  return picture;
}

}  // namespace

Picture DecodeGif(std::span<const std::uint8_t> data) {
  MemoryReader reader{data};
  int error = 0;
  GifHandle gif(DGifOpen(&reader, ReadFromMemory, &error));
  if (!gif) return {};
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return {};
    switch (record) {
      case EXTENSION_RECORD_TYPE:
        if (!SkipExtension(gif.get())) return {};
        break;
      case IMAGE_DESC_RECORD_TYPE: {
        Picture picture = ReadFirstImage(gif.get());
        // A file cut off after the first image's data is still cut off: the next record must be there.
        if (!picture.IsValid() || DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return {};
        return picture;
      }
      default: return {};  // the trailer, or garbage, before any image
    }
  }
}

}  // namespace desktop::pictures
