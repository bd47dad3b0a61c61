// Creation and destruction: the order windows go in, what the window system forgets with them,
// and the end of the last window; the event loops around them.
#include "window_test_support.h"

namespace window_test {
namespace {

using LifecycleTest = WindowSystemTest;

TEST_F(LifecycleTest, ChildrenGoBeforeTheirParent) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  TestWindow* p = MakeChild("p", top, {0, 0, 50, 50}, 0);
  MakeChild("c1", p, {0, 0, 10, 10}, 0);
  MakeChild("c2", p, {0, 0, 10, 10}, 0);
  MakeChild("q", top, {0, 0, 10, 10}, 0);
  log_.clear();
  top->Destroy();
  EXPECT_EQ(log_, (Log{"q:destroy", "c2:destroy", "c1:destroy", "p:destroy", "top:destroy"}));
  EXPECT_FALSE(top->IsAlive());
  EXPECT_FALSE(p->IsAlive());
  EXPECT_TRUE(ws().TopLevels().empty());
}

TEST_F(LifecycleTest, TheLastTopLevelWindowEndsOnce) {
  int ends = 0;
  ws().on_last_window_destroyed = [&] { ++ends; };
  TestWindow* main = MakeTop("main", Rect::FromSize(0, 0, 100, 100));
  TestWindow* box = MakeTop("box", Rect::FromSize(0, 0, 50, 50));
  TestWindow* hint = MakeTop("hint", Rect::FromSize(0, 0, 20, 20), 0, WS_POPUP, WS_EX_NOACTIVATE | WS_EX_TOPMOST);
  hint->SetOwner(MakeChild("inner", main, {0, 0, 5, 5}, 0));
  EXPECT_EQ(hint->Owner(), main);
  box->Destroy();
  EXPECT_EQ(ends, 0);
  main->Destroy();
  EXPECT_FALSE(hint->IsAlive()) << "an owned pop-up goes with its owner";
  EXPECT_EQ(ends, 1);
  const auto hint_at = std::find(log_.begin(), log_.end(), "hint:destroy");
  const auto main_at = std::find(log_.begin(), log_.end(), "main:destroy");
  EXPECT_LT(hint_at, main_at);
}

TEST_F(LifecycleTest, AWindowMayDestroyItselfWhileHandlingAnEvent) {
  struct SelfDestroyer : TestWindow {
    using TestWindow::TestWindow;
    void OnMouseDown(const MouseEvent& e) override {
      TestWindow::OnMouseDown(e);
      Destroy();
    }
  };
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  auto* w = Window::CreateAs(std::make_unique<SelfDestroyer>("w", &log_, 0), top, {0, 0, 50, 50},
                             WS_CHILD | WS_VISIBLE, 0, "", 0);
  w->SetFocus();
  w->SetCapture();
  backend().Click(top, {10, 10});
  backend().Click(top, {10, 10});
  Pump();  // deletes the window: it is not to be touched from here on
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "w:destroy"), 1);
  EXPECT_TRUE(top->Children().empty());
  EXPECT_EQ(ws().Focus(), nullptr);
  EXPECT_EQ(ws().Capture(), nullptr);
  // The second click found the window gone and went to the parent.
  EXPECT_EQ(top->mouse_downs.size(), 1u);
}

TEST_F(LifecycleTest, ADestroyedWindowStaysReadableUntilTheLoopComesRound) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  TestWindow* w = MakeChild("w", top, {0, 0, 5, 5}, 0);
  w->Destroy();
  // Whoever still holds it, up the stack of the event being handled, finds it dead, not deleted.
  EXPECT_FALSE(w->IsAlive());
  EXPECT_FALSE(w->IsShown());
  EXPECT_EQ(w->Name(), "w");
  w->Destroy();  // again: nothing
  w->SetFocus();
  EXPECT_EQ(ws().Focus(), nullptr);
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "w:destroy"), 1);
}

TEST_F(LifecycleTest, FailedCreationLeavesNothingBehind) {
  struct Refuser : TestWindow {
    using TestWindow::TestWindow;
    bool OnCreate() override { return false; }
  };
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  log_.clear();
  Window* w = Window::Create(std::make_unique<Refuser>("r", &log_, 0), top, {0, 0, 5, 5}, WS_CHILD | WS_VISIBLE, 0, "", 0);
  EXPECT_EQ(w, nullptr);
  EXPECT_TRUE(top->Children().empty());
  EXPECT_EQ(log_, (Log{"r:destroy"}));
  Window* orphan = Window::Create(std::make_unique<TestWindow>("o", &log_, 0), nullptr, {0, 0, 5, 5}, WS_POPUP, 0, "", 0);
  ASSERT_NE(orphan, nullptr);
  orphan->Destroy();
  EXPECT_EQ(Window::Create(std::make_unique<TestWindow>("x", &log_, 0), orphan, {0, 0, 5, 5}, WS_CHILD, 0, "", 0), nullptr);
}

TEST_F(LifecycleTest, CloseFromTheWindowManagerDestroysByDefault) {
  int ends = 0;
  ws().on_last_window_destroyed = [&] { ++ends; };
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  backend().CloseWindow(top);
  Pump();
  EXPECT_TRUE(ws().TopLevels().empty());
  EXPECT_EQ(log_.back(), "top:destroy");
  EXPECT_EQ(ends, 1);
}

TEST_F(LifecycleTest, TextAndFontMessages) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  top->SendMessage(WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>("\xBA\xCC\xC0\xCA"));  // 禾朗
  EXPECT_EQ(top->Text(), "\xBA\xCC\xC0\xCA");
  EXPECT_EQ(backend().Title(top), "\xE7\xA6\xBE\xE6\x9C\x97");
  EXPECT_EQ(top->SendMessage(WM_GETTEXTLENGTH), 4);
  char small[3] = {'x', 'x', 'x'};
  EXPECT_EQ(top->SendMessage(WM_GETTEXT, sizeof small, reinterpret_cast<std::intptr_t>(small)), 2);
  EXPECT_EQ(std::string(small), "\xBA\xCC");
  EXPECT_EQ(top->SendMessage(WM_GETFONT), 0) << "no font of its own";
  std::shared_ptr<Font> font = Font::DefaultGui();
  top->SendMessage(WM_SETFONT, reinterpret_cast<std::uintptr_t>(font.get()), 1);
  EXPECT_EQ(top->GetFont(), font.get());
  EXPECT_EQ(top->SendMessage(WM_GETFONT), reinterpret_cast<std::intptr_t>(font.get()));
}

// ----- loops -----

TEST_F(LifecycleTest, IdleWorkRunsWhileItAsksForMoreAndAgainAfterInput) {
  TestWindow* top = MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  std::vector<std::string> trace;
  int feeds = 0;
  backend().SetFeeder([&] {
    ++feeds;
    trace.push_back("feed");
    if (feeds == 1) backend().PressKey('A');
    if (feeds == 2) ws().PostQuit(3);
    return true;
  });
  const int code = ws().RunLoop([&](int pass) {
    trace.push_back("idle" + std::to_string(pass));
    return pass < 1;
  });
  EXPECT_EQ(code, 3);
  EXPECT_EQ(trace, (std::vector<std::string>{"idle0", "idle1", "feed", "idle0", "idle1", "feed"}));
  EXPECT_EQ(top->Name(), "top");
}

TEST_F(LifecycleTest, IdleWorkThatAsksToComeBackRunsAgainWithoutInput) {
  MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  std::vector<std::uint64_t> idle_times;
  const int code = ws().RunLoop([&](int pass) {
    idle_times.push_back(ws().Now());
    if (idle_times.size() < 3) ws().RequestIdleAfter(250);
    else ws().PostQuit(5);
    (void)pass;
    return false;
  });
  // Without the request the loop would sleep for input that never comes and end on its own.
  EXPECT_EQ(code, 5);
  ASSERT_EQ(idle_times.size(), 3u);
  EXPECT_GE(idle_times[1] - idle_times[0], 250u);
  EXPECT_GE(idle_times[2] - idle_times[1], 250u);
}

TEST_F(LifecycleTest, EndOfScriptedInputEndsTheLoop) {
  MakeTop("top", Rect::FromSize(0, 0, 100, 100));
  backend().SetFeeder([] { return false; });
  EXPECT_EQ(ws().RunLoop(), 0);
  EXPECT_TRUE(ws().QuitPosted());
}

TEST_F(LifecycleTest, TheFirstQuitCodeStands) {
  ws().PostQuit(-1);
  ws().PostQuit(0);
  EXPECT_EQ(ws().RunLoop(), -1);
  EXPECT_TRUE(ws().PumpPending());
}

TEST_F(LifecycleTest, AModalLoopRunsUntilItsWindowIsGone) {
  TestWindow* main = MakeTop("main", Rect::FromSize(0, 0, 100, 100));
  TestWindow* box = MakeTop("box", Rect::FromSize(10, 10, 50, 50));
  int feeds = 0;
  backend().SetFeeder([&] {
    ++feeds;
    if (feeds == 1) backend().Click(box, {5, 5});
    if (feeds == 2) backend().CloseWindow(box);
    return true;
  });
  ws().RunModal(box);
  EXPECT_FALSE(box->IsAlive());
  EXPECT_TRUE(main->IsAlive());
  EXPECT_EQ(box->mouse_downs.size(), 1u);
  EXPECT_FALSE(ws().QuitPosted());
  EXPECT_EQ(ws().ActiveWindow(), main) << "the next window takes over";
}

}  // namespace
}  // namespace window_test
