#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace desktop {
namespace {

using testing::CanvasFixture;
using testing::kPaper;

constexpr ColorRef kWhite = syscolor::kButtonHighlight;
constexpr ColorRef kLight = syscolor::kButtonLight;
constexpr ColorRef kShadow = syscolor::kButtonShadow;
constexpr ColorRef kDark = syscolor::kDarkShadow;
constexpr ColorRef kFace = syscolor::kButtonFace;
constexpr ColorRef kBlack = syscolor::kWindowFrame;

struct EdgePixel {
  int x;
  int y;
  ColorRef expected;
};

struct EdgeCase {
  const char* name;
  Edge edge;
  std::vector<EdgePixel> pixels;  // in a 10 x 10 edge drawn at (5, 5)
};

class EdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeTest, RingsHaveTheClassicColours) {
  const EdgeCase& c = GetParam();
  CanvasFixture f;
  f.canvas().SetOrigin({5, 5});
  f.canvas().DrawEdge({0, 0, 10, 10}, c.edge);
  for (const EdgePixel& p : c.pixels) EXPECT_EQ(f.At(5 + p.x, 5 + p.y), p.expected) << p.x << "," << p.y;
  // Nothing outside the rectangle.
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(f.At(i, 4), kPaper);
    EXPECT_EQ(f.At(4, i), kPaper);
    EXPECT_EQ(f.At(i, 15), kPaper);
    EXPECT_EQ(f.At(15, i), kPaper);
  }
}

// Corners: the top-right and bottom-left pixels of a ring take the bottom-right colour.
INSTANTIATE_TEST_SUITE_P(
    Canvas, EdgeTest,
    ::testing::Values(
        EdgeCase{"Raised",
                 Edge::Raised,
                 {{0, 0, kWhite}, {8, 0, kWhite}, {0, 8, kWhite}, {9, 0, kDark}, {0, 9, kDark}, {9, 9, kDark},
                  {1, 1, kLight}, {7, 1, kLight}, {8, 1, kShadow}, {1, 8, kShadow}, {8, 8, kShadow},
                  {2, 2, kPaper}, {7, 7, kPaper}}},
        EdgeCase{"Sunken",
                 Edge::Sunken,
                 {{0, 0, kShadow}, {8, 0, kShadow}, {9, 0, kWhite}, {0, 9, kWhite}, {9, 9, kWhite},
                  {1, 1, kDark}, {8, 1, kLight}, {1, 8, kLight}, {8, 8, kLight}, {2, 2, kPaper}}},
        EdgeCase{"StaticEdge",
                 Edge::SunkenOuter,
                 {{0, 0, kShadow}, {0, 8, kShadow}, {9, 9, kWhite}, {9, 0, kWhite}, {1, 1, kPaper}}},
        EdgeCase{"RaisedOuter",
                 Edge::RaisedOuter,
                 {{0, 0, kWhite}, {9, 9, kShadow}, {9, 0, kShadow}, {1, 1, kPaper}}},
        EdgeCase{"Etched",
                 Edge::Etched,
                 {{0, 0, kShadow}, {9, 9, kWhite}, {1, 1, kWhite}, {8, 8, kShadow}, {2, 2, kPaper}}},
        EdgeCase{"DialogModalFrame",
                 Edge::DoubleRaised,
                 {{0, 0, kWhite}, {9, 9, kDark}, {1, 1, kLight}, {8, 8, kShadow}, {2, 2, kFace}, {7, 7, kFace},
                  {2, 7, kFace}, {3, 3, kPaper}}},
        EdgeCase{"Pushed",
                 Edge::Pushed,
                 {{0, 0, kBlack}, {9, 0, kBlack}, {9, 9, kBlack}, {1, 1, kShadow}, {8, 8, kShadow}, {8, 1, kShadow},
                  {2, 2, kPaper}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasEdge, TinyRectanglesDoNotSpill) {
  for (Edge e : {Edge::Raised, Edge::Sunken, Edge::DoubleRaised, Edge::Etched}) {
    CanvasFixture f;
    f.canvas().DrawEdge({5, 5, 6, 7}, e);
    f.canvas().DrawEdge({10, 10, 10, 10}, e);
    int inked = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (f.At(x, y) != kPaper) {
          ++inked;
          EXPECT_TRUE(x == 5 && (y == 5 || y == 6)) << x << "," << y;
        }
    EXPECT_EQ(inked, 2);
  }
}

TEST(CanvasFocusRect, DottedOutlineInvertedAndUndoneByASecondCall) {
  CanvasFixture f(10, 10, Rgb(0, 0, 0));
  const ColorRef inverted = Rgb(255, 255, 255);
  f.canvas().DrawFocusRect({1, 1, 7, 6});
  EXPECT_EQ(f.At(1, 1), inverted);
  EXPECT_EQ(f.At(2, 1), Rgb(0, 0, 0));
  EXPECT_EQ(f.At(3, 1), inverted);
  EXPECT_EQ(f.At(1, 3), inverted);
  EXPECT_EQ(f.At(6, 2), inverted);
  EXPECT_EQ(f.At(6, 3), Rgb(0, 0, 0));
  EXPECT_EQ(f.At(5, 5), inverted);
  EXPECT_EQ(f.At(4, 5), Rgb(0, 0, 0));
  EXPECT_EQ(f.At(3, 3), Rgb(0, 0, 0));  // inside stays
  // Outline of 6 x 5 has 18 pixels, half of them on the checkerboard.
  EXPECT_EQ(f.CountOf(inverted), 9);
  f.canvas().DrawFocusRect({1, 1, 7, 6});
  EXPECT_EQ(f.CountOf(inverted), 0);
}

}  // namespace
}  // namespace desktop
