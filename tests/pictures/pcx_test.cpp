// PCX decoding: 8-bit with the palette at the end, 24-bit in three planes, 1-bit planes.
#include <gtest/gtest.h>

#include <array>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"
#include "test_palettes.h"

namespace {

using desktop::Picture;
using desktop::Rgb;
using fixtures::Bytes;
using fixtures::PcxSpec;

// The 16 colours of version 3 files, which carry no palette of their own.
constexpr std::array<std::uint32_t, 16> kStandard16 = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

struct PcxCase {
  std::string name;
  PcxSpec spec;
  std::size_t palette_size;
  std::vector<std::uint32_t> expected;  // 0xRRGGBB per pixel
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const PcxCase& c, std::ostream* os) { *os << c.name; }

std::uint32_t Word(desktop::ColorRef c) {
  return static_cast<std::uint32_t>(desktop::RedOf(c) << 16 | desktop::GreenOf(c) << 8 | desktop::BlueOf(c));
}

PcxCase Indexed8(std::string name, int version, int width, int height, int bytes_per_line = 0) {
  PcxSpec spec{.version = version, .width = width, .height = height, .bytes_per_line = bytes_per_line};
  spec.palette256 = fixtures::DistinctPalette(256);
  std::vector<std::uint32_t> expected;
  for (int i = 0; i < width * height; ++i) {
    // Long stretches of one value make runs; values of 0xC0 and above must be escaped.
    const std::uint32_t v = (i / 5 % 2) ? 0xC7u + static_cast<std::uint32_t>(i % 3) : static_cast<std::uint32_t>(i % 256);
    spec.values.push_back(v);
    expected.push_back(Word(spec.palette256[v]));
  }
  return {std::move(name), spec, 256, expected};
}

PcxCase Rgb24() {
  PcxSpec spec{.planes = 3, .width = 5, .height = 3};
  std::vector<std::uint32_t> expected;
  for (int i = 0; i < 15; ++i) {
    const std::uint32_t v = (static_cast<std::uint32_t>(i) * 0x1F2D3Bu + 0xC00040u) & 0xFFFFFF;
    spec.values.push_back(v);
    expected.push_back(v);
  }
  return {"ThreePlanes24Bit", spec, 0, expected};
}

PcxCase OneBit(std::string name, int planes) {
  PcxSpec spec{.version = 3, .bits = 1, .planes = planes, .width = 11, .height = 3};
  std::vector<std::uint32_t> expected;
  const std::uint32_t colors = 1u << planes;
  for (int i = 0; i < 33; ++i) {
    const std::uint32_t v = static_cast<std::uint32_t>(i * 3 + i / 11) % colors;
    spec.values.push_back(v);
    expected.push_back(planes == 1 ? (v ? 0xFFFFFF : 0x000000) : kStandard16[v]);
  }
  return {std::move(name), spec, planes == 1 ? 2u : 16u, expected};
}

std::vector<PcxCase> Cases() {
  return {
      Indexed8("Version5Palette256", 5, 9, 4),
      Indexed8("Version0Palette256", 0, 6, 2),
      Indexed8("WideRowsWithPadding", 5, 3, 3, 8),
      Rgb24(),
      OneBit("Version3Monochrome", 1),
      OneBit("Version3FourPlanes", 4),
      OneBit("Version3TwoPlanes", 2),
  };
}

class PcxTest : public testing::TestWithParam<PcxCase> {};

TEST_P(PcxTest, DecodesEveryPixel) {
  const PcxCase& c = GetParam();
  const Bytes file = fixtures::MakePcx(c.spec);
  ASSERT_EQ(desktop::RecognizePicture(fixtures::View(file)), desktop::PictureFormat::Pcx);
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_EQ(picture.kind, Picture::Kind::Bitmap);
  ASSERT_EQ(picture.image.width, c.spec.width);
  ASSERT_EQ(picture.image.height, c.spec.height);
  EXPECT_EQ(picture.palette.size(), c.palette_size);
  for (int y = 0; y < c.spec.height; ++y) {
    for (int x = 0; x < c.spec.width; ++x) {
      EXPECT_EQ(picture.image.At(x, y), 0xFF000000u | c.expected[static_cast<std::size_t>(y) * c.spec.width + x])
          << "pixel (" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, PcxTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<PcxCase>& info) { return info.param.name; });

// Runs of the encoded stream may run on from one row into the next.
TEST(PcxStreamTest, RunAcrossRows) {
  PcxSpec spec{.width = 4, .height = 2, .bytes_per_line = 4};
  spec.values.assign(8, 0);
  spec.palette256 = fixtures::DistinctPalette(256);
  const Bytes whole = fixtures::MakePcx(spec);
  Bytes file(whole.begin(), whole.begin() + 128);  // the header only
  file.push_back(0xC8);  // eight bytes of index 9: both rows
  file.push_back(9);
  file.push_back(0x0C);
  for (desktop::ColorRef c : spec.palette256) {
    file.push_back(static_cast<std::uint8_t>(desktop::RedOf(c)));
    file.push_back(static_cast<std::uint8_t>(desktop::GreenOf(c)));
    file.push_back(static_cast<std::uint8_t>(desktop::BlueOf(c)));
  }
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_TRUE(picture.IsValid());
  fixtures::ExpectPixels(picture, {{0, 0, desktop::ToPixel(spec.palette256[9])}, {3, 1, desktop::ToPixel(spec.palette256[9])}});
}

// An 8-bit file whose palette marker is missing has no colours for its indexes.
TEST(PcxStreamTest, MissingPaletteMarkerIsNoPicture) {
  PcxCase c = Indexed8("x", 5, 4, 2);
  Bytes file = fixtures::MakePcx(c.spec);
  file[file.size() - 769] = 0x0B;
  EXPECT_EQ(desktop::DecodePicture(fixtures::View(file)).kind, Picture::Kind::None);
}

}  // namespace
