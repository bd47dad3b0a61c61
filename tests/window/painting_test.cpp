// Invalidation and painting: what shows where after painting, in z-order and clipped, and what
// is painted again after a partial invalidation.
#include "window_test_support.h"

#include "desktop/window/surface_geometry.h"

namespace window_test {
namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kYellow = Rgb(255, 255, 0);
constexpr ColorRef kCyan = Rgb(0, 255, 255);
constexpr ColorRef kWhite = Rgb(255, 255, 255);

// A red pop-up with green A below blue B (overlapping at 50..110), a hidden yellow H and a
// yellow N nested in B reaching out of B's client area.
class PaintTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top = MakeTop("top", Rect::FromSize(0, 0, 200, 200), kRed);
    A = MakeChild("A", top, {10, 10, 110, 110}, kGreen);
    B = MakeChild("B", top, {50, 50, 150, 150}, kBlue);
    H = MakeChild("H", top, {160, 160, 190, 190}, kYellow, WS_CHILD);
    N = MakeChild("N", B, {90, 90, 140, 140}, kYellow);
    ws().UpdateAll();
  }
  void ResetCounts() {
    for (TestWindow* w : {top, A, B, H, N}) w->paints = w->erases = 0;
  }
  TestWindow *top, *A, *B, *H, *N;
};

TEST_F(PaintTest, WindowsShowInZOrderClippedToTheirParents) {
  struct Case {
    Point at;
    ColorRef expected;
  };
  const Case cases[] = {
      {{5, 5}, kRed},        {{20, 20}, kGreen},  {{60, 60}, kBlue},     {{109, 109}, kBlue},
      {{120, 120}, kBlue},   {{139, 139}, kBlue},   {{140, 140}, kYellow},  // N inside B
      {{149, 149}, kYellow}, {{150, 150}, kRed},    // N cut at B's edge
      {{170, 170}, kRed},    // H hidden
      {{199, 199}, kRed},
  };
  for (const Case& c : cases) EXPECT_EQ(PixelAt(*top, c.at), c.expected) << c.at.x << "," << c.at.y;
}

TEST_F(PaintTest, InvalidatingALowerWindowKeepsTheUpperOneOnTop) {
  A->SetFill(kCyan);
  A->Invalidate();
  EXPECT_EQ(PixelAt(*top, {20, 20}), kCyan);
  EXPECT_EQ(PixelAt(*top, {60, 60}), kBlue);
}

TEST_F(PaintTest, ClippingSiblingsKeepsALowerWindowOutOfTheOverlap) {
  // With B and the parent not painting there, only the clip decides whether A shows through in
  // the overlap.
  top->SetStyle(top->Style() | WS_CLIPCHILDREN);
  struct Case {
    std::uint32_t a_style;
    ColorRef in_overlap;
  };
  const Case cases[] = {{WS_CHILD | WS_VISIBLE, kCyan}, {WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, kBlue}};
  for (const Case& c : cases) {
    A->SetStyle(c.a_style);
    A->SetFill(kGreen);
    B->SetFills(true);
    top->Invalidate();
    ws().UpdateAll();
    B->SetFills(false);
    A->SetFill(kCyan);
    A->Invalidate();
    EXPECT_EQ(PixelAt(*top, {60, 60}), c.in_overlap) << std::hex << c.a_style;
    EXPECT_EQ(PixelAt(*top, {20, 20}), kCyan);
  }
}

TEST_F(PaintTest, ClippingChildrenKeepsTheParentOutOfThem) {
  struct Case {
    std::uint32_t top_style;
    ColorRef under_a;
  };
  const Case cases[] = {{WS_POPUP | WS_VISIBLE, kWhite}, {WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kGreen}};
  for (const Case& c : cases) {
    top->SetStyle(c.top_style);
    top->SetFill(kRed);
    A->SetFills(true);
    top->Invalidate();
    ws().UpdateAll();
    A->SetFills(false);
    top->SetFill(kWhite);
    top->Invalidate();
    EXPECT_EQ(PixelAt(*top, {20, 20}), c.under_a) << std::hex << c.top_style;
    EXPECT_EQ(PixelAt(*top, {5, 5}), kWhite);
  }
}

TEST_F(PaintTest, PartialInvalidationPaintsOnlyWhatItTouches) {
  struct Case {
    const char* name;
    TestWindow* PaintTest::*window;
    Rect rect;  // client coordinates of the window
    std::vector<TestWindow* PaintTest::*> painted;
    Rect presented;  // on the surface
  };
  const Case cases[] = {
      {"top corner", &PaintTest::top, {0, 0, 5, 5}, {&PaintTest::top}, {0, 0, 5, 5}},
      {"A alone", &PaintTest::top, {15, 15, 25, 25}, {&PaintTest::top, &PaintTest::A}, {15, 15, 25, 25}},
      {"A's part under B", &PaintTest::A, {50, 50, 60, 60},
       {&PaintTest::top, &PaintTest::A, &PaintTest::B}, {60, 60, 70, 70}},
      {"N only", &PaintTest::N, {0, 0, 5, 5}, {&PaintTest::top, &PaintTest::B, &PaintTest::N}, {140, 140, 145, 145}},
      {"outside the client area", &PaintTest::A, {200, 200, 300, 300}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetCounts();
    backend().TakePresented(top);
    (this->*c.window)->InvalidateRect(c.rect);
    ws().UpdateAll();
    for (TestWindow* PaintTest::*w : {&PaintTest::top, &PaintTest::A, &PaintTest::B, &PaintTest::H, &PaintTest::N}) {
      const bool expected = std::find(c.painted.begin(), c.painted.end(), w) != c.painted.end();
      EXPECT_EQ((this->*w)->paints, expected ? 1 : 0) << (this->*w)->Name();
    }
    EXPECT_EQ(backend().TakePresented(top).Bounds(), c.presented);
  }
}

TEST_F(PaintTest, UpdateRegionIsInClientCoordinates) {
  B->SetExStyle(WS_EX_CLIENTEDGE);
  B->FrameChanged();
  ws().UpdateAll();
  ResetCounts();
  B->InvalidateRect({10, 12, 20, 22});
  ws().UpdateAll();
  EXPECT_EQ(B->last_update.Bounds(), (Rect{10, 12, 20, 22}));
}

TEST_F(PaintTest, EraseComesOnlyWhenAsked) {
  // A paints nothing itself: what shows is its class brush when erased, else its parent beneath.
  static const WindowClass kWhiteBrush{.name = "brush", .has_background = true, .background = kWhite};
  A->SetClass(&kWhiteBrush);
  A->SetFills(false);
  struct Case {
    bool erase;
    int erases;
    ColorRef shown;
  };
  const Case cases[] = {{false, 0, kRed}, {true, 1, kWhite}, {false, 0, kRed}};
  for (const Case& c : cases) {
    ResetCounts();
    A->Invalidate(c.erase);
    EXPECT_EQ(PixelAt(*A, {5, 5}), c.shown) << c.erase;
    EXPECT_EQ(A->erases, c.erases);
    EXPECT_EQ(A->paints, 1);
  }
}

TEST_F(PaintTest, NothingIsPaintedWhileHiddenAndAllOnShowing) {
  top->ShowWindow(SW_HIDE);
  ResetCounts();
  A->Invalidate();
  ws().UpdateAll();
  EXPECT_EQ(A->paints, 0);
  top->ShowWindow(SW_SHOWNA);
  EXPECT_EQ(top->paints, 1) << "painted before it appears";
  EXPECT_EQ(A->paints, 1);
  EXPECT_EQ(N->paints, 1);
  EXPECT_EQ(PixelAt(*top, {60, 60}), kBlue);
}

TEST_F(PaintTest, MovingAWindowUncoversWhatWasBelow) {
  B->Move({150, 10, 190, 40});
  EXPECT_EQ(PixelAt(*top, {120, 120}), kRed);
  EXPECT_EQ(PixelAt(*top, {60, 60}), kGreen);
  EXPECT_EQ(PixelAt(*top, {160, 20}), kBlue);
}

TEST_F(PaintTest, StackingChangesRepaint) {
  A->BringToTop();
  EXPECT_EQ(PixelAt(*top, {60, 60}), kGreen);
  A->PlaceBelow(B);
  EXPECT_EQ(PixelAt(*top, {60, 60}), kBlue);
}

TEST_F(PaintTest, DestroyingAWindowUncoversWhatWasBelow) {
  B->Destroy();
  EXPECT_EQ(PixelAt(*top, {60, 60}), kGreen);
  EXPECT_EQ(PixelAt(*top, {140, 140}), kRed);
}

TEST_F(PaintTest, InvalidationsMergeIntoOnePaint) {
  ResetCounts();
  A->InvalidateRect({0, 0, 10, 10});
  A->InvalidateRect({5, 5, 20, 20});
  A->InvalidateRect({30, 30, 40, 40});
  ws().UpdateAll();
  EXPECT_EQ(A->paints, 1);
  const Region& u = A->last_update;
  EXPECT_TRUE(u.Contains({0, 0}));
  EXPECT_TRUE(u.Contains({19, 19}));
  EXPECT_TRUE(u.Contains({35, 35}));
  EXPECT_FALSE(u.Contains({25, 25}));
}

}  // namespace
}  // namespace window_test
