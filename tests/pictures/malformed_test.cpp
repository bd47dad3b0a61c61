// Malformed pictures: cut short anywhere, sizes out of bounds, broken run-length streams.
// Each must give no picture, without crashing and without a huge allocation.
#include <gtest/gtest.h>

#include <functional>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"
#include "test_palettes.h"

namespace {

using desktop::Picture;
using desktop::Rgb;
using fixtures::Bytes;
using fixtures::DibSpec;

struct Fixture {
  std::string name;
  Bytes file;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const Fixture& c, std::ostream* os) { *os << c.name; }

DibSpec Indexed(int width, int height, int bits) {
  DibSpec spec{.width = width, .height = height, .bit_count = bits};
  spec.palette = fixtures::DistinctPalette(1 << bits);
  for (int i = 0; i < width * height; ++i) spec.values.push_back(static_cast<std::uint32_t>(i % (1 << bits)));
  return spec;
}

Bytes Rle8File() {
  DibSpec spec{.width = 4, .height = 2, .bit_count = 8, .compression = 1};
  spec.palette = fixtures::DistinctPalette(4);
  spec.encoded = {4, 1, 0, 0, 0, 3, 1, 2, 3, 0, 1, 3, 0, 1};
  return fixtures::MakeBmp(spec);
}

Bytes Rle4File() {
  DibSpec spec{.width = 5, .height = 2, .bit_count = 4, .compression = 2};
  spec.palette = fixtures::DistinctPalette(16);
  spec.encoded = {5, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 1};
  return fixtures::MakeBmp(spec);
}

Bytes IconFile(int bits) {
  DibSpec spec = Indexed(5, 3, bits);
  if (bits > 8) {
    spec.palette.clear();
    for (std::uint32_t& v : spec.values) v *= 0x010203u;
  }
  const std::vector<bool> mask(15, true);
  return fixtures::MakeIconFile(1, {{5, 3, 16, fixtures::MakeDib(spec, &mask)}});
}

Bytes GifFile() {
  fixtures::GifSpec spec{.screen_width = 6, .screen_height = 5, .global_palette = fixtures::DistinctPalette(8)};
  fixtures::GifImage image;
  image.width = 6;
  image.height = 5;
  image.transparent_index = 2;
  for (int i = 0; i < 30; ++i) image.indexes.push_back(static_cast<std::uint8_t>(i * 5 % 8));
  spec.images.push_back(image);
  return fixtures::MakeGif(spec);
}

Bytes PcxFile(int bits, int planes, int version) {
  fixtures::PcxSpec spec{.version = version, .bits = bits, .planes = planes, .width = 7, .height = 3};
  for (int i = 0; i < 21; ++i) spec.values.push_back(static_cast<std::uint32_t>(i * 0x2F1B9 + i / 3) & (bits == 8 && planes == 1 ? 0xFF : planes == 3 ? 0xFFFFFF : (1u << planes) - 1));
  if (bits == 8 && planes == 1) spec.palette256 = fixtures::DistinctPalette(256);
  return fixtures::MakePcx(spec);
}

std::vector<std::uint32_t> Gradient(int width, int height) {
  std::vector<std::uint32_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) rgb.push_back(static_cast<std::uint32_t>(x * 8 << 16 | y * 8 << 8 | 0x40));
  }
  return rgb;
}

std::vector<Fixture> Fixtures() {
  DibSpec v5 = Indexed(3, 2, 8);
  v5.header = fixtures::DibHeaderKind::V5;
  DibSpec core = Indexed(3, 2, 4);
  core.header = fixtures::DibHeaderKind::Core;
  DibSpec fields{.width = 3, .height = 2, .bit_count = 16, .compression = 3};
  fields.masks = {0xF800, 0x07E0, 0x001F};
  fields.values = {1, 2, 3, 4, 5, 6};
  DibSpec rgb24{.width = 3, .height = 2, .bit_count = 24, .values = {1, 2, 3, 4, 5, 6}};
  return {
      {"Bmp1", fixtures::MakeBmp(Indexed(9, 2, 1))},
      {"Bmp4", fixtures::MakeBmp(Indexed(5, 2, 4))},
      {"Bmp8", fixtures::MakeBmp(Indexed(3, 3, 8))},
      {"Bmp8V5", fixtures::MakeBmp(v5)},
      {"Bmp4Core", fixtures::MakeBmp(core)},
      {"Bmp16Fields", fixtures::MakeBmp(fields)},
      {"Bmp24", fixtures::MakeBmp(rgb24)},
      {"BmpRle8", Rle8File()},
      {"BmpRle4", Rle4File()},
      {"Icon8", IconFile(8)},
      {"Icon24", IconFile(24)},
      {"IconPng", fixtures::MakeIconFile(1, {{2, 2, 0, fixtures::MakePng(2, 2, {0xFF102030, 0, 0x80FFFFFF, 0xFF000000})}})},
      {"Gif", GifFile()},
      {"Pcx8", PcxFile(8, 1, 5)},
      {"Pcx24", PcxFile(8, 3, 5)},
      {"Pcx1", PcxFile(1, 1, 3)},
      {"Pcx4Planes", PcxFile(1, 4, 3)},
      {"JpegBaseline", fixtures::MakeJpeg(16, 8, Gradient(16, 8), false, false)},
      {"JpegProgressive", fixtures::MakeJpeg(16, 8, Gradient(16, 8), false, true)},
      {"JpegGrey", fixtures::MakeJpeg(8, 8, Gradient(8, 8), true, false)},
  };
}

class TruncationTest : public testing::TestWithParam<Fixture> {};

// The whole file decodes; every shorter prefix of it is no picture.
TEST_P(TruncationTest, EveryPrefixIsNoPicture) {
  const Bytes& file = GetParam().file;
  ASSERT_TRUE(desktop::DecodePicture(fixtures::View(file)).IsValid());
  for (std::size_t length = 0; length < file.size(); ++length) {
    const Picture picture = desktop::DecodePicture({file.data(), length});
    EXPECT_EQ(picture.kind, Picture::Kind::None) << "cut at " << length << " of " << file.size();
    EXPECT_TRUE(picture.image.pixels.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TruncationTest, testing::ValuesIn(Fixtures()),
                         [](const testing::TestParamInfo<Fixture>& info) { return info.param.name; });

// ---- fields patched to absurd or invalid values ----

struct Patch {
  std::string name;
  Bytes file;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const Patch& c, std::ostream* os) { *os << c.name; }

Patch PatchBmp(std::string name, const std::function<void(Bytes&)>& change) {
  Bytes file = fixtures::MakeBmp(Indexed(4, 4, 8));
  change(file);
  return {std::move(name), file};
}

Patch PatchIcon(std::string name, const std::function<void(Bytes&)>& change) {
  Bytes file = IconFile(8);
  change(file);
  return {std::move(name), file};
}

Patch PatchPcx(std::string name, const std::function<void(Bytes&)>& change) {
  Bytes file = PcxFile(8, 1, 5);
  change(file);
  return {std::move(name), file};
}

Patch PatchGif(std::string name, const std::function<void(Bytes&)>& change) {
  Bytes file = GifFile();
  change(file);
  return {std::move(name), file};
}

// Offsets in a BMP file: 14-byte file header, then the info header.
constexpr std::size_t kWidth = 18, kHeight = 22, kBits = 28, kCompression = 30, kColorsUsed = 46;

// The image descriptor of the GIF fixture: header 6, screen 7, colour table 24, control
// extension 8, then 0x2C and left, top, width, height.
constexpr std::size_t kGifImageWidth = 6 + 7 + 24 + 8 + 5;

std::vector<Patch> Patches() {
  using fixtures::PutU16;
  using fixtures::PutU32;
  return {
      PatchBmp("BmpHugeWidth", [](Bytes& b) { PutU32(b, kWidth, 100000); }),
      PatchBmp("BmpHugeBothWays", [](Bytes& b) { PutU32(b, kWidth, 0x7FFFFFFF); PutU32(b, kHeight, 0x7FFFFFFF); }),
      PatchBmp("BmpJustOverTheCap", [](Bytes& b) { PutU32(b, kWidth, 4096); PutU32(b, kHeight, 4097); }),
      PatchBmp("BmpMostNegativeHeight", [](Bytes& b) { PutU32(b, kHeight, 0x80000000u); }),
      PatchBmp("BmpZeroWidth", [](Bytes& b) { PutU32(b, kWidth, 0); }),
      PatchBmp("BmpNegativeWidth", [](Bytes& b) { PutU32(b, kWidth, static_cast<std::uint32_t>(-4)); }),
      PatchBmp("BmpZeroHeight", [](Bytes& b) { PutU32(b, kHeight, 0); }),
      PatchBmp("BmpThreeBits", [](Bytes& b) { PutU16(b, kBits, 3); }),
      PatchBmp("BmpZeroBits", [](Bytes& b) { PutU16(b, kBits, 0); }),
      PatchBmp("BmpJpegCompression", [](Bytes& b) { PutU32(b, kCompression, 4); }),
      PatchBmp("BmpRle4On8Bits", [](Bytes& b) { PutU32(b, kCompression, 2); }),
      PatchBmp("BmpBitfieldsOn8Bits", [](Bytes& b) { PutU32(b, kCompression, 3); }),
      PatchBmp("BmpHugeColoursUsedOnTrueColour", [](Bytes& b) { PutU16(b, kBits, 24); PutU32(b, kColorsUsed, 0x40000000); PutU32(b, 10, 0); }),
      PatchBmp("BmpRowsOffsetPastEnd", [](Bytes& b) { PutU32(b, 10, 0xFFFFFFF0u); }),
      PatchBmp("BmpHeaderSizeHuge", [](Bytes& b) { PutU32(b, 14, 0x7FFFFFFF); }),
      PatchBmp("BmpHeaderSizeBetweenCoreAndInfo", [](Bytes& b) { PutU32(b, 14, 20); }),
      PatchIcon("IconEntryOffsetPastEnd", [](Bytes& b) { PutU32(b, 6 + 12, 0xFFFFFFF0u); }),
      PatchIcon("IconEntrySizePastEnd", [](Bytes& b) { PutU32(b, 6 + 8, 0x7FFFFFFF); }),
      PatchIcon("IconEntryEmpty", [](Bytes& b) { PutU32(b, 6 + 8, 0); }),
      PatchIcon("IconCountBeyondDirectory", [](Bytes& b) { PutU16(b, 4, 0xFFFF); }),
      PatchIcon("IconBitmapHugeWidth", [](Bytes& b) { PutU32(b, 22 + 4, 0x10000000); }),
      PatchIcon("IconBitmapTopDown", [](Bytes& b) { PutU32(b, 22 + 8, static_cast<std::uint32_t>(-6)); }),
      PatchIcon("IconBitmapRle8", [](Bytes& b) { PutU32(b, 22 + 16, 1); }),
      PatchPcx("PcxHugeWidth", [](Bytes& b) { PutU16(b, 8, 0xFFFF); PutU16(b, 66, 0xFFFF); }),
      PatchPcx("PcxHugeAndTiny", [](Bytes& b) { PutU16(b, 8, 4095); PutU16(b, 10, 4095); PutU16(b, 66, 4096); }),
      PatchPcx("PcxEndBeforeStart", [](Bytes& b) { PutU16(b, 4, 9); }),
      PatchPcx("PcxRowBytesTooFew", [](Bytes& b) { PutU16(b, 66, 3); }),
      PatchPcx("PcxFivePlanes", [](Bytes& b) { b[65] = 5; }),
      PatchPcx("PcxTwoPlanes8Bit", [](Bytes& b) { b[65] = 2; }),
      PatchPcx("PcxZeroPlanes", [](Bytes& b) { b[65] = 0; }),
      PatchGif("GifHugeImage", [](Bytes& b) { PutU16(b, kGifImageWidth, 0xFFFF); PutU16(b, kGifImageWidth + 2, 0xFFFF); }),
      PatchGif("GifZeroWidthImage", [](Bytes& b) { PutU16(b, kGifImageWidth, 0); }),
      PatchGif("GifBadCodeSize", [](Bytes& b) { b[kGifImageWidth + 5] = 12; }),
  };
}

class PatchedFieldTest : public testing::TestWithParam<Patch> {};

TEST_P(PatchedFieldTest, IsNoPicture) {
  const Picture picture = desktop::DecodePicture(fixtures::View(GetParam().file));
  EXPECT_EQ(picture.kind, Picture::Kind::None);
  EXPECT_TRUE(picture.image.pixels.empty());
}

INSTANTIATE_TEST_SUITE_P(Fields, PatchedFieldTest, testing::ValuesIn(Patches()),
                         [](const testing::TestParamInfo<Patch>& info) { return info.param.name; });

// The patch offsets above must point at the fields they name, or those cases prove nothing.
TEST(PatchedFieldTest, OffsetsNameTheFields) {
  const Bytes bmp = fixtures::MakeBmp(Indexed(4, 4, 8));
  EXPECT_EQ(bmp[kWidth], 4);
  EXPECT_EQ(bmp[kHeight], 4);
  EXPECT_EQ(bmp[kBits], 8);
  const Bytes gif = GifFile();
  EXPECT_EQ(gif[kGifImageWidth - 5], 0x2C);
  EXPECT_EQ(gif[kGifImageWidth], 6);
  EXPECT_EQ(gif[kGifImageWidth + 2], 5);
  const Bytes icon = IconFile(8);
  EXPECT_EQ(icon[22], 40);      // the entry's bitmap header starts after the one-entry directory
  EXPECT_EQ(icon[22 + 8], 6);   // doubled height
}

// ---- broken run-length streams ----

struct RleCase {
  const char* name;
  std::uint32_t compression;
  Bytes stream;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const RleCase& c, std::ostream* os) { *os << c.name; }

const RleCase kBadRle[] = {
    {"Rle8RunPastRowEnd", 1, {5, 1, 0, 1}},
    {"Rle8LiteralPastRowEnd", 1, {2, 1, 0, 3, 1, 2, 3, 0, 0, 1}},
    {"Rle8NoEndOfBitmap", 1, {4, 1, 0, 0, 4, 2, 0, 0}},
    {"Rle8MoveAboveTop", 1, {0, 2, 0, 3, 0, 1}},
    {"Rle8MovePastRightEdge", 1, {0, 2, 5, 0, 0, 1}},
    {"Rle8EndOfRowAboveTop", 1, {0, 0, 0, 0, 0, 0, 0, 1}},
    {"Rle8PixelsAboveTop", 1, {0, 0, 0, 0, 1, 1, 0, 1}},
    {"Rle8LiteralCutShort", 1, {0, 4, 1, 2, 3}},
    {"Rle8MoveCutShort", 1, {0, 2, 1}},
    {"Rle8LiteralPaddingMissing", 1, {0, 3, 1, 2, 3, 0, 1}},
    {"Rle8OddTrailingByte", 1, {4, 1, 0}},
    {"Rle4RunPastRowEnd", 2, {5, 0x11, 0, 1}},
    {"Rle4LiteralPastRowEnd", 2, {0, 5, 0x12, 0x34, 0x50, 0, 0, 1}},
    {"Rle4LiteralCutShort", 2, {0, 3, 0x12}},
    {"Rle4NoEndOfBitmap", 2, {4, 0x12, 0, 0}},
};

class BadRleTest : public testing::TestWithParam<RleCase> {};

TEST_P(BadRleTest, IsNoPicture) {
  const RleCase& c = GetParam();
  DibSpec spec{.width = 4, .height = 2, .bit_count = c.compression == 1 ? 8 : 4, .compression = c.compression};
  spec.palette = fixtures::DistinctPalette(16);
  spec.encoded = c.stream;
  EXPECT_EQ(desktop::DecodePicture(fixtures::View(fixtures::MakeBmp(spec))).kind, Picture::Kind::None);
}

INSTANTIATE_TEST_SUITE_P(Streams, BadRleTest, testing::ValuesIn(kBadRle),
                         [](const testing::TestParamInfo<RleCase>& info) { return info.param.name; });

// The same kind of file with a sound stream decodes, so the failures above come from the
// broken parts alone.
TEST(BadRleTest, SoundStreamOfTheSameShapeDecodes) {
  for (std::uint32_t compression : {1u, 2u}) {
    DibSpec spec{.width = 4, .height = 2, .bit_count = compression == 1 ? 8 : 4, .compression = compression};
    spec.palette = fixtures::DistinctPalette(16);
    spec.encoded = {4, 1, 0, 0, 0, 2, 1, 0, 2, 3, 0, 1};  // a row, an end of row, a move, a run, the end
    EXPECT_TRUE(desktop::DecodePicture(fixtures::View(fixtures::MakeBmp(spec))).IsValid()) << compression;
  }
}

// A JPEG whose frame header claims more pixels than the cap is refused before decoding.
TEST(AbsurdJpegTest, HugeFrameIsNoPicture) {
  Bytes file = fixtures::MakeJpeg(8, 8, Gradient(8, 8), false, false);
  for (std::size_t i = 2; i + 8 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      // length (2), precision (1), then height and width, big-endian
      file[i + 5] = 0x20;  // 8192 x 8192: within libjpeg's limits, above ours
      file[i + 6] = 0x00;
      file[i + 7] = 0x20;
      file[i + 8] = 0x00;
      EXPECT_EQ(desktop::DecodePicture(fixtures::View(file)).kind, Picture::Kind::None);
      return;
    }
  }
  FAIL() << "no frame header in the fixture";
}

}  // namespace
