// The border numbers as window styles.
#include <gtest/gtest.h>

#include "desktop/window/win_defs.h"
#include "ui/border_styles.h"

namespace {

using namespace desktop;

TEST(BorderStylesOf, EachStoredValue) {
  struct Case {
    std::uint32_t border;
    ui::BorderStyles expected;
  };
  const Case cases[] = {
      {0, {0, 0}},
      {1, {0, WS_EX_CLIENTEDGE}},
      {2, {0, WS_EX_DLGMODALFRAME}},
      {3, {0, WS_EX_STATICEDGE}},
      {4, {0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE}},
      {5, {WS_BORDER, 0}},
      {6, {0, 0}},
      {7, {0, 0}},
      {0xFFFFFFFFu, {0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::BorderStylesOf(c.border), c.expected) << c.border;
}

}  // namespace
