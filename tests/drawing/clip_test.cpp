#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace desktop {
namespace {

using testing::CanvasFixture;
using testing::kPaper;

constexpr ColorRef kInk = Rgb(200, 10, 20);

struct ClipCase {
  const char* name;
  std::vector<Rect> clip;  // surface coordinates; empty: the whole surface
  Point origin;
  Rect fill;               // relative to the origin
  std::vector<Point> inked;
  std::vector<Point> untouched;
};

class FillClipTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(FillClipTest, FillsExactlyTheClippedPixels) {
  const ClipCase& c = GetParam();
  CanvasFixture f;
  if (!c.clip.empty()) {
    Region r;
    for (const Rect& q : c.clip) r.Add(q);
    f.canvas().SetClip(r);
  }
  f.canvas().SetOrigin(c.origin);
  f.canvas().FillRect(c.fill, kInk);
  for (Point p : c.inked) EXPECT_EQ(f.At(p.x, p.y), kInk) << "at " << p.x << "," << p.y;
  for (Point p : c.untouched) EXPECT_EQ(f.At(p.x, p.y), kPaper) << "at " << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, FillClipTest,
    ::testing::Values(
        ClipCase{"NoClipHalfOpen", {}, {0, 0}, {2, 3, 5, 6}, {{2, 3}, {4, 5}}, {{5, 3}, {2, 6}, {1, 3}, {2, 2}}},
        ClipCase{"LShapedRegion",
                 {{0, 0, 10, 5}, {0, 5, 5, 10}},
                 {0, 0},
                 {0, 0, 20, 20},
                 {{9, 4}, {4, 9}, {0, 0}},
                 {{5, 5}, {10, 0}, {9, 9}, {4, 10}}},
        ClipCase{"OriginShiftsFillNotClip",
                 {{5, 5, 15, 15}},
                 {10, 10},
                 {-10, -10, 0, 0},
                 {{5, 5}, {9, 9}},
                 {{10, 10}, {4, 4}}},
        ClipCase{"OutsideSurfaceIsCut", {}, {15, 15}, {0, 0, 100, 100}, {{19, 19}, {15, 15}}, {{14, 19}, {19, 14}}},
        ClipCase{"EmptyClipDrawsNothing", {{3, 3, 3, 9}}, {0, 0}, {0, 0, 20, 20}, {}, {{3, 3}, {0, 0}, {19, 19}}},
        ClipCase{"NegativeRectIsEmpty", {}, {0, 0}, {5, 5, 2, 2}, {}, {{3, 3}, {4, 4}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasClip, IntersectClipTakesOriginRelativeRectangle) {
  CanvasFixture f;
  f.canvas().SetOrigin({4, 4});
  f.canvas().IntersectClip({0, 0, 2, 2});  // surface 4..6
  f.canvas().SetOrigin({0, 0});
  f.canvas().FillRect({0, 0, 20, 20}, kInk);
  EXPECT_EQ(f.At(4, 4), kInk);
  EXPECT_EQ(f.At(5, 5), kInk);
  EXPECT_EQ(f.At(6, 6), kPaper);
  EXPECT_EQ(f.At(3, 4), kPaper);
  EXPECT_EQ(f.CountOf(kInk), 4);
}

TEST(CanvasClip, SetClipIsCutToTheSurfaceAndResetRestoresIt) {
  CanvasFixture f;
  f.canvas().SetClip(Region({-5, -5, 100, 3}));
  EXPECT_EQ(f.canvas().Clip().Bounds(), (Rect{0, 0, 20, 3}));
  EXPECT_FALSE(f.canvas().Visible(0, 3));
  f.canvas().ResetClip();
  EXPECT_TRUE(f.canvas().Visible(19, 19));
  EXPECT_FALSE(f.canvas().Visible(20, 19));
  EXPECT_FALSE(f.canvas().Visible(-1, 0));
}

TEST(CanvasClip, FillRegionUsesSurfaceCoordinatesAndTheClip) {
  CanvasFixture f;
  f.canvas().SetOrigin({7, 7});
  f.canvas().SetClip(Region({0, 0, 10, 20}));
  Region target({0, 0, 2, 2});
  target.Add({8, 8, 12, 9});
  f.canvas().FillRegion(target, kInk);
  EXPECT_EQ(f.At(0, 0), kInk);
  EXPECT_EQ(f.At(9, 8), kInk);
  EXPECT_EQ(f.At(10, 8), kPaper);  // clipped
  EXPECT_EQ(f.CountOf(kInk), 4 + 2);
  EXPECT_EQ(f.canvas().Origin(), (Point{7, 7}));
}

TEST(CanvasPixels, SetPixelRespectsClipAndGetPixelIsZeroOutside) {
  CanvasFixture f;
  f.canvas().SetClip(Region({0, 0, 5, 5}));
  f.canvas().SetOrigin({2, 2});
  f.canvas().SetPixel({1, 1}, kInk);
  f.canvas().SetPixel({3, 3}, kInk);  // surface (5,5): clipped
  EXPECT_EQ(f.At(3, 3), kInk);
  EXPECT_EQ(f.At(5, 5), kPaper);
  EXPECT_EQ(FromPixel(f.canvas().GetPixel({1, 1})), kInk);
  EXPECT_EQ(f.canvas().GetPixel({18, 0}), 0u);
  EXPECT_EQ(f.canvas().GetPixel({-3, 0}), 0u);
}

TEST(CanvasPixels, StrideLeavesPaddingAlone) {
  std::vector<Pixel> buf(4 * 3, 0x12345678u);
  Canvas c(buf.data(), 3, 3, 4);
  c.FillRect({0, 0, 10, 10}, kInk);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(FromPixel(buf[y * 4 + x]), kInk);
    EXPECT_EQ(buf[y * 4 + 3], 0x12345678u);
  }
}

TEST(CanvasPixels, NullSurfaceDrawsNothing) {
  Canvas c(nullptr, 100, 100, 100);
  c.FillRect({0, 0, 10, 10}, kInk);
  c.DrawEdge({0, 0, 10, 10}, Edge::Raised);
  EXPECT_EQ(c.SurfaceWidth(), 0);
  EXPECT_TRUE(c.Clip().IsEmpty());
}

TEST(CanvasLines, LinesAndFrameAreHalfOpenAndOnePixel) {
  CanvasFixture f;
  f.canvas().HLine(2, 6, 1, kInk);
  f.canvas().VLine(1, 8, 4, kInk);  // reversed ends
  f.canvas().FrameRect({10, 10, 14, 13}, kInk);
  EXPECT_EQ(f.At(2, 1), kInk);
  EXPECT_EQ(f.At(5, 1), kInk);
  EXPECT_EQ(f.At(6, 1), kPaper);
  EXPECT_EQ(f.At(1, 4), kInk);
  EXPECT_EQ(f.At(1, 7), kInk);
  EXPECT_EQ(f.At(1, 8), kPaper);
  EXPECT_EQ(f.At(13, 12), kInk);
  EXPECT_EQ(f.At(11, 11), kPaper);
  EXPECT_EQ(f.CountOf(kInk), 4 + 4 + (4 * 2 + 1 * 2));
}

TEST(CanvasInvert, InvertTwiceRestoresAndKeepsAlpha) {
  CanvasFixture f(4, 4, Rgb(10, 20, 30));
  f.canvas().InvertRect({0, 0, 2, 4});
  EXPECT_EQ(f.At(0, 0), Rgb(245, 235, 225));
  EXPECT_EQ(f.Raw(0, 0) >> 24, 0xFFu);
  EXPECT_EQ(f.At(2, 0), Rgb(10, 20, 30));
  f.canvas().InvertRect({0, 0, 2, 4});
  EXPECT_EQ(f.At(0, 0), Rgb(10, 20, 30));
}

}  // namespace
}  // namespace desktop
