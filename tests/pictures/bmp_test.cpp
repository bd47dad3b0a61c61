// BMP decoding: every depth, both row orders, the header generations, run-length encoding.
#include <gtest/gtest.h>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"
#include "test_palettes.h"

namespace {

using desktop::Picture;
using desktop::Rgb;
using fixtures::Bytes;
using fixtures::DibHeaderKind;
using fixtures::DibSpec;

struct BmpCase {
  std::string name;
  Bytes file;
  int width;
  int height;
  std::size_t palette_size;
  std::vector<std::uint32_t> expected;  // 0xRRGGBB per pixel, top row first
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const BmpCase& c, std::ostream* os) { *os << c.name; }

std::uint32_t ToRgbWord(desktop::ColorRef c) {
  return static_cast<std::uint32_t>(desktop::RedOf(c) << 16 | desktop::GreenOf(c) << 8 | desktop::BlueOf(c));
}

std::vector<std::uint32_t> Pattern(int width, int height, int modulo, int salt = 0) {
  std::vector<std::uint32_t> values;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) values.push_back(static_cast<std::uint32_t>((x * 5 + y * 3 + salt) % modulo));
  }
  return values;
}

BmpCase PaletteCase(std::string name, DibSpec spec) {
  std::vector<std::uint32_t> expected;
  for (std::uint32_t index : spec.values) expected.push_back(ToRgbWord(spec.palette.at(index)));
  const std::size_t palette_size = spec.palette.size();
  return {std::move(name), fixtures::MakeBmp(spec), spec.width, spec.height, palette_size, std::move(expected)};
}

DibSpec Indexed(int width, int height, int bits, bool top_down, DibHeaderKind header = DibHeaderKind::Info) {
  DibSpec spec;
  spec.width = width;
  spec.height = height;
  spec.bit_count = bits;
  spec.top_down = top_down;
  spec.header = header;
  spec.palette = fixtures::DistinctPalette(1 << bits);
  spec.values = Pattern(width, height, 1 << bits);
  return spec;
}

BmpCase TrueColorCase(std::string name, int bits, bool top_down, DibHeaderKind header) {
  DibSpec spec{.width = 3, .height = 4, .bit_count = bits, .top_down = top_down, .header = header};
  std::vector<std::uint32_t> expected;
  for (int i = 0; i < 12; ++i) {
    const std::uint32_t rgb = 0x10305u * static_cast<std::uint32_t>(i + 1) ^ 0xA05F3Cu;
    expected.push_back(rgb & 0xFFFFFF);
    // A 32-bit pixel's top byte is not alpha for a plain BMP: 0 there must still be opaque.
    spec.values.push_back(rgb & 0xFFFFFF);
  }
  return {std::move(name), fixtures::MakeBmp(spec), 3, 4, 0, std::move(expected)};
}

// 16-bit pixels in the default 5-5-5 layout: each channel scaled so that 31 becomes 255.
BmpCase Bits16Default() {
  DibSpec spec{.width = 3, .height = 2, .bit_count = 16};
  spec.values = {0x7C00, 0x03E0, 0x001F, 0x4210, 0xFC00, 0x7FFF};
  return {"Bits16Default555", fixtures::MakeBmp(spec), 3, 2, 0,
          {0xFF0000, 0x00FF00, 0x0000FF, 0x848484, 0xFF0000, 0xFFFFFF}};
}

// 16-bit 5-6-5 given by bit fields, after a plain header or inside the larger ones.
BmpCase Bits16Fields565(std::string name, DibHeaderKind header) {
  DibSpec spec{.width = 2, .height = 2, .bit_count = 16, .header = header, .compression = 3};
  spec.masks = {0xF800, 0x07E0, 0x001F};
  spec.values = {0xF800, 0x07E0, 0x0400, 0x001F};
  return {std::move(name), fixtures::MakeBmp(spec), 2, 2, 0, {0xFF0000, 0x00FF00, 0x008200, 0x0000FF}};
}

// 32-bit bit fields in an unusual order: blue in the top byte, red in the lowest.
// A mask as wide as the pixel: the channel takes its top eight bits.
BmpCase Bits32FullWidthMask() {
  DibSpec spec{.width = 2, .height = 1, .bit_count = 32, .compression = 3};
  spec.masks = {0xFFFFFFFF, 0, 0x000000FF};
  spec.values = {0x12345678, 0xFF0000C3};
  return {"Bits32FullWidthMask", fixtures::MakeBmp(spec), 2, 1, 0, {0x120078, 0xFF00C3}};
}

BmpCase Bits32Fields() {
  DibSpec spec{.width = 2, .height = 1, .bit_count = 32, .compression = 3};
  spec.masks = {0x000000FF, 0x0000FF00, 0xFF000000};
  spec.values = {0x11002233, 0xAB00CD00};
  return {"Bits32Fields", fixtures::MakeBmp(spec), 2, 1, 0, {0x332211, 0x00CDAB}};
}

// RLE8: runs, a literal run of odd length (padded), a move that skips a whole row, and pixels
// never written, which show palette colour 0.
BmpCase Rle8() {
  DibSpec spec{.width = 8, .height = 4, .bit_count = 8, .compression = 1};
  spec.palette = {Rgb(9, 9, 9), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)};
  spec.encoded = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0,  // bottom row: run, literal, end of row
                  8, 2, 0, 0,                    // second row
                  0, 2, 2, 1,                    // move right 2 and up 1: the third row is skipped
                  2, 3, 0, 4, 1, 2, 3, 1,        // top row from x = 2
                  0, 1};
  const std::uint32_t k = 0x090909, r = 0xFF0000, g = 0x00FF00, b = 0x0000FF;
  return {"Rle8", fixtures::MakeBmp(spec), 8, 4, 4,
          {k, k, b, b, r, g, b, r,  //
           k, k, k, k, k, k, k, k,  //
           g, g, g, g, g, g, g, g,  //
           r, r, r, g, b, r, k, k}};
}

// RLE4: a run alternates the two nibbles of its byte; literal nibbles padded to a word.
BmpCase Rle4() {
  DibSpec spec{.width = 8, .height = 2, .bit_count = 4, .compression = 2};
  spec.palette = fixtures::DistinctPalette(16);
  spec.encoded = {5, 0x12, 0, 3, 0x34, 0x50, 0, 0,     // bottom row
                  0, 5, 0x67, 0x89, 0xA0, 0, 3, 0xBC,  // top row
                  0, 1};
  const std::vector<int> indexes = {6, 7, 8, 9, 10, 11, 12, 11, 1, 2, 1, 2, 1, 3, 4, 5};
  std::vector<std::uint32_t> expected;
  for (int i : indexes) expected.push_back(ToRgbWord(spec.palette[i]));
  return {"Rle4", fixtures::MakeBmp(spec), 8, 2, 16, expected};
}

BmpCase ShortPalette() {
  DibSpec spec = Indexed(5, 3, 8, false);
  spec.palette = fixtures::DistinctPalette(3);
  spec.colors_used = 3;
  spec.values = Pattern(5, 3, 3);
  return PaletteCase("Bits8ThreeColoursUsed", spec);
}

BmpCase WithOffset(std::string name, std::optional<std::uint32_t> offset, int gap) {
  DibSpec spec = Indexed(4, 2, 8, false);
  BmpCase c = PaletteCase(std::move(name), spec);
  c.file = fixtures::MakeBmp(spec, offset, gap);
  return c;
}

std::vector<BmpCase> Cases() {
  std::vector<BmpCase> cases = {
      PaletteCase("Bits1BottomUp", Indexed(10, 3, 1, false)),
      PaletteCase("Bits1TopDown", Indexed(10, 3, 1, true)),
      PaletteCase("Bits4BottomUp", Indexed(5, 3, 4, false)),
      PaletteCase("Bits4TopDown", Indexed(5, 3, 4, true)),
      PaletteCase("Bits8BottomUp", Indexed(7, 4, 8, false)),
      PaletteCase("Bits8TopDown", Indexed(7, 4, 8, true)),
      PaletteCase("Bits8V4Header", Indexed(6, 2, 8, false, DibHeaderKind::V4)),
      PaletteCase("Bits8V5HeaderTopDown", Indexed(6, 2, 8, true, DibHeaderKind::V5)),
      PaletteCase("Bits1CoreHeader", Indexed(9, 2, 1, false, DibHeaderKind::Core)),
      PaletteCase("Bits8CoreHeader", Indexed(7, 3, 8, false, DibHeaderKind::Core)),
      ShortPalette(),
      TrueColorCase("Bits24BottomUp", 24, false, DibHeaderKind::Info),
      TrueColorCase("Bits24TopDown", 24, true, DibHeaderKind::Info),
      TrueColorCase("Bits24CoreHeader", 24, false, DibHeaderKind::Core),
      TrueColorCase("Bits32BottomUp", 32, false, DibHeaderKind::Info),
      TrueColorCase("Bits32TopDownV5", 32, true, DibHeaderKind::V5),
      Bits16Default(),
      Bits16Fields565("Bits16Fields565AfterHeader", DibHeaderKind::Info),
      Bits16Fields565("Bits16Fields565InV4Header", DibHeaderKind::V4),
      Bits16Fields565("Bits16Fields565InV5Header", DibHeaderKind::V5),
      Bits32Fields(),
      Bits32FullWidthMask(),
      Rle8(),
      Rle4(),
      WithOffset("RowsAfterAGap", std::nullopt, 6),
      WithOffset("ZeroOffsetMeansAfterPalette", 0u, 0),
  };
  return cases;
}

class BmpTest : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpTest, DecodesEveryPixel) {
  const BmpCase& c = GetParam();
  const Picture picture = desktop::DecodePicture(fixtures::View(c.file));
  ASSERT_EQ(picture.kind, Picture::Kind::Bitmap);
  EXPECT_EQ(picture.format, desktop::PictureFormat::Bmp);
  ASSERT_EQ(picture.image.width, c.width);
  ASSERT_EQ(picture.image.height, c.height);
  EXPECT_EQ(picture.palette.size(), c.palette_size);
  ASSERT_EQ(picture.image.pixels.size(), c.expected.size());
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      EXPECT_EQ(picture.image.At(x, y), 0xFF000000u | c.expected[static_cast<std::size_t>(y) * c.width + x])
          << "pixel (" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<BmpCase>& info) { return info.param.name; });

// Files written by hand, byte by byte, to pin row order and bit order independently of the
// fixture writer.
TEST(BmpLiteralTest, TwoByTwoBottomUp24Bit) {
  const Bytes file = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  //
                      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      0xFF, 0, 0, 0, 0xFF, 0, 0, 0,           // bottom row: blue, green, padding
                      0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};    // top row: red, white, padding
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_TRUE(picture.IsValid());
  EXPECT_TRUE(picture.palette.empty());
  fixtures::ExpectPixels(picture, {{0, 0, fixtures::Opaque(255, 0, 0)},
                                   {1, 0, fixtures::Opaque(255, 255, 255)},
                                   {0, 1, fixtures::Opaque(0, 0, 255)},
                                   {1, 1, fixtures::Opaque(0, 255, 0)}});
}

TEST(BmpLiteralTest, OneBitMostSignificantBitFirst) {
  const Bytes file = {'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,  //
                      40, 0, 0, 0, 9, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      0, 0, 0, 0, 0x30, 0x20, 0x10, 0,  // palette: black, then RGB(16, 32, 48)
                      0x80, 0x80, 0, 0};
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_TRUE(picture.IsValid());
  ASSERT_EQ(picture.palette.size(), 2u);
  EXPECT_EQ(picture.palette[1], Rgb(16, 32, 48));
  fixtures::ExpectPixels(picture, {{0, 0, fixtures::Opaque(16, 32, 48)},
                                   {1, 0, fixtures::Opaque(0, 0, 0)},
                                   {7, 0, fixtures::Opaque(0, 0, 0)},
                                   {8, 0, fixtures::Opaque(16, 32, 48)}});
}

// An index beyond the colours the file lists shows black rather than reading past the palette.
TEST(BmpLiteralTest, IndexPastShortPaletteIsBlack) {
  DibSpec spec{.width = 2, .height = 1, .bit_count = 8, .colors_used = 2};
  spec.palette = {Rgb(1, 2, 3), Rgb(4, 5, 6)};
  spec.values = {1, 200};
  const Picture picture = desktop::DecodePicture(fixtures::View(fixtures::MakeBmp(spec)));
  ASSERT_TRUE(picture.IsValid());
  fixtures::ExpectPixels(picture, {{0, 0, fixtures::Opaque(4, 5, 6)}, {1, 0, fixtures::Opaque(0, 0, 0)}});
}

// The logos the window carries: 140 x 35 with a 256-colour palette (5,978 bytes) and
// 196 x 49 in 24-bit colour (28,866 bytes).
TEST(BmpWindowPicturesTest, LogoSizesDecode) {
  DibSpec palette_logo = Indexed(140, 35, 8, false);
  const Bytes small = fixtures::MakeBmp(palette_logo);
  EXPECT_EQ(small.size(), 5978u);
  const Picture a = desktop::DecodePicture(fixtures::View(small));
  ASSERT_TRUE(a.IsValid());
  EXPECT_EQ(a.palette.size(), 256u);
  EXPECT_EQ(a.image.At(139, 34), desktop::ToPixel(palette_logo.palette[palette_logo.values[34 * 140 + 139]]));

  DibSpec true_logo{.width = 196, .height = 49, .bit_count = 24};
  for (int i = 0; i < 196 * 49; ++i) true_logo.values.push_back(static_cast<std::uint32_t>(i * 977) & 0xFFFFFF);
  const Bytes large = fixtures::MakeBmp(true_logo);
  EXPECT_EQ(large.size(), 28866u);
  const Picture b = desktop::DecodePicture(fixtures::View(large));
  ASSERT_TRUE(b.IsValid());
  EXPECT_EQ(b.image.width, 196);
  EXPECT_EQ(b.image.height, 49);
  EXPECT_EQ(b.image.At(195, 48), 0xFF000000u | true_logo.values[48 * 196 + 195]);
  EXPECT_EQ(b.image.At(0, 0), 0xFF000000u | true_logo.values[0]);
}

}  // namespace
