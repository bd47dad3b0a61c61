// The top-level window's styles and start place from its settings.
#include <gtest/gtest.h>

#include "desktop/window/win_defs.h"
#include "ui/load_window.h"

namespace {

using namespace desktop;
using ui::description::WindowData;

WindowData Settings(std::uint32_t border_style) {
  WindowData data;
  data.border_style = border_style;
  data.maximize_button = 0;
  data.minimize_button = 1;
  data.control_button = 1;
  return data;
}

struct StyleCase {
  std::uint32_t border_style;
  std::uint32_t frame;     // the frame bits expected in the style
  std::uint32_t ex_frame;  // client edge / tool window expected in the extended style
};

class WindowStylesTest : public testing::TestWithParam<StyleCase> {};

// Without a title bar the frame bits stand alone (a title bar brings WS_DLGFRAME with WS_CAPTION).
TEST_P(WindowStylesTest, FrameFromBorderStyle) {
  const StyleCase& c = GetParam();
  WindowData data = Settings(c.border_style);
  data.control_button = 0;
  const ui::TopLevelStyles s = ui::WindowStylesOf(data, false);
  EXPECT_EQ(s.style & (WS_POPUP | WS_THICKFRAME | WS_DLGFRAME), c.frame);
  EXPECT_EQ(s.ex_style & (WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW), c.ex_frame);
  EXPECT_NE(s.style & WS_CLIPCHILDREN, 0u);
}

INSTANTIATE_TEST_SUITE_P(BorderStyles, WindowStylesTest,
                         testing::Values(StyleCase{0, WS_POPUP, 0}, StyleCase{1, WS_THICKFRAME, 0},
                                         StyleCase{2, WS_DLGFRAME, 0},
                                         StyleCase{3, WS_THICKFRAME, WS_EX_TOOLWINDOW},
                                         StyleCase{4, WS_DLGFRAME, WS_EX_TOOLWINDOW},
                                         StyleCase{5, WS_THICKFRAME, WS_EX_CLIENTEDGE},
                                         StyleCase{6, WS_DLGFRAME, WS_EX_CLIENTEDGE}, StyleCase{7, WS_POPUP, 0}));

TEST(WindowStyles, MainWindowHasCaptionCloseAndMinimizeButNoMaximize) {
  const ui::TopLevelStyles s = ui::WindowStylesOf(Settings(6), true);
  EXPECT_EQ(s.style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(s.style & WS_SYSMENU, 0u);
  EXPECT_NE(s.style & WS_MINIMIZEBOX, 0u);
  EXPECT_EQ(s.style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
  EXPECT_NE(s.ex_style & WS_EX_APPWINDOW, 0u);
}

TEST(WindowStyles, SwitchesAreOnOnlyForOne) {
  WindowData data = Settings(6);
  data.control_button = 2;
  data.minimize_button = 2;
  data.maximize_button = 1;
  const ui::TopLevelStyles s = ui::WindowStylesOf(data, true);
  EXPECT_EQ(s.style & (WS_SYSMENU | WS_MINIMIZEBOX), 0u);
  EXPECT_NE(s.style & WS_MAXIMIZEBOX, 0u);
}

TEST(WindowStyles, NoTitleAndNoControlButtonMeansNoCaption) {
  WindowData data = Settings(6);
  data.control_button = 0;
  EXPECT_NE(ui::WindowStylesOf(data, false).style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(ui::WindowStylesOf(data, true).style & WS_CAPTION, WS_CAPTION);
}

struct PlaceCase {
  std::uint32_t start_position;
  Size screen;
  Rect expected;
};

class StartPlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(StartPlaceTest, CentresOrKeepsTheStoredPlace) {
  const PlaceCase& c = GetParam();
  WindowData data = Settings(6);
  data.start_position = c.start_position;
  ui::description::CommonPart common;
  common.left = 50;
  common.top = 50;
  common.width = 640;
  common.height = 450;
  EXPECT_EQ(ui::StartPlace(data, common, c.screen), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, StartPlaceTest,
    testing::Values(PlaceCase{1, {1024, 768}, Rect::FromSize(192, 159, 640, 450)},
                    PlaceCase{1, {1023, 767}, Rect::FromSize(191, 158, 640, 450)},
                    // Halved toward zero: -41 / 2 is -20, not -21.
                    PlaceCase{1, {599, 409}, Rect::FromSize(-20, -20, 640, 450)},
                    PlaceCase{0, {1024, 768}, Rect::FromSize(50, 50, 640, 450)}));

TEST(ControlIdentifiers, HundredThenTenMorePerRank) {
  EXPECT_EQ(ui::ControlIdentifier(1), 100);
  EXPECT_EQ(ui::ControlIdentifier(2), 110);
  EXPECT_EQ(ui::ControlIdentifier(51), 600);
}

}  // namespace
