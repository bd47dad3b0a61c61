// The tab headers' hints on the virtual clock: when they come, where, and what takes them away.
#include <gtest/gtest.h>

#include "desktop/window/win_defs.h"
#include "desktop/window/window_system.h"
#include "main_window_fixture.h"

namespace mainwindow_test {
namespace {

using namespace desktop;

class Hints : public MainWindowTest {
 protected:
  // Rests the pointer and advances the clock in small steps until the hint shows or `limit_ms`
  // passed; answers how long it took (-1: never).
  int TimeToHint(int limit_ms) {
    const std::uint64_t start = Now();
    while (Now() - start <= static_cast<std::uint64_t>(limit_ms)) {
      if (Tab().Hint().IsShown()) return static_cast<int>(Now() - start);
      Advance(50);
    }
    return -1;
  }
  std::string HintText() const { return Utf8(Tab().Hint().Text()); }
};

TEST_F(Hints, RestingOnAnotherHeaderShowsItsHintBelowThePointer) {
  const Point at{300, 20};  // the second header; its logo is hidden while page 1 is shown
  MovePointerTo(Tab(), at);
  const int delay = TimeToHint(1000);
  EXPECT_GE(delay, 300);
  EXPECT_LE(delay, 500);
  ASSERT_TRUE(Tab().Hint().IsShown());
  EXPECT_EQ(HintText(), "京东新蛋");
  const Point pointer = Tab().ClientToScreen(at);
  EXPECT_EQ(Tab().Hint().Position(), (Point{pointer.x, pointer.y + 21}));
}

TEST_F(Hints, EachHeaderHasItsOwnHint) {
  MovePointerTo(Tab(), {500, 20});
  ASSERT_GE(TimeToHint(1000), 0);
  EXPECT_EQ(HintText(), "卓越当当");
  // The uncovered edge of the shown page's header.
  MovePointerTo(Tab(), UncoveredPointOf(1));
  ASSERT_GE(TimeToHint(1000), 0);
  EXPECT_EQ(HintText(), "淘宝搜索");
}

TEST_F(Hints, MovingThePointerTakesTheHintAway) {
  MovePointerTo(Tab(), {300, 20});
  ASSERT_GE(TimeToHint(1000), 0);
  MovePointerTo(Tab(), {301, 20});
  EXPECT_FALSE(Tab().Hint().IsShown());
  // Resting again brings it back.
  EXPECT_GE(TimeToHint(1000), 300);
}

TEST_F(Hints, ShownForEightSecondsThenGoneUntilThePointerMoves) {
  MovePointerTo(Tab(), {300, 20});
  ASSERT_GE(TimeToHint(1000), 0);
  const std::uint64_t shown = Now();
  while (Tab().Hint().IsShown() && Now() - shown < 20000) Advance(50);
  const std::uint64_t gone = Now() - shown;
  EXPECT_GT(gone, 7999u);
  EXPECT_LE(gone, 7999u + 250u);
  Advance(5000);
  EXPECT_FALSE(Tab().Hint().IsShown());
  MovePointerTo(Tab(), {302, 21});
  EXPECT_GE(TimeToHint(1000), 300);
}

struct TakenAwayCase {
  const char* name;
  void (*act)(HeadlessBackend& backend);
};

const TakenAwayCase kTakenAway[] = {
    {"KeyPress", [](HeadlessBackend& b) { b.KeyDown(VK_SHIFT); }},
    {"KeyRelease", [](HeadlessBackend& b) { b.KeyUp(VK_SHIFT); }},
    {"Wheel", [](HeadlessBackend& b) { b.Wheel(-120); }},
    {"RightPress", [](HeadlessBackend& b) { b.MouseDownScreen(b.PointerScreen(), MouseButton::Right); }},
};

class HintTakenAway : public Hints, public testing::WithParamInterface<TakenAwayCase> {};

TEST_P(HintTakenAway, StaysAwayUntilThePointerMoves) {
  MovePointerTo(Tab(), {300, 20});
  ASSERT_GE(TimeToHint(1000), 0);
  GetParam().act(*backend_);
  Pump();
  EXPECT_FALSE(Tab().Hint().IsShown());
  Advance(3000);
  EXPECT_FALSE(Tab().Hint().IsShown());
  MovePointerTo(Tab(), {305, 22});
  EXPECT_GE(TimeToHint(1000), 300);
}

INSTANTIATE_TEST_SUITE_P(Input, HintTakenAway, testing::ValuesIn(kTakenAway),
                         [](const testing::TestParamInfo<TakenAwayCase>& info) { return info.param.name; });

TEST_F(Hints, APressBeforeTheHintComesSuppressesIt) {
  MovePointerTo(Tab(), {300, 20});
  Advance(100);
  backend_->KeyDown(VK_CONTROL);
  Pump();
  EXPECT_EQ(TimeToHint(2000), -1);
}

struct NoHintCase {
  const char* name;
  const char* over;  // a control, or null for the tab control at `at`
  Point at;
};

const NoHintCase kNoHint[] = {
    {"OnTheLogo", "图片框1", {70, 17}},
    {"OnAControl", "编辑框1", {10, 10}},
    {"OnALabel", "标签1", {100, 50}},
    {"OnThePageArea", nullptr, {620, 415}},
    {"AboveTheHeaders", nullptr, {300, 1}},
};

class NoHint : public Hints, public testing::WithParamInterface<NoHintCase> {};

TEST_P(NoHint, RestingShowsNothing) {
  const NoHintCase& c = GetParam();
  MovePointerTo(c.over != nullptr ? WindowOf(c.over) : static_cast<desktop::Window&>(Tab()), c.at);
  EXPECT_EQ(TimeToHint(2000), -1);
}

INSTANTIATE_TEST_SUITE_P(Places, NoHint, testing::ValuesIn(kNoHint),
                         [](const testing::TestParamInfo<NoHintCase>& info) { return info.param.name; });

// Near the screen's right or bottom edge the hint moves left or up to stay on the screen.
TEST_F(Hints, KeptOnTheScreen) {
  const Size screen = backend_->ScreenSize();
  Window().Move(Rect::FromSize(screen.width - 640, screen.height - 60, 640, 450));
  Pump();
  const Point at{620, 30};  // the right end of the third header, near both edges
  MovePointerTo(Tab(), at);
  ASSERT_GE(TimeToHint(1000), 0);
  const Point pointer = Tab().ClientToScreen(at);
  const Point hint = Tab().Hint().Position();
  EXPECT_LT(hint.x, pointer.x);
  EXPECT_LT(hint.y, pointer.y + 21);
  // The pop-up ends at the screen's edges.
  for (desktop::Window* top : WindowSystem::Get().TopLevels()) {
    if (top == &Window() || !top->IsVisibleFlag()) continue;
    EXPECT_EQ(top->WindowRect().right, screen.width);
    EXPECT_EQ(top->WindowRect().bottom, screen.height);
  }
}

TEST_F(Hints, HoveredHeaderIsTracked) {
  MovePointerTo(Tab(), {300, 20});
  EXPECT_EQ(Tab().HoveredHeader(), 1);
  MovePointerTo(WindowOf("编辑框1"), {5, 5});
  Advance(250);
  EXPECT_EQ(Tab().HoveredHeader(), -1);
}

}  // namespace
}  // namespace mainwindow_test
