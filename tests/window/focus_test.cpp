// Focus, capture and activation: who hears of each change, in what order, and what a top-level
// window remembers across deactivation.
#include <functional>

#include "window_test_support.h"

namespace window_test {
namespace {

// Two top-level windows, each with two children; t1 is active after set-up, the log empty.
class FocusTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    t1 = MakeTop("t1", Rect::FromSize(0, 0, 200, 200));
    a = MakeChild("a", t1, {0, 0, 50, 50}, 0);
    b = MakeChild("b", t1, {60, 0, 110, 50}, 0);
    t2 = MakeTop("t2", Rect::FromSize(300, 0, 200, 200), 0, WS_POPUP);
    c = MakeChild("c", t2, {0, 0, 50, 50}, 0);
    t2->ShowWindow(SW_SHOWNA);
    ws().Activate(t1);
    log_.clear();
  }
  TestWindow *t1, *a, *b, *t2, *c;
};

struct Scenario {
  const char* name;
  std::function<void(FocusTest&)> act;
  Log expected_log;
  std::function<void(FocusTest&)> check;
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

class FocusScenarios : public FocusTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(FocusScenarios, Run) {
  const Scenario& s = GetParam();
  s.act(*this);
  EXPECT_EQ(log_, s.expected_log);
  if (s.check) s.check(*this);
}

const Scenario kScenarios[] = {
    {"first focus", [](FocusTest& f) { f.a->SetFocus(); }, {"a:setfocus(null)"},
     [](FocusTest& f) { EXPECT_TRUE(f.a->HasFocus()); }},
    {"focus moves", [](FocusTest& f) { f.a->SetFocus(); f.b->SetFocus(); },
     {"a:setfocus(null)", "a:killfocus(b)", "b:setfocus(a)"}, nullptr},
    {"focus to the same window again is no change", [](FocusTest& f) { f.a->SetFocus(); f.a->SetFocus(); },
     {"a:setfocus(null)"}, nullptr},
    {"hiding the focused window loses the focus",
     [](FocusTest& f) { f.a->SetFocus(); f.a->ShowWindow(SW_HIDE); }, {"a:setfocus(null)", "a:killfocus(null)"},
     [](FocusTest&) { EXPECT_EQ(WindowSystem::Get().Focus(), nullptr); }},
    {"hiding an ancestor of the focused window loses the focus",
     [](FocusTest& f) {
       auto* inner = f.MakeChild("inner", f.a, {0, 0, 10, 10}, 0);
       inner->SetFocus();
       f.a->ShowWindow(SW_HIDE);
     },
     {"inner:setfocus(null)", "inner:killfocus(null)"}, nullptr},
    {"disabling the focused window loses the focus",
     [](FocusTest& f) { f.a->SetFocus(); f.a->Enable(false); }, {"a:setfocus(null)", "a:killfocus(null)"}, nullptr},
    {"destroying the focused window: focus lost before it goes",
     [](FocusTest& f) { f.a->SetFocus(); f.a->Destroy(); }, {"a:setfocus(null)", "a:killfocus(null)", "a:destroy"},
     [](FocusTest&) { EXPECT_EQ(WindowSystem::Get().Focus(), nullptr); }},
    {"capture moves: the window losing it hears",
     [](FocusTest& f) { f.a->SetCapture(); f.b->SetCapture(); f.b->ReleaseCapture(); },
     {"a:capturechanged", "b:capturechanged"}, [](FocusTest&) { EXPECT_EQ(WindowSystem::Get().Capture(), nullptr); }},
    {"a window not holding the capture cannot release it",
     [](FocusTest& f) { f.a->SetCapture(); f.b->ReleaseCapture(); }, {},
     [](FocusTest& f) { EXPECT_TRUE(f.a->HasCapture()); }},
    {"hiding the capture window releases it", [](FocusTest& f) { f.a->SetCapture(); f.a->ShowWindow(SW_HIDE); },
     {"a:capturechanged"}, [](FocusTest&) { EXPECT_EQ(WindowSystem::Get().Capture(), nullptr); }},
    {"destroying the capture window releases it", [](FocusTest& f) { f.a->SetCapture(); f.a->Destroy(); },
     {"a:capturechanged", "a:destroy"}, [](FocusTest&) { EXPECT_EQ(WindowSystem::Get().Capture(), nullptr); }},
    {"deactivation remembers the focus and takes it away",
     [](FocusTest& f) { f.b->SetFocus(); WindowSystem::Get().Activate(f.t2); },
     {"b:setfocus(null)", "t1:deactivate", "b:killfocus(null)", "t2:activate"},
     [](FocusTest& f) {
       EXPECT_EQ(f.t1->remembered_focus, f.b);
       EXPECT_EQ(WindowSystem::Get().Focus(), nullptr);
       EXPECT_EQ(WindowSystem::Get().ActiveWindow(), f.t2);
     }},
    {"activation gives the remembered focus back",
     [](FocusTest& f) {
       f.b->SetFocus();
       WindowSystem::Get().Activate(f.t2);
       WindowSystem::Get().Activate(f.t1);
     },
     {"b:setfocus(null)", "t1:deactivate", "b:killfocus(null)", "t2:activate", "t2:deactivate", "b:setfocus(null)",
      "t1:activate"},
     [](FocusTest& f) { EXPECT_TRUE(f.b->HasFocus()); }},
    {"a remembered window destroyed meanwhile is not given the focus",
     [](FocusTest& f) {
       f.b->SetFocus();
       WindowSystem::Get().Activate(f.t2);
       f.b->Destroy();
       WindowSystem::Get().Activate(f.t1);
     },
     {"b:setfocus(null)", "t1:deactivate", "b:killfocus(null)", "t2:activate", "b:destroy", "t2:deactivate",
      "t1:activate"},
     [](FocusTest& f) {
       EXPECT_EQ(WindowSystem::Get().Focus(), nullptr);
       EXPECT_EQ(f.t1->remembered_focus, nullptr);
     }},
    {"focusing a window of an inactive top-level window activates it",
     [](FocusTest& f) { f.c->SetFocus(); }, {"t1:deactivate", "t2:activate", "c:setfocus(null)"},
     [](FocusTest& f) { EXPECT_EQ(WindowSystem::Get().ActiveWindow(), f.t2); }},
    {"a press in an inactive top-level window activates it before the press arrives",
     [](FocusTest& f) {
       f.backend().Click(f.c, {5, 5});
       f.Pump();
     },
     {"t1:deactivate", "t2:activate", "c:down", "c:up"}, nullptr},
    {"the window manager's activation and deactivation",
     [](FocusTest& f) {
       f.a->SetFocus();
       InputEvent e;
       e.type = InputEvent::Type::Deactivate;
       e.window = f.t1;
       f.backend().Post(e);
       e.type = InputEvent::Type::Activate;
       f.backend().Post(e);
       f.Pump();
     },
     {"a:setfocus(null)", "t1:deactivate", "a:killfocus(null)", "a:setfocus(null)", "t1:activate"}, nullptr},
    {"hiding the active window activates the next one",
     [](FocusTest& f) { f.t1->ShowWindow(SW_HIDE); }, {"t1:deactivate", "t2:activate"},
     [](FocusTest& f) { EXPECT_EQ(WindowSystem::Get().ActiveWindow(), f.t2); }},
};

INSTANTIATE_TEST_SUITE_P(Table, FocusScenarios, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                           std::string n;
                           for (char ch : std::string(info.param.name)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

TEST_F(FocusTest, ShowingWithoutActivationLeavesTheActiveWindowAlone) {
  struct Case {
    int command;
    bool activates;
  };
  const Case cases[] = {{SW_SHOWNA, false}, {SW_SHOWNOACTIVATE, false}, {SW_SHOW, true}, {SW_SHOWNORMAL, true}};
  for (const Case& c : cases) {
    ws().Activate(t1);
    TestWindow* t3 = MakeTop("t3", Rect::FromSize(0, 300, 50, 50), 0, WS_POPUP);
    t3->ShowWindow(c.command);
    EXPECT_TRUE(t3->IsShown());
    EXPECT_TRUE(backend().IsSurfaceShown(t3));
    EXPECT_EQ(ws().ActiveWindow() == t3, c.activates) << c.command;
    t3->Destroy();
  }
}

TEST_F(FocusTest, WindowsThatDoNotActivateNeverTakeActivationOrFocus) {
  TestWindow* hint = MakeTop("hint", Rect::FromSize(0, 300, 50, 20), 0, WS_POPUP | WS_VISIBLE,
                             WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  EXPECT_EQ(ws().ActiveWindow(), t1);
  backend().Click(hint, {5, 5});
  Pump();
  EXPECT_EQ(ws().ActiveWindow(), t1);
  hint->SetFocus();
  EXPECT_EQ(ws().Focus(), nullptr);
  ws().Activate(hint);
  EXPECT_EQ(ws().ActiveWindow(), t1);
}

}  // namespace
}  // namespace window_test
