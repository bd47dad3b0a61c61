// The arrow keys on a radio button in the running window, on both pages that have radio buttons:
// the step through the page's radio buttons in Tab order with wrap-around, the focus, nothing with
// Ctrl, Shift or Alt, and each page keeping its own choice (only the shown radio buttons are
// unchecked), so the other page's search still finds its sort order.
#include <gtest/gtest.h>

#include "program_fixture.h"

namespace kinds_test {
namespace {

using namespace desktop;

const std::vector<std::string> kPage1 = {"单选框1", "单选框2", "单选框3"};
const std::vector<std::string> kPage2 = {"单选框4", "单选框6", "单选框5"};  // left to right, Tab order

class RadioArrowKeys : public ProgramTest {
 protected:
  // The names of the checked radio buttons of `names`.
  std::vector<std::string> CheckedOf(const std::vector<std::string>& names) {
    std::vector<std::string> checked;
    for (const std::string& n : names)
      if (Checked(n) != 0) checked.push_back(n);
    return checked;
  }
  using Names = std::vector<std::string>;
};

struct StepCase {
  int page;
  const char* from;
  int vk;
  const char* to;
};

TEST_F(RadioArrowKeys, StepsThroughThePageInTabOrderWithWrapAround) {
  const StepCase cases[] = {
      {1, "单选框1", VK_RIGHT, "单选框2"}, {1, "单选框2", VK_DOWN, "单选框3"}, {1, "单选框3", VK_RIGHT, "单选框1"},
      {1, "单选框1", VK_LEFT, "单选框3"},  {1, "单选框3", VK_UP, "单选框2"},   {1, "单选框2", VK_LEFT, "单选框1"},
      {2, "单选框4", VK_RIGHT, "单选框6"}, {2, "单选框6", VK_DOWN, "单选框5"}, {2, "单选框5", VK_RIGHT, "单选框4"},
      {2, "单选框4", VK_LEFT, "单选框5"},  {2, "单选框5", VK_UP, "单选框6"},   {2, "单选框6", VK_UP, "单选框4"},
  };
  int shown = 1;
  for (const StepCase& c : cases) {
    if (c.page != shown) {
      ShowPage(c.page);
      shown = c.page;
    }
    Focus(c.from);
    Press(c.vk);
    EXPECT_EQ(FocusName(), c.to) << c.from << " key " << c.vk;
    EXPECT_EQ(CheckedOf(c.page == 1 ? kPage1 : kPage2), Names{c.to}) << c.from << " key " << c.vk;
  }
}

TEST_F(RadioArrowKeys, ArrowsOnPageTwoKeepPageOnesChoiceAndItsSearch) {
  Click("单选框2");
  ASSERT_EQ(CheckedOf(kPage1), Names{"单选框2"});
  ShowPage(2);
  Focus("单选框4");
  Press(VK_RIGHT);
  EXPECT_EQ(CheckedOf(kPage2), Names{"单选框6"});
  EXPECT_EQ(CheckedOf(kPage1), Names{"单选框2"}) << "the hidden page keeps its choice";

  // Back on page 1, the Taobao search still opens its address, sorted as chosen.
  ShowPage(1);
  ClearHandOvers();
  Click("按钮2");
  ASSERT_EQ(HandOvers().size(), 1u);
  EXPECT_NE(HandOvers()[0].find("&sort=sale-desc"), std::string::npos) << HandOvers()[0];
}

TEST_F(RadioArrowKeys, ArrowsOnPageOneKeepPageTwosChoiceAndItsSearch) {
  ShowPage(2);
  Click("单选框5");
  ShowPage(1);
  Focus("单选框1");
  Press(VK_LEFT);
  EXPECT_EQ(CheckedOf(kPage1), Names{"单选框3"});
  EXPECT_EQ(CheckedOf(kPage2), Names{"单选框5"}) << "the hidden page keeps its choice";

  ShowPage(2);
  ClearHandOvers();
  Click("按钮3");
  // 360buy and Newegg, both sorted by falling price.
  ASSERT_EQ(HandOvers().size(), 2u);
  EXPECT_NE(HandOvers()[0].find("psort%3D1"), std::string::npos) << HandOvers()[0];
  EXPECT_NE(HandOvers()[1].find("sort%3D40"), std::string::npos) << HandOvers()[1];
}

TEST_F(RadioArrowKeys, NothingWithCtrlShiftOrAlt) {
  const Modifiers held[] = {{.ctrl = true}, {.shift = true}, {.alt = true}, {.ctrl = true, .shift = true}};
  for (const Modifiers& mods : held) {
    for (int vk : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
      Focus("单选框1");
      Press(vk, mods);
      EXPECT_EQ(CheckedOf(kPage1), Names{"单选框1"}) << vk;
      EXPECT_EQ(CheckedOf(kPage2), Names{"单选框4"}) << vk;
      EXPECT_EQ(FocusName(), "单选框1") << vk;
    }
  }
}

TEST_F(RadioArrowKeys, ArrowOnACheckBoxChangesNoState) {
  for (const char* box : {"选择框1", "选择框2"}) {
    const int before = Checked(box);
    Focus(box);
    for (int vk : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) Press(vk);
    EXPECT_EQ(Checked(box), before) << box;
    EXPECT_EQ(CheckedOf(kPage1), Names{"单选框1"});
  }
}

TEST_F(RadioArrowKeys, ArrowsStepPastADisabledRadioButton) {
  WindowOf("单选框2").Enable(false);
  Focus("单选框1");
  Press(VK_RIGHT);
  EXPECT_EQ(FocusName(), "单选框3");
  EXPECT_EQ(CheckedOf(kPage1), Names{"单选框3"});
}

TEST_F(RadioArrowKeys, SpaceOnTheFocusedRadioButtonChecksIt) {
  Focus("单选框3");
  Press(VK_SPACE);
  EXPECT_EQ(CheckedOf(kPage1), Names{"单选框3"});
  EXPECT_EQ(CheckedOf(kPage2), Names{"单选框4"});
}

}  // namespace
}  // namespace kinds_test
