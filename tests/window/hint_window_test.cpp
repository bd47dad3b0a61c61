// The hint pop-up: where it shows, that it stays on the screen, what it looks like, and that it
// never takes activation, focus or the pointer.
#include "desktop/popups/hint_window.h"

#include "window_test_support.h"

namespace window_test {
namespace {

const char kHintText[] = "\xBE\xA9\xB6\xAB\xD0\xC2\xB5\xB0";  // 京东新蛋

class HintTest : public WindowSystemTest {
 public:
  void SetUp() override {
    WindowSystemTest::SetUp();
    main = MakeTop("main", Rect::FromSize(192, 159, 640, 450), Rgb(255, 255, 255), WS_CAPTION | WS_VISIBLE,
                   WS_EX_CLIENTEDGE);
    edit = MakeChild("edit", main, {0, 0, 100, 20}, Rgb(255, 255, 255));
    edit->SetFocus();
    hint = HintWindow::Create(edit);
    ASSERT_NE(hint, nullptr);
  }
  TestWindow* main = nullptr;
  TestWindow* edit = nullptr;
  HintWindow* hint = nullptr;
};

TEST_F(HintTest, ShowsAtThePointAndStaysOnTheScreen) {
  const Size size = hint->SizeFor(kHintText);
  ASSERT_GT(size.width, 2 * kHintPaddingX + 2);
  ASSERT_GT(size.height, 2 * kHintPaddingY + 2);
  struct Case {
    const char* name;
    Point asked;
    Point expected;
  };
  const Case cases[] = {
      {"inside", {300, 200}, {300, 200}},
      {"past the right edge", {1020, 200}, {1024 - size.width, 200}},
      {"past the bottom edge", {300, 766}, {300, 768 - size.height}},
      {"past both", {5000, 5000}, {1024 - size.width, 768 - size.height}},
      {"exactly at the corner", {1024 - size.width, 768 - size.height}, {1024 - size.width, 768 - size.height}},
      {"left of the screen", {-40, -5}, {0, 0}},
  };
  for (const Case& c : cases) {
    hint->ShowAt(kHintText, c.asked);
    EXPECT_EQ(hint->Position(), c.expected) << c.name;
    EXPECT_EQ(hint->WindowRect().GetSize(), size) << c.name;
    EXPECT_TRUE(hint->IsShowing());
    EXPECT_TRUE(backend().IsSurfaceShown(hint));
  }
  hint->Hide();
  EXPECT_FALSE(hint->IsShowing());
  EXPECT_FALSE(backend().IsSurfaceShown(hint));
}

TEST_F(HintTest, SizeFollowsTheText) {
  const Size one = hint->SizeFor("\xBE\xA9");
  const Size four = hint->SizeFor(kHintText);
  EXPECT_GT(four.width, one.width);
  EXPECT_EQ(four.height, one.height);
  EXPECT_EQ(one.width - 2 * kHintPaddingX - 2, hint->GetFont()->Measure("\xBE\xA9").width);
}

TEST_F(HintTest, FramedTextOnTheInfoBackground) {
  hint->ShowAt(kHintText, {100, 100});
  ws().UpdateAll();
  const Size size = hint->WindowRect().GetSize();
  auto at = [&](int x, int y) { return FromPixel(backend().SurfacePixel(hint, {x, y})); };
  EXPECT_EQ(at(0, 0), syscolor::kWindowFrame);
  EXPECT_EQ(at(size.width - 1, size.height - 1), syscolor::kWindowFrame);
  EXPECT_EQ(at(1, 1), syscolor::kInfoBackground);
  EXPECT_EQ(at(size.width - 2, size.height - 2), syscolor::kInfoBackground);
  int inked = 0;
  for (int y = 1; y < size.height - 1; ++y)
    for (int x = 1; x < size.width - 1; ++x)
      if (at(x, y) != syscolor::kInfoBackground) ++inked;
  EXPECT_GT(inked, 20) << "the text is drawn";
}

TEST_F(HintTest, NeverTakesActivationFocusOrThePointer) {
  hint->ShowAt(kHintText, main->ClientToScreen({10, 5}));
  EXPECT_EQ(ws().ActiveWindow(), main);
  EXPECT_TRUE(edit->HasFocus());
  EXPECT_EQ(ws().TopLevels().front(), hint) << "topmost";
  int hit = 0;
  EXPECT_EQ(ws().WindowFromPoint(main->ClientToScreen({12, 8}), &hit), edit) << "the pointer passes through";
  backend().MouseDownScreen(main->ClientToScreen({12, 8}));
  Pump();
  EXPECT_EQ(edit->mouse_downs.size(), 1u);
  EXPECT_EQ(ws().ActiveWindow(), main);
}

TEST_F(HintTest, ChangingTheTextRepaints) {
  hint->ShowAt("\xBE\xA9", {100, 100});
  ws().UpdateAll();
  const Bitmap before = backend().SurfaceImage(hint);
  hint->ShowAt("\xB6\xAB", {100, 100});
  ws().UpdateAll();
  EXPECT_NE(backend().SurfaceImage(hint).pixels, before.pixels);
}

TEST_F(HintTest, GoesWithItsOwner) {
  main->Destroy();
  EXPECT_FALSE(hint->IsAlive());
  EXPECT_TRUE(ws().TopLevels().empty());
}

}  // namespace
}  // namespace window_test
