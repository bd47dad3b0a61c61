// The edit control and the mouse: a press places the caret at the nearest character boundary
// (never inside a double-byte character), a drag selects with the capture, Shift extends, a
// double-click selects a word, and the pointer is an I-beam.
#include "desktop/controls/edit_control.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

#define ZH "\xD6\xD0"
#define WEN "\xCE\xC4"

class EditMouse : public ControlsTest {
 protected:
  EditControl* MakeEdit(const std::string& text, int width = 200) {
    return Make<EditControl>(0, Rect::FromSize(10, 10, width, 20), text);
  }
  // The client x of the boundary after `prefix`, measured with the control's font.
  int XAfter(EditControl* edit, const std::string& prefix) {
    return EditControl::kMargin + edit->GetFont()->Measure(prefix).width;
  }
};

struct ClickCase {
  const char* name;
  std::string text;
  std::string before;  // the text left of the character clicked on
  std::string over;    // the character clicked on
  bool right_half;     // a press on its right half
  size_t want_caret;
};

TEST_F(EditMouse, PressPlacesCaretAtNearestBoundary) {
  const ClickCase cases[] = {
      {"left half of a", "abc", "", "a", false, 0},
      {"right half of a", "abc", "", "a", true, 1},
      {"left half of a double-byte", "a" ZH "b", "a", ZH, false, 1},
      {"right half of a double-byte", "a" ZH "b", "a", ZH, true, 3},
      {"right half of the last", "a" ZH, "a", ZH, true, 3},
  };
  for (const ClickCase& c : cases) {
    EditControl* edit = MakeEdit(c.text);
    const int left = XAfter(edit, c.before);
    const int width = edit->GetFont()->Measure(c.over).width;
    const int x = c.right_half ? left + width / 2 + 1 : left + width / 2 - 1;
    backend_->Click(edit, {x, 5});
    backend_->AdvanceClock(1000);
    EXPECT_EQ(edit->Caret(), c.want_caret) << c.name;
    EXPECT_FALSE(edit->Model().HasSelection()) << c.name;
    EXPECT_TRUE(edit->HasFocus()) << c.name;
    edit->Destroy();
  }
}

TEST_F(EditMouse, PressPastTheEndGoesToTheEnd) {
  EditControl* edit = MakeEdit("ab" ZH);
  backend_->Click(edit, {190, 5});
  Pump();
  EXPECT_EQ(edit->Caret(), 4u);
}

TEST_F(EditMouse, DragSelectsWithCapture) {
  EditControl* edit = MakeEdit("abc" ZH "def");
  backend_->MouseDown(edit, {XAfter(edit, "a"), 5});
  backend_->MoveMouse(edit, {XAfter(edit, "abc" ZH), 5});
  Pump();
  EXPECT_TRUE(edit->HasCapture());
  EXPECT_EQ(edit->Model().Anchor(), 1u);
  EXPECT_EQ(edit->Caret(), 5u);
  // Back over the start: the selection turns round the anchor.
  backend_->MoveMouse(edit, {-5, 5});
  backend_->MouseUp(edit, {-5, 5});
  Pump();
  EXPECT_FALSE(edit->HasCapture());
  EXPECT_EQ(edit->Model().Anchor(), 1u);
  EXPECT_EQ(edit->Caret(), 0u);
}

TEST_F(EditMouse, DragPastTheRightEdgeScrolls) {
  EditControl* edit = MakeEdit("abcdefghijklmnopqrstuvwxyz0123456789", 60);
  backend_->MouseDown(edit, {2, 5});
  backend_->MoveMouse(edit, {200, 5});
  backend_->MouseUp(edit, {200, 5});
  Pump();
  EXPECT_GT(edit->ScrollX(), 0);
  EXPECT_GT(edit->Caret(), 0u);
  const Rect caret = edit->CaretRect();
  EXPECT_GE(caret.left, 0);
  EXPECT_LT(caret.left, 60);
}

TEST_F(EditMouse, ShiftPressExtendsSelection) {
  EditControl* edit = MakeEdit("abcdef");
  edit->SetSelection(1, 2);
  backend_->Click(edit, {XAfter(edit, "abcd"), 5}, MouseButton::Left, {.shift = true});
  Pump();
  EXPECT_EQ(edit->Model().Anchor(), 1u);
  EXPECT_EQ(edit->Caret(), 4u);
}

TEST_F(EditMouse, DoubleClickSelectsWord) {
  struct Case {
    std::string before;
    size_t want_start;
    size_t want_end;
  };
  const std::string text = "hello " ZH WEN " world";
  const Case cases[] = {{"he", 0, 6}, {"hello ", 6, 11}, {"hello " ZH WEN " wo", 11, 16}};
  for (const Case& c : cases) {
    EditControl* edit = MakeEdit(text);
    const Point at{XAfter(edit, c.before) + 1, 5};
    backend_->Click(edit, at);
    backend_->Click(edit, at);
    Pump();
    EXPECT_EQ(edit->SelStart(), c.want_start) << c.before;
    EXPECT_EQ(edit->SelEnd(), c.want_end) << c.before;
    backend_->AdvanceClock(1000);
    edit->Destroy();
  }
}

TEST_F(EditMouse, PointerIsIBeam) {
  EditControl* edit = MakeEdit("abc");
  backend_->MoveMouse(edit, {5, 5});
  Pump();
  EXPECT_EQ(backend_->Cursor(), CursorShape::IBeam);
}

TEST_F(EditMouse, RightPressTakesFocusWithoutMovingCaret) {
  EditControl* edit = MakeEdit("abcdef");
  edit->SetSelection(2, 2);
  backend_->MouseDown(edit, {XAfter(edit, "abcde"), 5}, MouseButton::Right);
  Pump();
  EXPECT_TRUE(edit->HasFocus());
  EXPECT_EQ(edit->Caret(), 2u);
}

}  // namespace
}  // namespace controls_test
