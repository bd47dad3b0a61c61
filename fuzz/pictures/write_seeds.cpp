// Writes a seed corpus for the picture fuzz targets: one small file of every format, depth
// and layout the decoders read, in a folder per format under the folder given.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "picture_fixtures.h"
#include "test_palettes.h"

namespace {

using fixtures::Bytes;
using fixtures::DibSpec;

void Write(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint32_t> Values(int count, std::uint32_t modulo) {
  std::vector<std::uint32_t> v;
  for (int i = 0; i < count; ++i) v.push_back(static_cast<std::uint32_t>(i * 7 + i / 5) % modulo);
  return v;
}

DibSpec Spec(int bits, std::uint32_t compression = 0) {
  DibSpec spec{.width = 6, .height = 4, .bit_count = bits, .compression = compression};
  if (bits <= 8) spec.palette = fixtures::DistinctPalette(1 << bits);
  spec.values = Values(24, bits <= 8 ? 1u << bits : 0xFFFFFFu);
  return spec;
}

void WriteBmps(const std::filesystem::path& folder) {
  for (int bits : {1, 4, 8, 16, 24, 32}) Write(folder, "bits" + std::to_string(bits) + ".bmp", fixtures::MakeBmp(Spec(bits)));
  DibSpec top = Spec(8);
  top.top_down = true;
  top.header = fixtures::DibHeaderKind::V5;
  Write(folder, "top_down_v5.bmp", fixtures::MakeBmp(top));
  DibSpec core = Spec(4);
  core.header = fixtures::DibHeaderKind::Core;
  Write(folder, "core.bmp", fixtures::MakeBmp(core));
  DibSpec fields = Spec(16, 3);
  fields.masks = {0xF800, 0x07E0, 0x001F};
  Write(folder, "fields565.bmp", fixtures::MakeBmp(fields));
  DibSpec rle8 = Spec(8, 1);
  rle8.encoded = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 1, 2, 5, 0, 1};
  Write(folder, "rle8.bmp", fixtures::MakeBmp(rle8));
  DibSpec rle4 = Spec(4, 2);
  rle4.encoded = {6, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 2, 0, 1, 0, 1};
  Write(folder, "rle4.bmp", fixtures::MakeBmp(rle4));
}

void WriteIcons(const std::filesystem::path& folder) {
  const std::vector<bool> mask(24, false);
  std::vector<bool> holes(24);
  for (std::size_t i = 0; i < holes.size(); ++i) holes[i] = i % 3 == 0;
  Write(folder, "icon8.ico", fixtures::MakeIconFile(1, {{6, 4, 0, fixtures::MakeDib(Spec(8), &holes)}}));
  Write(folder, "icon_two.ico", fixtures::MakeIconFile(1, {{6, 4, 16, fixtures::MakeDib(Spec(4), &mask)},
                                                         {6, 4, 0, fixtures::MakeDib(Spec(24), &holes)}}));
  Write(folder, "cursor.cur", fixtures::MakeIconFile(2, {{6, 4, 2, fixtures::MakeDib(Spec(1), &holes)}}));
  Write(folder, "png.ico", fixtures::MakeIconFile(1, {{2, 2, 0, fixtures::MakePng(2, 2, {0xFF102030, 0, 0x80FFFFFF, 0xFF000000})}}));
}

void WriteGifs(const std::filesystem::path& folder) {
  fixtures::GifImage image;
  image.width = 6;
  image.height = 9;
  for (std::uint32_t v : Values(54, 8)) image.indexes.push_back(static_cast<std::uint8_t>(v));
  fixtures::GifSpec plain{.gif89 = false, .screen_width = 6, .screen_height = 9, .global_palette = fixtures::DistinctPalette(8)};
  plain.images.push_back(image);
  Write(folder, "plain.gif", fixtures::MakeGif(plain));
  fixtures::GifSpec rich{.screen_width = 20, .screen_height = 20, .global_palette = fixtures::DistinctPalette(8)};
  image.interlaced = true;
  image.transparent_index = 3;
  image.local_palette = fixtures::DistinctPalette(16);
  image.left = 4;
  rich.images.push_back(image);
  rich.images.push_back(image);
  Write(folder, "interlaced_two_images.gif", fixtures::MakeGif(rich));
}

void WritePcx(const std::filesystem::path& folder) {
  fixtures::PcxSpec indexed{.width = 7, .height = 3, .values = Values(21, 256), .palette256 = fixtures::DistinctPalette(256)};
  Write(folder, "indexed8.pcx", fixtures::MakePcx(indexed));
  Write(folder, "rgb24.pcx", fixtures::MakePcx({.planes = 3, .width = 7, .height = 3, .values = Values(21, 0xFFFFFF)}));
  Write(folder, "mono.pcx", fixtures::MakePcx({.version = 3, .bits = 1, .width = 9, .height = 3, .values = Values(27, 2)}));
  Write(folder, "planes4.pcx",
        fixtures::MakePcx({.version = 3, .bits = 1, .planes = 4, .width = 9, .height = 3, .values = Values(27, 16)}));
}

void WriteJpegs(const std::filesystem::path& folder) {
  const std::vector<std::uint32_t> rgb = Values(16 * 12, 0xFFFFFF);
  Write(folder, "baseline.jpg", fixtures::MakeJpeg(16, 12, rgb, false, false, 80));
  Write(folder, "grey.jpg", fixtures::MakeJpeg(16, 12, rgb, true, false, 80));
  Write(folder, "progressive.jpg", fixtures::MakeJpeg(16, 12, rgb, false, true, 80));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: picture_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  WriteBmps(root / "bmp");
  WriteIcons(root / "icon");
  WriteGifs(root / "gif");
  WritePcx(root / "pcx");
  WriteJpegs(root / "jpeg");
  return 0;
}
