#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace desktop {
namespace {

using testing::CanvasFixture;
using testing::kPaper;

constexpr ColorRef kHeaderTop = Rgb(255, 255, 246);
constexpr ColorRef kHeaderBottom = Rgb(242, 236, 218);

struct BandCase {
  const char* name;
  int height;
  int bands;
  ColorRef top;
  ColorRef bottom;
  int row;
  ColorRef expected;
};

class GradientBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(GradientBandTest, RowHasItsBandColour) {
  const BandCase& c = GetParam();
  CanvasFixture f(3, 64);
  f.canvas().FillGradientV({0, 0, 3, c.height}, c.top, c.bottom, c.bands);
  EXPECT_EQ(f.At(1, c.row), c.expected);
  EXPECT_EQ(f.At(0, c.row), f.At(2, c.row));
}

// Band i spans rows [i*h/n, (i+1)*h/n) and is i/(n-1) of the way from top to bottom.
INSTANTIATE_TEST_SUITE_P(
    Canvas, GradientBandTest,
    ::testing::Values(
        BandCase{"OneRowPerBandFirst", 4, 4, Rgb(0, 0, 0), Rgb(30, 60, 90), 0, Rgb(0, 0, 0)},
        BandCase{"OneRowPerBandSecond", 4, 4, Rgb(0, 0, 0), Rgb(30, 60, 90), 1, Rgb(10, 20, 30)},
        BandCase{"OneRowPerBandLast", 4, 4, Rgb(0, 0, 0), Rgb(30, 60, 90), 3, Rgb(30, 60, 90)},
        BandCase{"TwoRowsBandEndsAt1", 8, 4, Rgb(0, 0, 0), Rgb(30, 60, 90), 1, Rgb(0, 0, 0)},
        BandCase{"TwoRowsBandStartsAt2", 8, 4, Rgb(0, 0, 0), Rgb(30, 60, 90), 2, Rgb(10, 20, 30)},
        BandCase{"TwoRowsLastRow", 8, 4, Rgb(0, 0, 0), Rgb(30, 60, 90), 7, Rgb(30, 60, 90)},
        BandCase{"FallingChannelsTruncate", 3, 3, Rgb(100, 100, 100), Rgb(91, 0, 255), 1, Rgb(96, 50, 177)},
        BandCase{"TabHeaderTopRowIsBand1", 45, 64, kHeaderTop, kHeaderBottom, 0, kHeaderTop},
        BandCase{"TabHeaderRow1IsBand2", 45, 64, kHeaderTop, kHeaderBottom, 1, Rgb(255, 255, 246)},
        BandCase{"TabHeaderRow2IsBand4", 45, 64, kHeaderTop, kHeaderBottom, 2, Rgb(255, 254, 245)},
        BandCase{"MoreBandsThanRowsFirstRow", 6, 64, Rgb(0, 0, 0), Rgb(255, 255, 255), 0, Rgb(40, 40, 40)},
        BandCase{"MoreBandsThanRowsLastRow", 6, 64, Rgb(0, 0, 0), Rgb(255, 255, 255), 5, Rgb(255, 255, 255)},
        BandCase{"TabHeaderMiddleRowIsBand32", 45, 64, kHeaderTop, kHeaderBottom, 22, Rgb(249, 246, 232)},
        BandCase{"TabHeaderRow21IsBand31", 45, 64, kHeaderTop, kHeaderBottom, 21, Rgb(249, 246, 233)},
        BandCase{"TabHeaderBottomRow", 45, 64, kHeaderTop, kHeaderBottom, 44, kHeaderBottom},
        BandCase{"SingleBandIsTopColour", 10, 1, Rgb(5, 6, 7), Rgb(200, 200, 200), 9, Rgb(5, 6, 7)},
        BandCase{"ZeroBandsActAsOne", 10, 0, Rgb(5, 6, 7), Rgb(200, 200, 200), 9, Rgb(5, 6, 7)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasGradient, StaysInsideRectAndClip) {
  CanvasFixture f(10, 10);
  f.canvas().SetClip(Region({0, 0, 10, 5}));
  f.canvas().FillGradientV({2, 2, 6, 8}, Rgb(0, 0, 0), Rgb(255, 255, 255), 64);
  EXPECT_EQ(f.At(1, 3), kPaper);
  EXPECT_EQ(f.At(6, 3), kPaper);
  EXPECT_EQ(f.At(3, 1), kPaper);
  EXPECT_EQ(f.At(3, 5), kPaper);  // clipped
  EXPECT_EQ(f.At(3, 2), Rgb(40, 40, 40));  // 6 rows of 64 bands: the first row is band 10
  EXPECT_NE(f.At(3, 4), kPaper);
}

TEST(CanvasGradient, EveryRowOfATallRectIsFilledAndColoursNeverRise) {
  CanvasFixture f(1, 64);
  f.canvas().FillGradientV({0, 0, 1, 61}, kHeaderTop, kHeaderBottom, 7);
  for (int y = 1; y < 61; ++y) {
    EXPECT_LE(BlueOf(f.At(0, y)), BlueOf(f.At(0, y - 1))) << y;
    EXPECT_NE(f.At(0, y), kPaper);
  }
  EXPECT_EQ(f.At(0, 61), kPaper);
}

}  // namespace
}  // namespace desktop
