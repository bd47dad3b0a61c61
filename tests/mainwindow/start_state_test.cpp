// The main window as it comes up: place, size, styles, title, icon, the controls, their parents,
// identifiers, stacking and which of them are shown, and where the focus is.
#include <gtest/gtest.h>

#include <algorithm>

#include "desktop/window/surface_geometry.h"
#include "main_window_fixture.h"
#include "ui/load_window.h"

namespace mainwindow_test {
namespace {

using namespace desktop;


// Page 1's 24 controls, in record order.
const std::vector<std::string> kPage1Shown = {
    "超级链接框6", "单选框3", "选择框3", "单选框2", "单选框1", "标签1", "选择框10", "选择框2",
    "选择框1", "按钮2", "按钮1", "编辑框1", "超级链接框12", "超级链接框11", "超级链接框10",
    "超级链接框9", "超级链接框8", "超级链接框7", "超级链接框5", "超级链接框4", "超级链接框3",
    "超级链接框2", "超级链接框1", "图片框1", "高级选择夹1"};

using StartState = MainWindowTest;

TEST_F(StartState, CentredWithOuterSize640By450AndClientArea630By421) {
  EXPECT_EQ(Window().WindowRect(), Rect::FromSize((1024 - 640) / 2, (768 - 450) / 2, 640, 450));
  EXPECT_EQ(Window().ClientRect(), Rect::FromSize(0, 0, 630, 421));
  EXPECT_TRUE(Window().IsShown());
}

TEST_F(StartState, CentredOnAnotherScreen) {
  Start({800, 600});
  EXPECT_EQ(Window().WindowRect(), Rect::FromSize(80, 75, 640, 450));
}

TEST_F(StartState, TitleBarWithCloseAndMinimizeButNoMaximizeAndNotResizable) {
  EXPECT_EQ(backend_->Title(&Window()), "禾朗购物小助手v1.0");
  EXPECT_EQ(Window().Style() & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(Window().Style() & WS_SYSMENU, 0u);
  EXPECT_NE(Window().Style() & WS_MINIMIZEBOX, 0u);
  EXPECT_EQ(Window().Style() & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
  EXPECT_NE(Window().ExStyle() & WS_EX_CLIENTEDGE, 0u);
}

TEST_F(StartState, IconIsTheDescriptionsIconImage) {
  const Bitmap* icon = backend_->Icon(&Window());
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->width, 80);
  EXPECT_EQ(icon->height, 70);
}

TEST_F(StartState, ShowsPageOneControlsAndTheTabControl) {
  std::vector<std::string> shown = ShownNames();
  std::vector<std::string> expected = kPage1Shown;
  std::sort(shown.begin(), shown.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(expected.size(), 25u);  // the 24 controls of page 1 and the tab control
  EXPECT_EQ(Tab().CurrentPage(), 0);
}

TEST_F(StartState, FocusIsInTheTaobaoKeywordBox) { EXPECT_EQ(FocusName(), "编辑框1"); }

TEST_F(StartState, EveryControlButTheTabControlIsAChildOfTheTabControlAtItsStoredPlace) {
  for (const auto& control : Window().Controls()) {
    const auto& common = control->record->common;
    const desktop::Window* expected_parent = control.get() == &Named("高级选择夹1") ? static_cast<const desktop::Window*>(&Window())
                                                                        : static_cast<const desktop::Window*>(&Tab());
    EXPECT_EQ(control->window->Parent(), expected_parent) << Utf8(common.name);
    EXPECT_EQ(control->window->WindowRect(), Rect::FromSize(common.left, common.top, common.width, common.height))
        << Utf8(common.name);
  }
}

TEST_F(StartState, TabControlIsCutOffByTheClientArea) {
  EXPECT_EQ(Tab().WindowRect(), Rect::FromSize(0, 0, 640, 450));
  EXPECT_EQ(ShowableAreaOnSurface(Tab()), ClientRectOnSurface(Window()));
}

struct IdentifierCase {
  const char* name;
  int id;
};

class ControlIdentifiers : public StartState, public testing::WithParamInterface<IdentifierCase> {};

TEST_P(ControlIdentifiers, HundredPlusTenPerCreationRank) {
  EXPECT_EQ(WindowOf(GetParam().name).Id(), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Ranks, ControlIdentifiers,
                         testing::Values(IdentifierCase{"高级选择夹1", 100}, IdentifierCase{"图片框1", 110},
                                         IdentifierCase{"图片框3", 120}, IdentifierCase{"超级链接框1", 130},
                                         IdentifierCase{"编辑框1", 240}, IdentifierCase{"图片框2", 360},
                                         IdentifierCase{"编辑框2", 370}, IdentifierCase{"超级链接框18", 600}));

// Later creation lies higher: among the tab control's children (topmost first) record 1 comes
// first and record 50 last, so 标签13 lies above 选择框4 where they overlap.
TEST_F(StartState, StackingFollowsTheRecordOrder) {
  const auto& children = Tab().Children();
  std::vector<const desktop::Window*> by_record;
  for (const auto& control : Window().Controls())
    if (control->window->Parent() == &Tab()) by_record.push_back(control->window);
  ASSERT_EQ(children.size(), by_record.size());
  EXPECT_TRUE(std::equal(children.begin(), children.end(), by_record.begin()));

  auto z = [&](const char* name) { return std::find(children.begin(), children.end(), &WindowOf(name)) - children.begin(); };
  EXPECT_LT(z("标签13"), z("选择框4"));
}

}  // namespace
}  // namespace mainwindow_test
