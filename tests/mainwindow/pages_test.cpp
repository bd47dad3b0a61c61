// Changing the page with a left press on a tab header: what is shown, where the focus goes, and
// that the controls keep their state.
#include <gtest/gtest.h>

#include <algorithm>

#include "desktop/window/win_defs.h"
#include "main_window_fixture.h"

namespace mainwindow_test {
namespace {

using namespace desktop;

struct PageCase {
  const char* name;
  std::vector<int> headers;  // pressed in this order
  int page;                  // shown afterwards, from 1
  std::size_t shown_controls;
  const char* focus;
};

const PageCase kPageCases[] = {
    {"Second", {2}, 2, 11, "按钮6"},
    {"Third", {3}, 3, 15, "按钮8"},
    {"SecondThenThird", {2, 3}, 3, 15, "按钮8"},
    {"ThirdThenFirst", {3, 1}, 1, 24, "单选框3"},
    {"AllRound", {2, 3, 1}, 1, 24, "单选框3"},
};

class PageChange : public MainWindowTest, public testing::WithParamInterface<PageCase> {};

TEST_P(PageChange, ShowsThePageAndFocusesItsFirstFocusableControl) {
  const PageCase& c = GetParam();
  for (int header : c.headers) ClickHeader(header);
  EXPECT_EQ(Tab().CurrentPage(), c.page - 1);
  EXPECT_EQ(Tab().SendMessage(TCM_GETCURSEL), c.page - 1);
  EXPECT_EQ(ShownNames().size(), c.shown_controls + 1);  // and the tab control
  EXPECT_EQ(FocusName(), c.focus);

  // The shown controls are exactly those of the page's part of the child list.
  const auto& children = Named("高级选择夹1").record->common.children;
  int page = 1;
  for (std::uint32_t identity : children) {
    if (identity == 0) {
      ++page;
      continue;
    }
    const ui::Control* control = Window().FindControl(identity);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->window->IsShown(), page == c.page) << Utf8(control->record->common.name);
  }
}

INSTANTIATE_TEST_SUITE_P(Headers, PageChange, testing::ValuesIn(kPageCases),
                         [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

using Pages = MainWindowTest;

TEST_F(Pages, PressOnTheShownPagesHeaderChangesNothing) {
  WindowOf("选择框2").SetFocus();
  Pump();
  ClickHeader(1);
  EXPECT_EQ(Tab().CurrentPage(), 0);
  EXPECT_EQ(FocusName(), "选择框2");
  EXPECT_EQ(ShownNames().size(), 25u);
}

TEST_F(Pages, RightPressDoesNotChangeThePage) {
  backend_->Click(&Tab(), UncoveredPointOf(2), MouseButton::Right);
  Pump();
  EXPECT_EQ(Tab().CurrentPage(), 0);
}

TEST_F(Pages, PressOnThePageAreaChangesNothing) {
  ClickTab({620, 415});
  EXPECT_EQ(Tab().CurrentPage(), 0);
  EXPECT_EQ(FocusName(), "编辑框1");
}

TEST_F(Pages, TextsAndCheckedStatesSurviveASwitch) {
  Type("数码相机 &q=1");
  ClickControl("选择框2");
  ClickControl("单选框2");
  const std::intptr_t box = WindowOf("选择框2").SendMessage(BM_GETCHECK);
  const std::intptr_t radio = WindowOf("单选框2").SendMessage(BM_GETCHECK);
  ClickHeader(2);
  ClickControl("单选框5");
  ClickHeader(3);
  ClickHeader(1);
  EXPECT_EQ(Utf8(WindowOf("编辑框1").Text()), "数码相机 &q=1");
  EXPECT_EQ(WindowOf("选择框2").SendMessage(BM_GETCHECK), box);
  EXPECT_EQ(WindowOf("单选框2").SendMessage(BM_GETCHECK), radio);
  EXPECT_EQ(WindowOf("单选框2").SendMessage(BM_GETCHECK), BST_CHECKED);
  ClickHeader(2);
  EXPECT_EQ(WindowOf("单选框5").SendMessage(BM_GETCHECK), BST_CHECKED);
}

// The logo of a page lies over its own header; the press on it goes to the picture box, not the
// tab control, so only the uncovered part of a header changes the page.
TEST_F(Pages, ShownLogoCoversItsHeader) {
  ClickHeader(2);
  const Rect logo = WindowOf("图片框3").WindowRect();
  ClickHeader(1);
  // 图片框3 is hidden now: its place on the second header belongs to the tab control again.
  ClickTab({logo.left + logo.Width() / 2, logo.top + logo.Height() / 2});
  EXPECT_EQ(Tab().CurrentPage(), 1);
}

}  // namespace
}  // namespace mainwindow_test
