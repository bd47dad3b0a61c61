// Keys through the top-level window's filter, the key hook and the focused window; typed text in
// GBK; double-clicks by time and distance.
#include "window_test_support.h"

namespace window_test {
namespace {

class KeyTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
    edit = MakeChild("edit", top, {0, 0, 50, 20}, 0);
    ws().Activate(top);
    edit->SetFocus();
    log_.clear();
  }
  TestWindow *top, *edit;
};

TEST_F(KeyTest, KeyPressesPassFilterThenHookThenFocus) {
  struct Case {
    const char* name;
    int filter_consumes;  // the vk the top-level window's filter takes
    int hook_consumes;    // the vk the key hook takes
    bool focus;
    Log expected;
  };
  const Case cases[] = {
      {"nobody takes it", -1, -1, true, {"top:filter65(edit)", "hook65(edit)", "edit:keydown65", "edit:keyup65"}},
      {"the filter takes it", 65, -1, true, {"top:filter65(edit)", "edit:keyup65"}},
      {"the hook takes it", -1, 65, true, {"top:filter65(edit)", "hook65(edit)", "edit:keyup65"}},
      {"no focus: the window itself", -1, -1, false, {"top:filter65(top)", "hook65(top)", "top:keydown65", "top:keyup65"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log_.clear();
    top->SetKeyFilter(true, c.filter_consumes);
    ws().key_hook = [&, c](const KeyEvent& key, Window* target) {
      log_.push_back("hook" + std::to_string(key.vk) + "(" + TestWindow::NameOf(target) + ")");
      return key.vk == c.hook_consumes;
    };
    if (c.focus) edit->SetFocus();
    else ws().SetFocus(nullptr);
    log_.clear();
    backend().PressKey('A');
    Pump();
    EXPECT_EQ(log_, c.expected);
  }
}

TEST_F(KeyTest, KeysCarryTheirModifiers) {
  struct Probe : TestWindow {
    using TestWindow::TestWindow;
    bool OnKeyDown(const KeyEvent& e) override {
      seen.push_back(e);
      return true;
    }
    std::vector<KeyEvent> seen;
  };
  auto* probe = Window::CreateAs(std::make_unique<Probe>("p", &log_, 0), top, {0, 0, 5, 5}, WS_CHILD | WS_VISIBLE, 0, "", 0);
  probe->SetFocus();
  backend().PressKey(VK_TAB, Modifiers{.shift = true});
  backend().PressKey(VK_RIGHT, Modifiers{.ctrl = true});
  Pump();
  ASSERT_EQ(probe->seen.size(), 2u);
  EXPECT_EQ(probe->seen[0].vk, VK_TAB);
  EXPECT_TRUE(probe->seen[0].mods.shift);
  EXPECT_FALSE(probe->seen[0].mods.ctrl);
  EXPECT_EQ(probe->seen[1].vk, VK_RIGHT);
  EXPECT_TRUE(probe->seen[1].mods.ctrl);
}

TEST_F(KeyTest, ADisabledTopLevelWindowGetsNoKeys) {
  top->Enable(false);
  EXPECT_EQ(log_, (Log{"edit:killfocus(null)"})) << "disabling takes the focus away";
  log_.clear();
  backend().PressKey('A');
  backend().TypeText("a");
  Pump();
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(edit->chars.empty());
}

TEST_F(KeyTest, TypedTextReachesTheFocusedWindowAsGbk) {
  struct Case {
    const char* utf8;
    const char* gbk;
  };
  const Case cases[] = {
      {"abc", "abc"},
      {"\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},  // 中文
      {"a\xF0\x9F\x98\x80" "b", "a?b"},                  // a character GBK cannot hold
  };
  for (const Case& c : cases) {
    edit->chars.clear();
    backend().TypeText(c.utf8);
    Pump();
    ASSERT_EQ(edit->chars.size(), 1u) << c.utf8;
    EXPECT_EQ(edit->chars[0], c.gbk);
  }
}

TEST_F(KeyTest, InputObserversSeeEveryEventBeforeItIsRouted) {
  std::vector<InputEvent::Type> seen;
  const int id = ws().AddInputObserver([&](const InputEvent& e) {
    seen.push_back(e.type);
    log_.push_back("observer");
  });
  top->SetKeyFilter(true, -1);
  backend().PressKey('B');
  Pump();
  EXPECT_EQ(log_, (Log{"observer", "top:filter66(edit)", "edit:keydown66", "observer", "edit:keyup66"}));
  ws().RemoveInputObserver(id);
  backend().Click(edit, {1, 1});
  Pump();
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(KeyTest, ThePointerRestTimeFollowsRealMovesOnly) {
  backend().MoveMouse(top, {10, 10});
  Pump();
  backend().AdvanceClock(300);
  backend().MoveMouse(top, {10, 10});  // the same place: no move
  Pump();
  EXPECT_EQ(ws().LastPointerMoveTime(), 0u);
  backend().MoveMouse(top, {11, 10});
  Pump();
  EXPECT_EQ(ws().LastPointerMoveTime(), 300u);
  EXPECT_EQ(ws().CursorPos(), (Point{11, 10}));
}

// ----- double-clicks -----

class DoubleClickTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top = MakeTop("top", Rect::FromSize(0, 0, 200, 100));
    a = MakeChild("a", top, {0, 0, 100, 100}, 0);
    b = MakeChild("b", top, {100, 0, 200, 100}, 0);
    a->SetClass(&kDoubleClass);
    b->SetClass(&kDoubleClass);
    log_.clear();
  }
  static inline const WindowClass kDoubleClass{.name = "dbl", .double_clicks = true};
  TestWindow *top, *a, *b;
};

TEST_F(DoubleClickTest, SecondPressWithinTimeAndDistance) {
  struct Case {
    const char* name;
    int wait_ms;
    Point second;  // client point of the top-level window; the first press is at (50, 50)
    bool double_click;
  };
  const Case cases[] = {
      {"at once, same place", 0, {50, 50}, true},
      {"at the time limit", 500, {50, 50}, true},
      {"just too late", 501, {50, 50}, false},
      {"two pixels off each way", 100, {52, 48}, true},
      {"three pixels off", 100, {53, 50}, false},
      {"three pixels off vertically", 100, {50, 47}, false},
      {"another window", 0, {101, 50}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend().AdvanceClock(1000);  // far from any earlier press
    log_.clear();
    backend().Click(top, {50, 50});
    Pump();
    backend().AdvanceClock(c.wait_ms);
    backend().Click(top, c.second);
    Pump();
    const std::string second_window = c.second.x >= 100 ? "b" : "a";
    EXPECT_EQ(log_, (Log{"a:down", "a:up", second_window + (c.double_click ? ":dblclk" : ":down"), second_window + ":up"}));
  }
}

TEST_F(DoubleClickTest, AThirdPressStartsANewPair) {
  for (int i = 0; i < 4; ++i) backend().Click(top, {50, 50});
  Pump();
  EXPECT_EQ(log_, (Log{"a:down", "a:up", "a:dblclk", "a:up", "a:down", "a:up", "a:dblclk", "a:up"}));
}

TEST_F(DoubleClickTest, ClassesWithoutDoubleClicksGetPresses) {
  a->SetClass(nullptr);
  backend().Click(top, {50, 50});
  backend().Click(top, {50, 50});
  Pump();
  EXPECT_EQ(log_, (Log{"a:down", "a:up", "a:down", "a:up"}));
}

TEST_F(DoubleClickTest, OtherButtonsDoNotPairWithTheLeft) {
  backend().Click(top, {50, 50});
  backend().Click(top, {50, 50}, MouseButton::Right);
  Pump();
  EXPECT_EQ(log_, (Log{"a:down", "a:up", "a:down", "a:up"}));
  ASSERT_EQ(a->mouse_downs.size(), 2u);
  EXPECT_EQ(a->mouse_downs[1].button, MouseButton::Right);
}

}  // namespace
}  // namespace window_test
