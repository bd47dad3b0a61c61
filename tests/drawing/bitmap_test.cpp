#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace desktop {
namespace {

using testing::CanvasFixture;
using testing::kPaper;

constexpr Pixel kRed = 0xFFFF0000u;
constexpr Pixel kBlue = 0xFF0000FFu;
constexpr Pixel kHole = 0x00FFFFFFu;  // alpha 0: transparent whatever its colour

Bitmap Make(int w, int h, std::vector<Pixel> pixels) { return Bitmap{w, h, std::move(pixels)}; }

TEST(CanvasBitmap, NaturalSizeSkipsAlphaZeroAndIgnoresOtherAlpha) {
  CanvasFixture f;
  f.canvas().SetOrigin({2, 3});
  f.canvas().DrawBitmap({1, 1}, Make(2, 2, {kRed, kHole, 0x01000000u | 0x0000FF, kBlue}));
  EXPECT_EQ(f.At(3, 4), Rgb(255, 0, 0));
  EXPECT_EQ(f.At(4, 4), kPaper);
  EXPECT_EQ(f.At(3, 5), Rgb(0, 0, 255));
  EXPECT_EQ(f.Raw(3, 5) >> 24, 0xFFu);
  EXPECT_EQ(f.At(4, 5), Rgb(0, 0, 255));
}

TEST(CanvasBitmap, ClippedToRegion) {
  CanvasFixture f;
  f.canvas().SetClip(Region({0, 0, 3, 20}));
  f.canvas().DrawBitmap({1, 0}, Make(4, 1, {kRed, kRed, kRed, kRed}));
  EXPECT_EQ(f.At(2, 0), Rgb(255, 0, 0));
  EXPECT_EQ(f.At(3, 0), kPaper);
  EXPECT_EQ(f.CountOf(Rgb(255, 0, 0)), 2);
}

TEST(CanvasBitmap, MalformedBitmapsDrawNothing) {
  CanvasFixture f;
  f.canvas().DrawBitmap({0, 0}, Make(4, 4, {kRed}));  // too few pixels
  f.canvas().DrawBitmapStretched({0, 0, 10, 10}, Make(4, 4, {kRed}));
  f.canvas().DrawBitmapDisabled({0, 0}, Make(-1, 4, {}));
  f.canvas().DrawBitmap({0, 0}, Bitmap{});
  EXPECT_EQ(f.CountOf(kPaper), 400);
}

struct StretchCase {
  const char* name;
  Rect dst;
  Point probe;
  ColorRef expected;
};

class StretchTest : public ::testing::TestWithParam<StretchCase> {};

// A 2 x 2 picture: red, blue / green, hole.
TEST_P(StretchTest, NearestNeighbourAtPixelCentres) {
  const StretchCase& c = GetParam();
  CanvasFixture f;
  f.canvas().DrawBitmapStretched(c.dst, Make(2, 2, {kRed, kBlue, 0xFF00FF00u, kHole}));
  EXPECT_EQ(f.At(c.probe.x, c.probe.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Canvas, StretchTest,
                         ::testing::Values(StretchCase{"DoubledTopLeft", {0, 0, 4, 4}, {1, 1}, Rgb(255, 0, 0)},
                                           StretchCase{"DoubledTopRight", {0, 0, 4, 4}, {2, 0}, Rgb(0, 0, 255)},
                                           StretchCase{"DoubledBottomLeft", {0, 0, 4, 4}, {1, 2}, Rgb(0, 255, 0)},
                                           StretchCase{"HoleStaysTransparent", {0, 0, 4, 4}, {3, 3}, kPaper},
                                           StretchCase{"OddWidthMiddleColumn", {0, 0, 3, 2}, {1, 0}, Rgb(0, 0, 255)},
                                           StretchCase{"ShrunkToOnePixel", {5, 5, 6, 6}, {5, 5}, kPaper},
                                           StretchCase{"OutsideDestination", {0, 0, 4, 4}, {4, 0}, kPaper}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasBitmap, DisabledDrawsInkAsShadowWithHighlightBelowRight) {
  CanvasFixture f;
  // A black dot, a white (paper-like) pixel and a hole.
  f.canvas().DrawBitmapDisabled({2, 2}, Make(3, 1, {0xFF000000u, 0xFFFFFFFFu, kHole}));
  EXPECT_EQ(f.At(2, 2), syscolor::kButtonShadow);
  EXPECT_EQ(f.At(3, 3), syscolor::kButtonHighlight);
  EXPECT_EQ(f.At(3, 2), kPaper);  // light pixels are background
  EXPECT_EQ(f.At(4, 2), kPaper);
  EXPECT_EQ(f.CountOf(kPaper), 398);
}

struct BlendCase {
  const char* name;
  int coverage;
  ColorRef expected;  // black ink over white
};

class BlendTest : public ::testing::TestWithParam<BlendCase> {};

TEST_P(BlendTest, CoverageMixesInkWithSurface) {
  const BlendCase& c = GetParam();
  CanvasFixture a(4, 4, Rgb(255, 255, 255));
  a.canvas().BlendPixel(1, 1, Rgb(0, 0, 0), c.coverage);
  EXPECT_EQ(a.At(1, 1), c.expected);
  CanvasFixture b(4, 4, Rgb(255, 255, 255));
  const std::uint8_t mask[2] = {0, static_cast<std::uint8_t>(std::clamp(c.coverage, 0, 255))};
  b.canvas().BlendMask(0, 1, mask, 2, 1, 2, Rgb(0, 0, 0));
  EXPECT_EQ(b.At(1, 1), std::clamp(c.coverage, 0, 255) == c.coverage ? c.expected : b.At(1, 1));
  EXPECT_EQ(b.At(0, 1), Rgb(255, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Canvas, BlendTest,
                         ::testing::Values(BlendCase{"None", 0, Rgb(255, 255, 255)},
                                           BlendCase{"Full", 255, Rgb(0, 0, 0)},
                                           BlendCase{"Half", 128, Rgb(127, 127, 127)},
                                           BlendCase{"Quarter", 64, Rgb(191, 191, 191)},
                                           BlendCase{"NegativeIsNone", -5, Rgb(255, 255, 255)},
                                           BlendCase{"AboveFullIsFull", 999, Rgb(0, 0, 0)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasBlend, MaskIsClippedToRegionAndSurface) {
  CanvasFixture f(4, 4, Rgb(255, 255, 255));
  f.canvas().SetClip(Region({0, 0, 2, 4}));
  const std::uint8_t mask[9] = {255, 255, 255, 255, 255, 255, 255, 255, 255};
  f.canvas().BlendMask(1, 1, mask, 3, 3, 3, Rgb(0, 0, 0));
  f.canvas().BlendMask(-2, -2, mask, 3, 3, 3, Rgb(0, 0, 0));
  EXPECT_EQ(f.At(1, 1), Rgb(0, 0, 0));
  EXPECT_EQ(f.At(2, 1), Rgb(255, 255, 255));
  EXPECT_EQ(f.At(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(f.CountOf(Rgb(0, 0, 0)), 4);
  f.canvas().BlendPixel(3, 3, Rgb(0, 0, 0), 255);   // outside the clip
  f.canvas().BlendPixel(40, 3, Rgb(0, 0, 0), 255);  // outside the surface
  EXPECT_EQ(f.At(3, 3), Rgb(255, 255, 255));
}

}  // namespace
}  // namespace desktop
