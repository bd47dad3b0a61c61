// What the edit control shows and tells: horizontal scrolling that keeps the caret in view,
// alignment, the password characters, the blinking caret, the selection's highlight with and
// without the focus, the input-method composition at the caret, the notifications to the parent
// and the messages.
#include "desktop/controls/edit_control.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

#define ZH "\xD6\xD0"
#define WEN "\xCE\xC4"
#define U_ZH "\xE4\xB8\xAD"
#define U_WEN "\xE6\x96\x87"

constexpr ColorRef kBlack = Rgb(0, 0, 0);

class EditView : public ControlsTest {
 protected:
  EditControl* MakeEdit(const std::string& text, int width = 200, std::uint32_t style = 0) {
    return Make<EditControl>(style, Rect::FromSize(10, 10, width, 20), text);
  }
  static bool CaretInView(const EditControl* edit) {
    const Rect caret = edit->CaretRect();
    return caret.left >= 0 && caret.left < edit->ClientRect().right;
  }
};

TEST_F(EditView, TypingPastTheRightEdgeScrollsAndHomeComesBack) {
  EditControl* edit = MakeEdit("", 60);
  edit->SetFocus();
  backend_->TypeText("abcdefghijklmnopqrstuvwxyz");
  Pump();
  EXPECT_GT(edit->ScrollX(), 0);
  EXPECT_TRUE(CaretInView(edit));
  backend_->PressKey(VK_HOME);
  Pump();
  EXPECT_EQ(edit->ScrollX(), 0);
  EXPECT_TRUE(CaretInView(edit));
  backend_->PressKey(VK_END);
  Pump();
  EXPECT_GT(edit->ScrollX(), 0);
  EXPECT_TRUE(CaretInView(edit));
}

TEST_F(EditView, EveryCaretStepStaysInView) {
  EditControl* edit = MakeEdit("", 50);
  edit->SetFocus();
  backend_->TypeText(U_ZH U_WEN "abc " U_ZH U_WEN "defgh " U_ZH "ijk");
  Pump();
  for (int i = 0; i < 20; ++i) {
    backend_->PressKey(VK_LEFT);
    Pump();
    EXPECT_TRUE(CaretInView(edit)) << "step " << i;
  }
}

TEST_F(EditView, DeletingLeavesNoEmptyRoomAfterTheText) {
  EditControl* edit = MakeEdit("", 60);
  edit->SetFocus();
  backend_->TypeText("abcdefghijklmnopqrstuvwxyz");
  backend_->PressKey('A', {.ctrl = true});
  backend_->PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(edit->ScrollX(), 0);
}

TEST_F(EditView, AlignmentPlacesShortText) {
  struct Case {
    std::uint32_t style;
    int want_left_min;
    int want_left_max;
  };
  const Case cases[] = {{ES_LEFT, 1, 1}, {ES_CENTER, 80, 110}, {ES_RIGHT, 150, 199}};
  for (const Case& c : cases) {
    EditControl* edit = MakeEdit("ab", 200, c.style);
    const int left = edit->XOfPosition(0);
    EXPECT_GE(left, c.want_left_min) << "style " << c.style;
    EXPECT_LE(left, c.want_left_max) << "style " << c.style;
    EXPECT_LE(edit->XOfPosition(2), 199) << "style " << c.style;
    edit->Destroy();
  }
}

TEST_F(EditView, PasswordShowsOneCharacterPerCharacter) {
  EditControl* edit = MakeEdit("a" ZH "b", 200, ES_PASSWORD);
  const Font& font = *edit->GetFont();
  EXPECT_EQ(edit->XOfPosition(4) - edit->XOfPosition(0), font.Measure("***").width);
  edit->SendMessage(EM_SETPASSWORDCHAR, '#');
  EXPECT_EQ(edit->PasswordChar(), '#');
  edit->SendMessage(EM_SETPASSWORDCHAR, 0);
  EXPECT_EQ(edit->PasswordChar(), 0);
  EXPECT_EQ(edit->XOfPosition(4) - edit->XOfPosition(0), font.Measure("a" ZH "b").width);
  // The style changed from outside is seen too.
  edit->SetStyle(edit->Style() | ES_PASSWORD);
  EXPECT_EQ(edit->XOfPosition(4) - edit->XOfPosition(0), font.Measure("###").width);
}

TEST_F(EditView, CaretBlinksEvery530MsWhileFocused) {
  EditControl* edit = MakeEdit("ab");
  const Rect caret = edit->CaretRect();
  const Point at{caret.left, caret.top + caret.Height() / 2};
  EXPECT_NE(PixelAt(*edit, at), kBlack);  // no caret without the focus
  edit->SetFocus();
  EXPECT_EQ(PixelAt(*edit, at), kBlack);
  backend_->AdvanceClock(EditControl::kCaretBlinkMs);
  EXPECT_FALSE(edit->CaretBlinkOn());
  EXPECT_NE(PixelAt(*edit, at), kBlack);
  backend_->AdvanceClock(EditControl::kCaretBlinkMs);
  EXPECT_EQ(PixelAt(*edit, at), kBlack);
  // A key press shows it at once.
  backend_->AdvanceClock(EditControl::kCaretBlinkMs);
  backend_->PressKey(VK_HOME);
  Pump();
  EXPECT_TRUE(edit->CaretBlinkOn());
  const Rect home = edit->CaretRect();
  EXPECT_EQ(PixelAt(*edit, {home.left, home.top + home.Height() / 2}), kBlack);
  EXPECT_EQ(home.Height(), edit->GetFont()->Height());
}

TEST_F(EditView, SelectionHighlightFollowsFocusUnlessNoHideSel) {
  for (std::uint32_t style : {std::uint32_t{0}, std::uint32_t{ES_NOHIDESEL}}) {
    EditControl* edit = MakeEdit("abc" ZH, 200, style);
    EditControl* other = Make<EditControl>(0, Rect::FromSize(10, 50, 100, 20), "");
    edit->SetFocus();
    edit->SetSelection(0, -1);
    const Rect text_area{0, 0, edit->XOfPosition(5), 20};
    EXPECT_TRUE(AnyPixel(*edit, text_area, syscolor::kHighlight)) << "style " << style;
    EXPECT_TRUE(AnyPixel(*edit, text_area, syscolor::kHighlightText)) << "style " << style;
    other->SetFocus();
    EXPECT_EQ(AnyPixel(*edit, text_area, syscolor::kHighlight), style == ES_NOHIDESEL) << "style " << style;
    edit->Destroy();
    other->Destroy();
  }
}

TEST_F(EditView, DisabledTextIsGrey) {
  EditControl* edit = MakeEdit("abc");
  const Rect text_area{0, 0, edit->XOfPosition(3), 20};
  EXPECT_TRUE(AnyPixel(*edit, text_area, kBlack));
  edit->Enable(false);
  EXPECT_FALSE(AnyPixel(*edit, text_area, kBlack));
  EXPECT_TRUE(AnyPixel(*edit, text_area, syscolor::kGrayText));
  EXPECT_EQ(PixelAt(*edit, {150, 10}), syscolor::kButtonFace);
}

class TintedEdit : public EditControl {
 public:
  void GetControlColors(ColorRef& text, ColorRef& background) override {
    text = Rgb(0, 128, 0);
    background = Rgb(255, 255, 0);
  }
};

TEST_F(EditView, ColoursComeFromTheControl) {
  TintedEdit* edit = Make<TintedEdit>(0, Rect::FromSize(10, 10, 200, 20), "abc");
  EXPECT_EQ(PixelAt(*edit, {150, 10}), Rgb(255, 255, 0));
  EXPECT_TRUE(AnyPixel(*edit, {0, 0, edit->XOfPosition(3), 20}, Rgb(0, 128, 0)));
}

TEST_F(EditView, CompositionShowsAtCaretAndCommits) {
  EditControl* edit = MakeEdit("ab");
  edit->SetSelection(1, 1);
  edit->SetFocus();
  EXPECT_TRUE(backend_->TextInputOn());
  backend_->Compose(U_ZH U_WEN, 1);
  Pump();
  EXPECT_EQ(edit->Composition(), ZH WEN);
  EXPECT_EQ(edit->Text(), "ab");
  // The caret sits inside the composition, after its first character.
  const int after_a = edit->XOfPosition(1);
  EXPECT_EQ(edit->CaretRect().left, after_a + edit->GetFont()->Measure(ZH).width);
  // The candidate window is placed at the caret, in screen coordinates.
  const Rect caret = edit->CaretRect();
  EXPECT_EQ(backend_->TextInputRect().TopLeft(), edit->ClientToScreen(caret.TopLeft()));
  backend_->TypeText(U_ZH U_WEN);
  Pump();
  EXPECT_EQ(edit->Composition(), "");
  EXPECT_EQ(edit->Text(), "a" ZH WEN "b");
  EXPECT_EQ(edit->Caret(), 5u);
}

TEST_F(EditView, LosingFocusStopsTextInputAndDropsComposition) {
  EditControl* edit = MakeEdit("ab");
  EditControl* other = Make<EditControl>(0, Rect::FromSize(10, 50, 100, 20), "");
  edit->SetFocus();
  backend_->Compose(U_ZH, 1);
  Pump();
  host_->SetFocus();
  EXPECT_FALSE(backend_->TextInputOn());
  EXPECT_EQ(edit->Composition(), "");
  other->SetFocus();
  EXPECT_TRUE(backend_->TextInputOn());
}

TEST_F(EditView, NotifiesParentOfChangesAndFocus) {
  EditControl* edit = MakeEdit("");
  edit->SetFocus();
  EXPECT_EQ(host_->Count(edit, EN_SETFOCUS), 1);
  backend_->TypeText("a");
  backend_->TypeText("b");
  backend_->PressKey(VK_LEFT);
  backend_->PressKey(VK_HOME);
  backend_->PressKey(VK_BACK);  // nothing before the caret: no change
  Pump();
  EXPECT_EQ(host_->Count(edit, EN_CHANGE), 2);
  const char* text = "set";
  edit->SendMessage(WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(text));
  EXPECT_EQ(host_->Count(edit, EN_CHANGE), 3);
  EXPECT_EQ(edit->Text(), "set");
  EXPECT_EQ(edit->Caret(), 0u);
  host_->SetFocus();
  EXPECT_EQ(host_->Count(edit, EN_KILLFOCUS), 1);
}

TEST_F(EditView, SetTextForgetsUndoAndGetTextReadsTyping) {
  EditControl* edit = MakeEdit("");
  edit->SetFocus();
  backend_->TypeText("ab" U_ZH);
  Pump();
  char buffer[16] = {};
  EXPECT_EQ(edit->SendMessage(WM_GETTEXT, sizeof buffer, reinterpret_cast<std::intptr_t>(buffer)), 4);
  EXPECT_EQ(std::string(buffer), "ab" ZH);
  edit->SetText("x");
  EXPECT_FALSE(edit->Undo());
  EXPECT_EQ(edit->Text(), "x");
}

TEST_F(EditView, GetSelAnswersBothEnds) {
  EditControl* edit = MakeEdit("abcdef");
  edit->SendMessage(EM_SETSEL, 4, 1);
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  const std::intptr_t packed = edit->SendMessage(EM_GETSEL, reinterpret_cast<std::uintptr_t>(&start),
                                                 reinterpret_cast<std::intptr_t>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 4u);
  EXPECT_EQ(packed, 1 | (4 << 16));
}

TEST_F(EditView, ScrollCaretBringsSelectionEndIntoView) {
  EditControl* edit = MakeEdit("abcdefghijklmnopqrstuvwxyz", 60);
  edit->SendMessage(EM_SETSEL, 26, 26);
  EXPECT_EQ(edit->ScrollX(), 0);  // setting the selection does not scroll
  edit->SendMessage(EM_SCROLLCARET);
  EXPECT_GT(edit->ScrollX(), 0);
  EXPECT_TRUE(CaretInView(edit));
}

TEST_F(EditView, DialogCodeAsksForCharsArrowsAndSelection) {
  struct Case {
    std::uint32_t style;
    int vk;
    unsigned want;
  };
  const unsigned base = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  const Case cases[] = {
      {0, VK_RETURN, base},
      {0, VK_ESCAPE, base},
      {ES_MULTILINE, VK_RETURN, base},
      {ES_MULTILINE | ES_WANTRETURN, VK_RETURN, base | DLGC_WANTALLKEYS},
      {ES_MULTILINE | ES_WANTRETURN | ES_READONLY, VK_RETURN, base},
      {ES_MULTILINE | ES_WANTRETURN, VK_ESCAPE, base},
  };
  for (const Case& c : cases) {
    EditControl* edit = MakeEdit("", 100, c.style);
    const KeyEvent key{.vk = c.vk};
    EXPECT_EQ(edit->GetDialogCode(&key), c.want) << "style " << c.style << " key " << c.vk;
    edit->Destroy();
  }
}

TEST_F(EditView, MultiLineScrollsDownToTheCaretLine) {
  EditControl* edit = Make<EditControl>(ES_MULTILINE, Rect::FromSize(10, 10, 100, 40), "");
  edit->SetFocus();
  for (int i = 0; i < 8; ++i) {
    backend_->TypeText("line");
    backend_->PressKey(VK_RETURN);
  }
  Pump();
  EXPECT_GT(edit->FirstVisibleLine(), 0);
  const Rect caret = edit->CaretRect();
  EXPECT_GE(caret.top, 0);
  EXPECT_LE(caret.bottom, 40);
  backend_->PressKey(VK_HOME, {.ctrl = true});
  Pump();
  EXPECT_EQ(edit->FirstVisibleLine(), 0);
}

}  // namespace
}  // namespace controls_test
