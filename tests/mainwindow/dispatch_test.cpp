// Control events on their way to the handlers: the bound handler runs, nothing runs once the end
// has begun, and a window or control that cannot be found or is not valid is a fatal error.
#include <gtest/gtest.h>

#include "app/control_events.h"
#include "app/fatal_error.h"
#include "app/shell_state.h"
#include "links/control_ids.h"
#include "main_window_fixture.h"

namespace mainwindow_test {
namespace {

using Dispatch = MainWindowTest;

TEST_F(Dispatch, ClickEventOfASearchButtonRunsItsHandler) {
  app::DispatchControlEvent(links::kMainWindowId, links::control::kButton4, 0);
  EXPECT_EQ(HandOvers().size(), 2u);
}

TEST_F(Dispatch, UnboundEventsRunNothing) {
  app::DispatchControlEvent(links::kMainWindowId, links::control::kButton4, 1);
  app::DispatchControlEvent(links::kMainWindowId, links::control::kEditBox1, 0);
  app::DispatchControlEvent(links::kMainWindowId, links::control::kHyperLinker1, 0);
  EXPECT_TRUE(HandOvers().empty());
}

TEST_F(Dispatch, NothingReachesAHandlerOnceTheEndHasBegun) {
  app::MarkEndBegun();
  app::DispatchControlEvent(links::kMainWindowId, links::control::kButton2, 0);
  ClickControl("按钮3");
  EXPECT_TRUE(HandOvers().empty());
}

struct FatalCase {
  const char* name;
  std::uint32_t window;
  std::uint32_t control;
  bool drop_control_window;
  const char* message;
};

const FatalCase kFatalCases[] = {
    {"WindowNotFound", 0x52010002, links::control::kButton2, false, "未找到引发事件的窗口"},
    {"ControlNotFound", links::kMainWindowId, 0x16019999, false, "未找到引发事件的窗口组件"},
    {"ControlNotValid", links::kMainWindowId, links::control::kButton2, true, "引发事件的窗口组件无效"},
};

class DispatchFatal : public MainWindowTest, public testing::WithParamInterface<FatalCase> {};

TEST_P(DispatchFatal, EndsWithItsMessage) {
  const FatalCase& c = GetParam();
  if (c.drop_control_window) Window().FindControl(c.control)->window = nullptr;
  try {
    app::DispatchControlEvent(c.window, c.control, 0);
    FAIL() << "no fatal error";
  } catch (const FatalShown& shown) {
    EXPECT_EQ(shown.text_gbk, app::ComposeFatalText(Gbk(c.message).c_str(), 0));
  }
  EXPECT_TRUE(HandOvers().empty());
  EXPECT_TRUE(app::EndHasBegun());
}

INSTANTIATE_TEST_SUITE_P(Causes, DispatchFatal, testing::ValuesIn(kFatalCases),
                         [](const testing::TestParamInfo<FatalCase>& info) { return info.param.name; });

}  // namespace
}  // namespace mainwindow_test
