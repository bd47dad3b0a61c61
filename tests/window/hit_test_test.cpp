// Z-order and hit testing: the deepest shown, enabled window at a point gets the mouse, topmost
// first; transparent windows let the point through; the capture takes everything.
#include "window_test_support.h"

namespace window_test {
namespace {

// A pop-up at (100, 100) holding, from the bottom up: A, B over A's lower right, B1 inside B,
// a hidden H, a disabled D, a transparent T over E.
class HitTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top = MakeTop("top", Rect::FromSize(100, 100, 300, 300));
    E = MakeChild("E", top, {10, 200, 60, 260}, Rgb(1, 1, 1));
    T = MakeChild("T", top, {10, 200, 60, 260}, Rgb(2, 2, 2));
    T->SetHitCode(HTTRANSPARENT);
    A = MakeChild("A", top, {10, 10, 110, 110}, Rgb(3, 3, 3));
    B = MakeChild("B", top, {60, 60, 160, 160}, Rgb(4, 4, 4), WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
    B1 = MakeChild("B1", B, {0, 0, 20, 20}, Rgb(5, 5, 5));
    H = MakeChild("H", top, {200, 10, 250, 60}, Rgb(6, 6, 6), WS_CHILD);
    D = MakeChild("D", top, {200, 100, 250, 150}, Rgb(7, 7, 7), WS_CHILD | WS_VISIBLE | WS_DISABLED);
  }
  std::string At(Point client_of_top) {
    int hit = -2;
    Window* w = ws().WindowFromPoint(top->ClientToScreen(client_of_top), &hit);
    return TestWindow::NameOf(w) + "/" + std::to_string(hit);
  }
  TestWindow *top, *A, *B, *B1, *H, *D, *T, *E;
};

TEST_F(HitTest, DeepestShownWindowTopmostFirst) {
  struct Case {
    Point at;
    const char* expected;
  };
  const Case cases[] = {
      {{20, 20}, "A/1"},     // only A
      {{80, 80}, "B1/1"},    // B over A, and B1 inside B's client (B's client starts 2 px in)
      {{61, 61}, "B/18"},    // B's client edge: non-client
      {{100, 100}, "B/1"},   // B over A
      {{120, 120}, "B/1"},   // B alone
      {{210, 20}, "top/1"},  // hidden H is not there
      {{210, 110}, "top/1"}, // disabled D takes no mouse input
      {{20, 210}, "E/1"},    // transparent T lets it through to E below
      {{299, 299}, "top/1"},
  };
  for (const Case& c : cases) EXPECT_EQ(At(c.at), c.expected) << c.at.x << "," << c.at.y;
}

TEST_F(HitTest, StackingChangesMoveWhatIsOnTop) {
  A->BringToTop();
  EXPECT_EQ(At({100, 100}), "A/1");
  A->PlaceBelow(B);
  EXPECT_EQ(At({100, 100}), "B/1");
  // The order of the children follows: topmost first.
  ASSERT_GE(top->Children().size(), 2u);
  EXPECT_EQ(top->Children()[0], D);
}

TEST_F(HitTest, PointsOutsideTheParentsClientAreaMissTheChild) {
  // B1 reaches beyond B's client area: its part outside is not B1.
  B1->Move({90, 90, 120, 120});
  EXPECT_EQ(At({60 + 2 + 96, 60 + 2 + 96}), "B/18");  // B's client is 96 wide: 96 lies on its edge
  EXPECT_EQ(At({60 + 2 + 91, 60 + 2 + 91}), "B1/1");
}

TEST_F(HitTest, ClicksGoToTheWindowUnderThePointerInClientCoordinates) {
  backend().Click(top, {100, 100});
  Pump();
  ASSERT_EQ(B->mouse_downs.size(), 1u);
  EXPECT_EQ(B->mouse_downs[0].pos, (Point{100 - 60 - 2, 100 - 60 - 2}));
  ASSERT_EQ(B->mouse_ups.size(), 1u);
  EXPECT_TRUE(A->mouse_downs.empty());
}

TEST_F(HitTest, DisabledAndTransparentWindowsPassTheClickOn) {
  backend().Click(top, {210, 110});
  backend().Click(top, {20, 210});
  Pump();
  EXPECT_TRUE(D->mouse_downs.empty());
  EXPECT_TRUE(T->mouse_downs.empty());
  EXPECT_EQ(top->mouse_downs.size(), 1u);
  EXPECT_EQ(E->mouse_downs.size(), 1u);
}

TEST_F(HitTest, CaptureTakesEveryMouseEventWherever) {
  A->SetCapture();
  backend().MoveMouse(top, {250, 250});
  backend().Click(top, {120, 120});
  Pump();
  ASSERT_EQ(A->mouse_downs.size(), 1u);
  EXPECT_EQ(A->mouse_downs[0].pos, (Point{110, 110}));
  EXPECT_EQ(A->mouse_downs[0].hit, HTCLIENT);
  ASSERT_FALSE(A->mouse_moves.empty());
  EXPECT_EQ(A->mouse_moves[0].pos, (Point{240, 240}));
  EXPECT_TRUE(B->mouse_downs.empty());
  // Outside the top-level window as well (the desktop reports such moves while a button is held).
  InputEvent outside;
  outside.type = InputEvent::Type::MouseMove;
  outside.window = top;
  outside.pos = {-50, -40};
  backend().Post(outside);
  Pump();
  EXPECT_EQ(A->mouse_moves.back().pos, (Point{-50 - 10, -40 - 10}));
}

TEST_F(HitTest, LeftButtonStateAndModifiersReachTheWindow) {
  backend().MouseDown(top, {20, 20}, MouseButton::Left, Modifiers{.ctrl = true});
  backend().MoveMouse(top, {25, 25});
  backend().MouseUp(top, {25, 25});
  backend().MoveMouse(top, {30, 30});
  Pump();
  ASSERT_EQ(A->mouse_downs.size(), 1u);
  EXPECT_TRUE(A->mouse_downs[0].mods.ctrl);
  ASSERT_GE(A->mouse_moves.size(), 2u);
  EXPECT_TRUE(A->mouse_moves[A->mouse_moves.size() - 2].left_down);
  EXPECT_FALSE(A->mouse_moves.back().left_down);
}

TEST_F(HitTest, CursorShapeComesFromTheWindowUnderThePointer) {
  static const WindowClass kHandClass{.name = "hand", .cursor = CursorShape::Hand};
  static const WindowClass kBeamClass{.name = "beam", .cursor = CursorShape::IBeam};
  A->SetClass(&kHandClass);
  B->SetClass(&kBeamClass);
  struct Case {
    Point at;
    CursorShape expected;
  };
  const Case cases[] = {
      {{20, 20}, CursorShape::Hand},
      {{120, 120}, CursorShape::IBeam},
      {{61, 61}, CursorShape::Arrow},  // B's frame
      {{250, 250}, CursorShape::Arrow},
  };
  for (const Case& c : cases) {
    backend().MoveMouse(top, c.at);
    Pump();
    EXPECT_EQ(backend().Cursor(), c.expected) << c.at.x << "," << c.at.y;
  }
}

TEST_F(HitTest, ReleasingTheCaptureResetsTheCursorToWhatIsUnderThePointer) {
  static const WindowClass kHandClass{.name = "hand", .cursor = CursorShape::Hand};
  A->SetClass(&kHandClass);
  backend().MoveMouse(top, {20, 20});
  Pump();
  A->SetCapture();
  backend().MoveMouse(top, {250, 250});
  Pump();
  EXPECT_EQ(backend().Cursor(), CursorShape::Hand) << "unchanged while captured";
  // The window lets the capture go while handling a release.
  struct Releaser : TestWindow {
    using TestWindow::TestWindow;
    void OnMouseUp(const MouseEvent& e) override {
      TestWindow::OnMouseUp(e);
      ReleaseCapture();
    }
  };
  auto* r = Window::CreateAs(std::make_unique<Releaser>("R", &log_, 0), top, {0, 0, 5, 5}, WS_CHILD | WS_VISIBLE, 0, "",
                             0);
  r->SetCapture();
  backend().MouseUp(top, {250, 250});
  Pump();
  EXPECT_EQ(ws().Capture(), nullptr);
  EXPECT_EQ(backend().Cursor(), CursorShape::Arrow);
}

TEST_F(HitTest, TopmostTopLevelWindowsLieAboveOthers) {
  TestWindow* popup = MakeTop("popup", Rect::FromSize(150, 150, 50, 50), Rgb(9, 9, 9), WS_POPUP | WS_VISIBLE,
                              WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  TestWindow* later = MakeTop("later", Rect::FromSize(140, 140, 100, 100), Rgb(8, 8, 8));
  EXPECT_EQ(ws().TopLevels().front(), popup);
  EXPECT_EQ(ws().WindowFromPoint({160, 160}), popup);
  EXPECT_EQ(ws().WindowFromPoint({230, 230}), later);
  // A transparent pop-up lets the point through to the window below.
  popup->SetHitCode(HTTRANSPARENT);
  EXPECT_EQ(ws().WindowFromPoint({160, 160}), later);
  EXPECT_EQ(ws().WindowFromPoint(popup, {160, 160}), later);
}

}  // namespace
}  // namespace window_test
