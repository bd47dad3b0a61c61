// Icon and cursor files: which entry is taken, the AND mask, every entry depth, PNG entries.
#include <gtest/gtest.h>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"
#include "test_palettes.h"

namespace {

using desktop::Picture;
using desktop::PictureFormat;
using desktop::Rgb;
using fixtures::Bytes;
using fixtures::DibSpec;
using fixtures::IconEntry;

// A one-colour entry: a 1-bit bitmap whose pixels all use palette entry 1 = `color`, no mask.
IconEntry SolidEntry(int width, int height, std::uint8_t color_count, desktop::ColorRef color) {
  DibSpec spec{.width = width, .height = height, .bit_count = 1};
  spec.palette = {Rgb(0, 0, 0), color};
  spec.values.assign(static_cast<std::size_t>(width) * height, 1);
  const std::vector<bool> mask(static_cast<std::size_t>(width) * height, false);
  return {static_cast<std::uint8_t>(width & 0xFF), static_cast<std::uint8_t>(height & 0xFF), color_count,
          fixtures::MakeDib(spec, &mask)};
}

struct EntryRuleCase {
  const char* name;
  std::vector<std::pair<int, int>> entries;  // width (and height), colour-count byte
  int icon_width;
  std::size_t expected_entry;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const EntryRuleCase& c, std::ostream* os) { *os << c.name; }

const EntryRuleCase kEntryRules[] = {
    {"FirstWithWidthAndColours", {{32, 0}, {32, 16}, {16, 16}}, 32, 1},
    {"SmallIconWidth", {{32, 0}, {32, 16}, {16, 16}}, 16, 2},
    {"NoWidthMatchTakesLast", {{16, 16}, {32, 16}, {48, 0}}, 24, 2},
    {"FifteenColoursIsNotAbove15", {{32, 15}, {16, 2}}, 32, 1},
    {"ZeroColourCountIsNotAbove15", {{32, 0}, {48, 0}}, 32, 1},
    {"FirstOfTwoMatches", {{32, 16}, {32, 255}}, 32, 0},
    {"WidthByteZeroMeans256", {{256, 16}, {32, 2}}, 256, 0},
};

class IconEntryRuleTest : public testing::TestWithParam<EntryRuleCase> {};

TEST_P(IconEntryRuleTest, PicksTheEntry) {
  const EntryRuleCase& c = GetParam();
  std::vector<IconEntry> entries;
  // Each entry has its own colour, so the decoded picture names the entry it came from.
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    const int size = c.entries[i].first;
    entries.push_back(SolidEntry(size, size, static_cast<std::uint8_t>(c.entries[i].second),
                                 Rgb(40 * static_cast<int>(i + 1), 7, 9)));
  }
  const Bytes file = fixtures::MakeIconFile(1, entries);
  const Picture picture = desktop::DecodePicture(fixtures::View(file), c.icon_width);
  ASSERT_EQ(picture.kind, Picture::Kind::Icon);
  EXPECT_EQ(picture.format, PictureFormat::Icon);
  EXPECT_EQ(picture.image.width, c.entries[c.expected_entry].first);
  EXPECT_EQ(picture.image.At(0, 0), fixtures::Opaque(40 * static_cast<int>(c.expected_entry + 1), 7, 9));
}

INSTANTIATE_TEST_SUITE_P(Table, IconEntryRuleTest, testing::ValuesIn(kEntryRules),
                         [](const testing::TestParamInfo<EntryRuleCase>& info) { return info.param.name; });

TEST(IconEntryRuleTest, DefaultWidthIs32) {
  const Bytes file = fixtures::MakeIconFile(
      1, {SolidEntry(16, 16, 16, Rgb(1, 1, 1)), SolidEntry(32, 32, 16, Rgb(2, 2, 2)), SolidEntry(48, 48, 16, Rgb(3, 3, 3))});
  EXPECT_EQ(desktop::DecodePicture(fixtures::View(file)).image.width, 32);
}

// Colour rows of each depth under a mask that hides every third pixel: hidden pixels get alpha 0
// and keep their colour, the rest are opaque.
class IconDepthTest : public testing::TestWithParam<int> {};

TEST_P(IconDepthTest, ColourAndMask) {
  const int bits = GetParam();
  const int width = 7, height = 3;
  DibSpec spec{.width = width, .height = height, .bit_count = bits};
  std::vector<std::uint32_t> rgb;
  std::vector<bool> mask;
  if (bits <= 8) spec.palette = fixtures::DistinctPalette(1 << bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int i = y * width + x;
      mask.push_back(i % 3 == 0);
      if (bits <= 8) {
        const std::uint32_t index = static_cast<std::uint32_t>(i * 3 + 1) % (1u << bits);
        spec.values.push_back(index);
        const desktop::ColorRef c = spec.palette[index];
        rgb.push_back(static_cast<std::uint32_t>(desktop::RedOf(c) << 16 | desktop::GreenOf(c) << 8 | desktop::BlueOf(c)));
      } else {
        const std::uint32_t value = static_cast<std::uint32_t>(i) * 0x0B0D11u + 0x203040u;
        spec.values.push_back(value & 0xFFFFFF);
        rgb.push_back(value & 0xFFFFFF);
      }
    }
  }
  const Bytes file = fixtures::MakeIconFile(1, {{width, height, 0, fixtures::MakeDib(spec, &mask)}});
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_EQ(picture.kind, Picture::Kind::Icon);
  ASSERT_EQ(picture.image.width, width);
  ASSERT_EQ(picture.image.height, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * width + x;
      const desktop::Pixel alpha = mask[i] ? 0u : 0xFF000000u;
      EXPECT_EQ(picture.image.At(x, y), alpha | rgb[i]) << "pixel (" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, IconDepthTest, testing::Values(1, 4, 8, 24, 32),
                         [](const testing::TestParamInfo<int>& info) { return "Bits" + std::to_string(info.param); });

TEST(IconFileTest, CursorBecomesAnIcon) {
  const Bytes file = fixtures::MakeIconFile(2, {SolidEntry(32, 32, 2, Rgb(10, 20, 30))});
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_EQ(picture.kind, Picture::Kind::Icon);
  EXPECT_EQ(picture.format, PictureFormat::Cursor);
  EXPECT_EQ(picture.image.At(31, 31), fixtures::Opaque(10, 20, 30));
}

// The window icon: one 80 x 70 entry with a 256-colour palette and a mask, 7,526 bytes. Its
// colour-count byte is 0, so the entry rule falls back to the last (only) entry.
TEST(IconFileTest, WindowIconDecodes) {
  const int width = 80, height = 70;
  DibSpec spec{.width = width, .height = height, .bit_count = 8};
  spec.palette = fixtures::DistinctPalette(256);
  std::vector<bool> mask;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      spec.values.push_back(static_cast<std::uint32_t>(x + y) & 0xFF);
      mask.push_back(x < 5 || y >= 65);  // a transparent margin on the left and at the bottom
    }
  }
  const Bytes file = fixtures::MakeIconFile(1, {{80, 70, 0, fixtures::MakeDib(spec, &mask)}});
  EXPECT_EQ(file.size(), 7526u);
  for (int icon_width : {32, 16}) {
    const Picture picture = desktop::DecodePicture(fixtures::View(file), icon_width);
    ASSERT_EQ(picture.kind, Picture::Kind::Icon);
    ASSERT_EQ(picture.image.width, 80);
    ASSERT_EQ(picture.image.height, 70);
    EXPECT_EQ(picture.palette.size(), 256u);
    EXPECT_EQ(picture.image.At(4, 10) >> 24, 0u);
    EXPECT_EQ(picture.image.At(79, 65) >> 24, 0u);
    EXPECT_EQ(picture.image.At(5, 0), desktop::ToPixel(spec.palette[5]));
    EXPECT_EQ(picture.image.At(79, 64), desktop::ToPixel(spec.palette[(79 + 64) & 0xFF]));
  }
}

// Newer icon files store large entries as PNG; their alpha becomes the mask (at half strength).
TEST(IconFileTest, PngEntry) {
  const std::vector<std::uint32_t> argb = {0x00112233, 0x7F445566, 0x80778899, 0xFFAABBCC};
  const Bytes file = fixtures::MakeIconFile(1, {{4, 1, 0, fixtures::MakePng(4, 1, argb)}});
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_EQ(picture.kind, Picture::Kind::Icon);
  ASSERT_EQ(picture.image.width, 4);
  ASSERT_EQ(picture.image.height, 1);
  EXPECT_EQ(picture.image.At(0, 0) >> 24, 0u);
  EXPECT_EQ(picture.image.At(1, 0) >> 24, 0u);
  EXPECT_EQ(picture.image.At(2, 0), 0xFF778899u);
  EXPECT_EQ(picture.image.At(3, 0), 0xFFAABBCCu);
}

}  // namespace
