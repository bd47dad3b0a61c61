// The window's key filter: Tab and Shift+Tab, Enter, Esc, F1, Alt mnemonics, and the focus when
// the window is activated again.
#include <gtest/gtest.h>

#include <memory>

#include "desktop/window/win_defs.h"
#include "description_variants.h"
#include "main_window_fixture.h"
#include "platform/read_control_property.h"
#include "ui/loaded_windows.h"

namespace mainwindow_test {
namespace {

using namespace desktop;

struct TabOrderCase {
  const char* name;
  int page;
  std::vector<std::string> order;
};

const TabOrderCase kTabOrders[] = {
    {"Taobao", 1, {"编辑框1", "按钮2", "选择框1", "选择框2", "选择框10", "单选框1", "单选框2", "选择框3", "单选框3"}},
    {"JingdongNewegg", 2, {"编辑框2", "按钮3", "单选框4", "单选框6", "单选框5", "按钮5", "按钮6"}},
    {"AmazonDangdang", 3, {"编辑框3", "按钮4", "选择框4", "按钮7", "按钮8"}},
};

class TabOrder : public MainWindowTest, public testing::WithParamInterface<TabOrderCase> {
 protected:
  void ShowPage(int page) {
    if (page != 1) ClickHeader(page);
    WindowOf(GetParam().order.front()).SetFocus();
    Pump();
  }
};

TEST_P(TabOrder, TabRunsThroughThePageInCreationOrderAndWraps) {
  const TabOrderCase& c = GetParam();
  ShowPage(c.page);
  std::vector<std::string> visited{FocusName()};
  for (std::size_t i = 0; i < c.order.size(); ++i) {
    Press(VK_TAB);
    visited.push_back(FocusName());
  }
  std::vector<std::string> expected = c.order;
  expected.push_back(c.order.front());  // round again
  EXPECT_EQ(visited, expected);
}

TEST_P(TabOrder, ShiftTabRunsBackwardsAndWraps) {
  const TabOrderCase& c = GetParam();
  ShowPage(c.page);
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < c.order.size(); ++i) {
    Press(VK_TAB, {.shift = true});
    visited.push_back(FocusName());
  }
  std::vector<std::string> expected(c.order.rbegin(), c.order.rend());
  EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, TabOrder, testing::ValuesIn(kTabOrders),
                         [](const testing::TestParamInfo<TabOrderCase>& info) { return info.param.name; });

using Keyboard = MainWindowTest;

TEST_F(Keyboard, CtrlTabAndAltTabLeaveTheFocus) {
  Press(VK_TAB, {.ctrl = true});
  EXPECT_EQ(FocusName(), "编辑框1");
  Press(VK_TAB, {.alt = true});
  EXPECT_EQ(FocusName(), "编辑框1");
}

struct EnterCase {
  const char* name;
  int page;
  const char* keyword_box;
  const char* search_button;
  std::size_t addresses;  // opened by one search
};

const EnterCase kEnterCases[] = {
    {"Taobao", 1, "编辑框1", "按钮2", 1},
    {"JingdongNewegg", 2, "编辑框2", "按钮3", 2},
    {"AmazonDangdang", 3, "编辑框3", "按钮4", 2},
};

class EnterTwice : public MainWindowTest, public testing::WithParamInterface<EnterCase> {};

// The first Enter moves from the keyword box to the default push button, the second raises its
// click: the page's search opens its addresses with the typed keywords.
TEST_P(EnterTwice, MovesToTheSearchButtonThenSearches) {
  const EnterCase& c = GetParam();
  if (c.page != 1) ClickHeader(c.page);
  WindowOf(c.keyword_box).SetFocus();
  Type("mp3");
  Press(VK_RETURN);
  EXPECT_EQ(FocusName(), c.search_button);
  EXPECT_TRUE(HandOvers().empty());
  Press(VK_RETURN);
  ASSERT_EQ(HandOvers().size(), c.addresses);
  for (const std::string& address : HandOvers()) {
    EXPECT_EQ(address.rfind("open http", 0), 0u) << address;
    EXPECT_NE(address.find("mp3"), std::string::npos) << address;
  }
  EXPECT_EQ(FocusName(), c.search_button);
}

INSTANTIATE_TEST_SUITE_P(Pages, EnterTwice, testing::ValuesIn(kEnterCases),
                         [](const testing::TestParamInfo<EnterCase>& info) { return info.param.name; });

// Enter on a control that is no default push button moves on as Tab does, and does not toggle it.
TEST_F(Keyboard, EnterOnACheckBoxMovesOnWithoutTogglingIt) {
  WindowOf("选择框1").SetFocus();
  Pump();
  const std::intptr_t before = WindowOf("选择框1").SendMessage(BM_GETCHECK);
  Press(VK_RETURN);
  EXPECT_EQ(FocusName(), "选择框2");
  EXPECT_EQ(WindowOf("选择框1").SendMessage(BM_GETCHECK), before);
  EXPECT_TRUE(HandOvers().empty());
}

// A disabled default push button is not clicked: the focus moves on instead.
TEST_F(Keyboard, EnterOnADisabledDefaultButtonDoesNotSearch) {
  WindowOf("按钮2").SetFocus();
  Pump();
  ASSERT_EQ(FocusName(), "按钮2");
  WindowOf("按钮2").Enable(false);
  Press(VK_RETURN);
  EXPECT_TRUE(HandOvers().empty());
}

TEST_F(Keyboard, F1DoesNothing) {
  Type("abc");
  Press(VK_F1);
  EXPECT_EQ(FocusName(), "编辑框1");
  EXPECT_TRUE(HandOvers().empty());
  EXPECT_EQ(WindowOf("编辑框1").Text(), "abc");
}

// No caption of the window holds a mnemonic: Alt with a letter or digit changes nothing.
TEST_F(Keyboard, AltWithLettersAndDigitsDoesNothing) {
  auto checks = [&] {
    std::vector<std::intptr_t> states;
    for (const char* name : {"选择框1", "选择框2", "选择框3", "选择框10", "单选框1", "单选框2", "单选框3"})
      states.push_back(WindowOf(name).SendMessage(BM_GETCHECK));
    return states;
  };
  const auto before = checks();
  for (int vk = 'A'; vk <= 'Z'; ++vk) Press(vk, {.alt = true});
  for (int vk = '0'; vk <= '9'; ++vk) Press(vk, {.alt = true});
  EXPECT_EQ(FocusName(), "编辑框1");
  EXPECT_EQ(checks(), before);
  EXPECT_EQ(Tab().CurrentPage(), 0);
  EXPECT_TRUE(HandOvers().empty());
  EXPECT_EQ(WindowOf("编辑框1").Text(), "");
}

// A caption that marks a mnemonic: Alt with its letter, in either case of the caption, clicks the
// box and gives it the focus; "&&" is a plain "&" and marks nothing.
struct MnemonicCase {
  const char* name;
  const char* caption;
  int vk;
  bool clicks;
};

class Mnemonic : public MainWindowTest, public testing::WithParamInterface<MnemonicCase> {};

TEST_P(Mnemonic, AltWithTheMarkedCharacter) {
  Start({1024, 768}, WithChoiceCaption("选择框2", GetParam().caption));
  const std::intptr_t before = WindowOf("选择框2").SendMessage(BM_GETCHECK);
  Press(GetParam().vk, {.alt = true});
  EXPECT_EQ(WindowOf("选择框2").SendMessage(BM_GETCHECK) != before, GetParam().clicks);
  EXPECT_EQ(FocusName(), GetParam().clicks ? "选择框2" : "编辑框1");
}

INSTANTIATE_TEST_SUITE_P(Captions, Mnemonic,
                         testing::Values(MnemonicCase{"Marked", "7天&Return", 'R', true},
                                         MnemonicCase{"LowerCaseMark", "7天&return", 'R', true},
                                         MnemonicCase{"Digit", "&7天退换", '7', true},
                                         MnemonicCase{"OtherLetter", "7天&Return", 'S', false},
                                         MnemonicCase{"DoubledAmpersand", "7天&&Return", 'R', false}),
                         [](const testing::TestParamInfo<MnemonicCase>& info) { return info.param.name; });

// Esc closes the window from any control on any page.
struct EscCase {
  const char* name;
  int page;
  const char* focus;
};

class EscCloses : public MainWindowTest, public testing::WithParamInterface<EscCase> {};

TEST_P(EscCloses, TheWindowGoes) {
  if (GetParam().page != 1) ClickHeader(GetParam().page);
  WindowOf(GetParam().focus).SetFocus();
  Pump();
  Press(VK_ESCAPE);
  EXPECT_EQ(ui::FindLoadedWindow(0x52010001), nullptr);
  EXPECT_TRUE(WindowSystem::Get().TopLevels().empty() ||
              std::none_of(WindowSystem::Get().TopLevels().begin(), WindowSystem::Get().TopLevels().end(),
                           [](const desktop::Window* w) { return w->IsVisibleFlag(); }));
}

INSTANTIATE_TEST_SUITE_P(Focus, EscCloses,
                         testing::Values(EscCase{"KeywordBox", 1, "编辑框1"}, EscCase{"CheckBox", 1, "选择框10"},
                                         EscCase{"RadioButton", 2, "单选框6"}, EscCase{"SearchButton", 3, "按钮4"}),
                         [](const testing::TestParamInfo<EscCase>& info) { return info.param.name; });

// A top-level window of its own takes the activation away and gives it back.
class OtherWindow : public desktop::Window {};

TEST_F(Keyboard, ActivationBringsBackTheLastFocusedControl) {
  WindowOf("选择框2").SetFocus();
  Pump();
  desktop::Window* other = desktop::Window::Create(std::make_unique<OtherWindow>(), nullptr, {0, 0, 50, 50},
                                                   WS_POPUP | WS_VISIBLE, 0, {}, 0);
  ASSERT_NE(other, nullptr);
  WindowSystem::Get().Activate(other);
  Pump();
  EXPECT_EQ(FocusName(), "none");
  WindowSystem::Get().Activate(&Window());
  Pump();
  EXPECT_EQ(FocusName(), "选择框2");
}

TEST_F(Keyboard, ActivationWithoutARememberedControlFocusesTheFirstTabCandidate) {
  WindowSystem::Get().SetFocus(nullptr);
  Window().remembered_focus = nullptr;
  desktop::Window* other = desktop::Window::Create(std::make_unique<OtherWindow>(), nullptr, {0, 0, 50, 50},
                                                   WS_POPUP | WS_VISIBLE, 0, {}, 0);
  WindowSystem::Get().Activate(other);
  Pump();
  Window().remembered_focus = nullptr;
  WindowSystem::Get().Activate(&Window());
  Pump();
  EXPECT_EQ(FocusName(), "编辑框1");
}

}  // namespace
}  // namespace mainwindow_test
