// GIF decoding: the first image at its own size, its palette, transparency not applied.
#include <gtest/gtest.h>

#include <algorithm>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"
#include "test_palettes.h"

namespace {

using desktop::Picture;
using desktop::Rgb;
using fixtures::Bytes;
using fixtures::GifImage;
using fixtures::GifSpec;

std::vector<std::uint8_t> Indexes(int width, int height, int colors, int salt = 0) {
  std::vector<std::uint8_t> v;
  for (int i = 0; i < width * height; ++i) v.push_back(static_cast<std::uint8_t>((i * 7 + i / width + salt) % colors));
  return v;
}

GifImage Image(int width, int height, int colors, int salt = 0) {
  GifImage image;
  image.width = width;
  image.height = height;
  image.indexes = Indexes(width, height, colors, salt);
  return image;
}

struct GifCase {
  std::string name;
  GifSpec spec;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const GifCase& c, std::ostream* os) { *os << c.name; }

std::vector<GifCase> Cases() {
  std::vector<GifCase> cases;
  {
    GifSpec s{.gif89 = false, .screen_width = 5, .screen_height = 4, .global_palette = fixtures::DistinctPalette(4)};
    s.images.push_back(Image(5, 4, 4));
    cases.push_back({"Gif87aGlobalPalette", s});
  }
  {
    GifSpec s{.screen_width = 6, .screen_height = 3, .global_palette = fixtures::DistinctPalette(8)};
    GifImage image = Image(6, 3, 16);
    image.local_palette = fixtures::DistinctPalette(16);
    std::reverse(image.local_palette.begin(), image.local_palette.end());
    s.images.push_back(image);
    cases.push_back({"LocalPaletteWins", s});
  }
  {
    GifSpec s{.screen_width = 40, .screen_height = 30, .global_palette = fixtures::DistinctPalette(16)};
    GifImage image = Image(7, 5, 16);
    image.left = 11;
    image.top = 9;
    s.images.push_back(image);
    cases.push_back({"ImageSmallerThanScreenKeepsItsOwnSize", s});
  }
  {
    GifSpec s{.screen_width = 9, .screen_height = 19, .global_palette = fixtures::DistinctPalette(32)};
    GifImage image = Image(9, 19, 32);
    image.interlaced = true;
    s.images.push_back(image);
    cases.push_back({"InterlacedRowsInPlace", s});
  }
  {
    GifSpec s{.screen_width = 4, .screen_height = 4, .global_palette = fixtures::DistinctPalette(4)};
    s.images.push_back(Image(4, 4, 4, 0));
    GifImage second = Image(3, 2, 4, 1);
    s.images.push_back(second);
    cases.push_back({"FirstOfTwoImages", s});
  }
  // The window's pictures: 80 x 70 and 55 x 42.
  for (auto [w, h] : {std::pair{80, 70}, std::pair{55, 42}}) {
    GifSpec s{.screen_width = w, .screen_height = h, .global_palette = fixtures::DistinctPalette(256)};
    s.images.push_back(Image(w, h, 256));
    cases.push_back({"WindowPicture" + std::to_string(w) + "x" + std::to_string(h), s});
  }
  return cases;
}

class GifTest : public testing::TestWithParam<GifCase> {};

TEST_P(GifTest, FirstImageAsPaletteBitmap) {
  const GifSpec& spec = GetParam().spec;
  const GifImage& first = spec.images.front();
  const std::vector<desktop::ColorRef>& palette = first.local_palette.empty() ? spec.global_palette : first.local_palette;
  const Bytes file = fixtures::MakeGif(spec);
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_EQ(picture.kind, Picture::Kind::Bitmap);
  EXPECT_EQ(picture.format, desktop::PictureFormat::Gif);
  ASSERT_EQ(picture.image.width, first.width);
  ASSERT_EQ(picture.image.height, first.height);
  EXPECT_EQ(picture.palette, palette);
  for (int y = 0; y < first.height; ++y) {
    for (int x = 0; x < first.width; ++x) {
      const std::uint8_t index = first.indexes[static_cast<std::size_t>(y) * first.width + x];
      EXPECT_EQ(picture.image.At(x, y), desktop::ToPixel(palette[index])) << "pixel (" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, GifTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GifCase>& info) { return info.param.name; });

// A transparent colour index is ignored: its pixels are opaque in their palette colour.
TEST(GifTransparencyTest, TransparentIndexShowsItsColour) {
  GifSpec spec{.screen_width = 3, .screen_height = 1,
               .global_palette = {Rgb(1, 2, 3), Rgb(200, 100, 50), Rgb(9, 8, 7), Rgb(0, 0, 0)}};
  GifImage image;
  image.width = 3;
  image.height = 1;
  image.indexes = {1, 0, 1};
  image.transparent_index = 1;
  spec.images.push_back(image);
  const Bytes file = fixtures::MakeGif(spec);
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_TRUE(picture.IsValid());
  fixtures::ExpectPixels(picture, {{0, 0, fixtures::Opaque(200, 100, 50)},
                                   {1, 0, fixtures::Opaque(1, 2, 3)},
                                   {2, 0, fixtures::Opaque(200, 100, 50)}});
}

// A file without any colour table has nothing to show. giflib will not write one, so the
// global table is cut out of a written file: its flag is bit 7 of the screen's packed byte.
TEST(GifColourTableTest, NoColourTableIsNoPicture) {
  GifSpec spec{.screen_width = 2, .screen_height = 2, .global_palette = fixtures::DistinctPalette(2)};
  spec.images.push_back(Image(2, 2, 2));
  Bytes file = fixtures::MakeGif(spec);
  ASSERT_TRUE(desktop::DecodePicture(fixtures::View(file)).IsValid());
  constexpr std::size_t kPacked = 10, kTable = 13;
  ASSERT_EQ(file[kPacked] & 0x87, 0x80);  // a table of two entries
  file[kPacked] &= 0x7F;
  file.erase(file.begin() + kTable, file.begin() + kTable + 6);
  EXPECT_EQ(desktop::DecodePicture(fixtures::View(file)).kind, Picture::Kind::None);
}

}  // namespace
