// Showing, hiding and re-parenting: visibility through the tree, what shows on the surface, and
// the place a window keeps when it changes parent.
#include "window_test_support.h"

namespace window_test {
namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kWhite = Rgb(255, 255, 255);

class ShowTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top = MakeTop("top", Rect::FromSize(100, 50, 300, 200), kRed);
    P = MakeChild("P", top, {0, 0, 150, 150}, kWhite);
    Q = MakeChild("Q", top, {150, 0, 300, 150}, kBlue);
    C = MakeChild("C", P, {10, 20, 40, 50}, kGreen);
    ws().UpdateAll();
  }
  TestWindow *top, *P, *Q, *C;
};

TEST_F(ShowTest, ShownOnlyWhenEveryAncestorIsVisible) {
  struct Case {
    TestWindow* ShowTest::*hidden;
    bool c_shown;
    ColorRef at_c;  // what shows at C's place
  };
  const Case cases[] = {
      {nullptr, true, kGreen},
      {&ShowTest::C, false, kWhite},
      {&ShowTest::P, false, kRed},
      {&ShowTest::top, false, kGreen},  // the surface is not painted while hidden: it keeps its pixels
  };
  for (const Case& c : cases) {
    if (c.hidden) (this->*c.hidden)->ShowWindow(SW_HIDE);
    EXPECT_EQ(C->IsShown(), c.c_shown);
    EXPECT_TRUE(C->IsVisibleFlag() || c.hidden == &ShowTest::C);
    EXPECT_EQ(PixelAt(*top, {15, 25}), c.at_c);
    if (c.hidden) (this->*c.hidden)->ShowWindow(SW_SHOWNA);
    EXPECT_EQ(PixelAt(*top, {15, 25}), kGreen) << "shown again";
  }
}

TEST_F(ShowTest, HidingATopLevelWindowHidesItsSurface) {
  EXPECT_TRUE(backend().IsSurfaceShown(top));
  top->ShowWindow(SW_HIDE);
  EXPECT_FALSE(backend().IsSurfaceShown(top));
  top->ShowWindow(SW_SHOW);
  EXPECT_TRUE(backend().IsSurfaceShown(top));
}

TEST_F(ShowTest, ShowWindowTellsTheWindowOnlyOnChange) {
  struct Counter : TestWindow {
    using TestWindow::TestWindow;
    void OnShowWindow(bool shown) override { calls.push_back(shown); }
    std::vector<bool> calls;
  };
  auto* w = Window::CreateAs(std::make_unique<Counter>("w", &log_, kBlue), top, {0, 0, 5, 5}, WS_CHILD, 0, "", 0);
  w->ShowWindow(SW_SHOWNA);
  w->ShowWindow(SW_SHOW);
  w->ShowWindow(SW_HIDE);
  w->ShowWindow(SW_HIDE);
  EXPECT_EQ(w->calls, (std::vector<bool>{true, false}));
}

TEST_F(ShowTest, ReparentingKeepsTheNumbersOfThePlace) {
  C->SetParent(Q);
  EXPECT_EQ(C->Parent(), Q);
  EXPECT_EQ(C->WindowRect(), (Rect{10, 20, 40, 50}));
  EXPECT_EQ(C->ClientToScreen({0, 0}), (Point{100 + 150 + 10, 50 + 20}));
  EXPECT_TRUE(P->Children().empty());
  ASSERT_FALSE(Q->Children().empty());
  EXPECT_EQ(Q->Children().front(), C);
  EXPECT_EQ(PixelAt(*top, {15, 25}), kWhite) << "old place painted over";
  EXPECT_EQ(PixelAt(*top, {165, 25}), kGreen) << "new place";
}

TEST_F(ShowTest, ReparentedWindowGoesToTheTopOfItsNewSiblings) {
  TestWindow* D = MakeChild("D", Q, {0, 0, 100, 100}, kRed);
  C->SetParent(Q);
  EXPECT_EQ(Q->Children().front(), C);
  EXPECT_EQ(Q->Children().back(), D);
  EXPECT_EQ(PixelAt(*top, {165, 25}), kGreen);
}

TEST_F(ShowTest, ReparentingRefusesLoops) {
  P->SetParent(C);
  EXPECT_EQ(P->Parent(), top);
  P->SetParent(P);
  EXPECT_EQ(P->Parent(), top);
}

TEST_F(ShowTest, HiddenWindowsMovedElsewhereStayHidden) {
  C->ShowWindow(SW_HIDE);
  C->SetParent(Q);
  EXPECT_FALSE(C->IsShown());
  EXPECT_EQ(PixelAt(*top, {165, 25}), kBlue);
}

TEST_F(ShowTest, AMovedAwayFocusedWindowLosesTheFocus) {
  TestWindow* other = MakeTop("other", Rect::FromSize(500, 500, 50, 50));
  ws().Activate(top);
  C->SetFocus();
  C->SetParent(Q);
  EXPECT_EQ(ws().Focus(), C) << "still in the same top-level window";
  C->SetParent(other);
  EXPECT_EQ(ws().Focus(), nullptr);
}

}  // namespace
}  // namespace window_test
