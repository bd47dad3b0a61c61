// The edit control's right-button menu: which items are enabled, and the menu run modally as a
// pop-up window, chosen from with the keyboard and the mouse or dismissed.
#include <functional>

#include "desktop/controls/edit_control.h"
#include "desktop/controls/popup_menu.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

#define ZH "\xD6\xD0"

struct MenuStateCase {
  const char* name;
  std::uint32_t style;
  std::string text;
  long anchor;
  long caret;
  bool typed_before;  // something was typed, so there is a step to undo
  std::string clipboard;
  // Undo, Cut, Copy, Paste, Delete, Select All
  std::vector<bool> want;
};

void PrintTo(const MenuStateCase& c, std::ostream* os) { *os << c.name; }

class EditMenuStates : public ControlsTest, public testing::WithParamInterface<MenuStateCase> {};

TEST_P(EditMenuStates, EnabledAsUsual) {
  const MenuStateCase& c = GetParam();
  EditControl* edit = Make<EditControl>(c.style, Rect::FromSize(10, 10, 200, 20), c.text);
  edit->SetFocus();
  if (c.typed_before) {
    backend_->TypeText("x");
    Pump();
  }
  edit->SetSelection(c.anchor, c.caret);
  backend_->SetClipboardText(c.clipboard);
  const std::vector<MenuItem> items = edit->ContextMenuItems();
  std::vector<bool> enabled;
  for (const MenuItem& item : items)
    if (!item.IsSeparator()) enabled.push_back(item.enabled);
  EXPECT_EQ(enabled, c.want);
}

const MenuStateCase kMenuStateCases[] = {
    {"EmptyBox", 0, "", 0, 0, false, "", {false, false, false, false, false, false}},
    {"TextWithoutSelection", 0, "abc", 1, 1, false, "", {false, false, false, false, false, true}},
    {"Selection", 0, "abc", 0, 2, false, "", {false, true, true, false, true, true}},
    {"AllSelected", 0, "abc", 0, 3, false, "", {false, true, true, false, true, false}},
    {"ClipboardHasText", 0, "abc", 1, 1, false, "x", {false, false, false, true, false, true}},
    {"AfterTyping", 0, "abc", 1, 1, true, "", {true, false, false, false, false, true}},
    {"ReadOnly", ES_READONLY, "abc", 0, 2, false, "x", {false, false, true, false, false, true}},
    {"Password", ES_PASSWORD, "abc", 0, 2, false, "x", {false, false, false, true, true, true}},
};

INSTANTIATE_TEST_SUITE_P(Table, EditMenuStates, testing::ValuesIn(kMenuStateCases),
                         [](const testing::TestParamInfo<MenuStateCase>& info) { return std::string(info.param.name); });

TEST_F(EditMenuStates, ItemTextsAndOrder) {
  EditControl* edit = Make<EditControl>(0, Rect::FromSize(10, 10, 200, 20), "");
  const std::vector<MenuItem> items = edit->ContextMenuItems();
  const std::vector<std::string> want = {"\xB3\xB7\xCF\xFB(&U)", "", "\xBC\xF4\xC7\xD0(&T)", "\xB8\xB4\xD6\xC6(&C)",
                                         "\xD5\xB3\xCC\xF9(&P)", "\xC9\xBE\xB3\xFD(&D)", "",
                                         "\xC8\xAB\xD1\xA1(&A)"};
  ASSERT_EQ(items.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(items[i].text_gbk, want[i]) << i;
}

// Runs steps one by one whenever the modal loop waits for input, each seeing the open menu.
class EditMenuRun : public ControlsTest {
 protected:
  using MenuStep = std::function<void(PopupMenu*)>;
  void SetUp() override {
    ControlsTest::SetUp();
    edit_ = Make<EditControl>(0, Rect::FromSize(10, 10, 200, 20), "abc" ZH);
    edit_->SetFocus();
  }
  static PopupMenu* OpenMenu() {
    for (Window* top : WindowSystem::Get().TopLevels())
      if (auto* menu = dynamic_cast<PopupMenu*>(top)) return menu;
    return nullptr;
  }
  void RunMenu(std::vector<MenuStep> steps) {
    size_t next = 0;
    backend_->SetFeeder([this, steps, next]() mutable {
      if (next >= steps.size()) return false;
      steps[next++](OpenMenu());
      return true;
    });
    backend_->Click(edit_, {5, 5}, MouseButton::Right);
    Pump();
    backend_->SetFeeder(nullptr);
  }
  // A press and release on item `index` of the open menu.
  void ClickItem(PopupMenu* menu, int index) {
    const Rect r = menu->ItemRect(index);
    const Point at = menu->ClientToScreen({r.left + r.Width() / 2, r.top + r.Height() / 2});
    backend_->MouseDownScreen(at);
    backend_->MouseUpScreen(at);
  }

  EditControl* edit_ = nullptr;
};

TEST_F(EditMenuRun, MnemonicChoosesSelectAll) {
  bool seen = false;
  RunMenu({[&](PopupMenu* menu) {
    seen = menu != nullptr && menu->IsShown();
    backend_->PressKey('A');
  }});
  EXPECT_TRUE(seen);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(edit_->SelStart(), 0u);
  EXPECT_EQ(edit_->SelEnd(), 5u);
  EXPECT_TRUE(edit_->HasFocus());
}

TEST_F(EditMenuRun, EscDismissesWithoutChange) {
  edit_->SetSelection(1, 2);
  RunMenu({[&](PopupMenu*) { backend_->PressKey(VK_ESCAPE); }});
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(edit_->Text(), "abc" ZH);
  EXPECT_EQ(edit_->SelStart(), 1u);
  EXPECT_EQ(edit_->SelEnd(), 2u);
  EXPECT_TRUE(edit_->HasFocus());
}

TEST_F(EditMenuRun, MouseChoosesCopy) {
  edit_->SetSelection(3, 5);
  backend_->SetClipboardText("old");
  RunMenu({[&](PopupMenu* menu) { ClickItem(menu, 3); }});
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(backend_->ClipboardText(), "\xE4\xB8\xAD");
  EXPECT_EQ(edit_->Text(), "abc" ZH);
}

TEST_F(EditMenuRun, DisabledItemCannotBeChosen) {
  // Nothing to undo: a click on Undo leaves the menu open; Delete then deletes the selection.
  edit_->SetSelection(0, 1);
  bool still_open = false;
  RunMenu({[&](PopupMenu* menu) { ClickItem(menu, 0); },
           [&](PopupMenu* menu) {
             still_open = menu != nullptr;
             if (menu) ClickItem(menu, 5);
           }});
  EXPECT_TRUE(still_open);
  EXPECT_EQ(edit_->Text(), "bc" ZH);
}

TEST_F(EditMenuRun, KeyboardStepsSkipSeparators) {
  edit_->SetSelection(0, 3);
  int highlighted_after_two_ups = -2;
  RunMenu({[&](PopupMenu* menu) {
             backend_->PressKey(VK_UP);  // from nothing to the last item, Select All
             backend_->PressKey(VK_UP);  // over the separator to Delete
             (void)menu;
           },
           [&](PopupMenu* menu) {
             highlighted_after_two_ups = menu ? menu->Highlighted() : -1;
             backend_->PressKey(VK_RETURN);
           }});
  EXPECT_EQ(highlighted_after_two_ups, 5);
  EXPECT_EQ(edit_->Text(), ZH);
}

TEST_F(EditMenuRun, PressOutsideDismisses) {
  RunMenu({[&](PopupMenu* menu) {
    const Point outside = menu->ClientToScreen({-50, -50});
    backend_->MouseDownScreen(outside);
    backend_->MouseUpScreen(outside);
  }});
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(edit_->Text(), "abc" ZH);
}

TEST_F(EditMenuRun, QuittingProgramTakesTheMenuAway) {
  RunMenu({[&](PopupMenu*) { WindowSystem::Get().PostQuit(0); }});
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(EditMenuRun, MenuOpensAtThePointer) {
  Point menu_at{};
  RunMenu({[&](PopupMenu* menu) {
    menu_at = menu->WindowRect().TopLeft();
    backend_->PressKey(VK_ESCAPE);
  }});
  EXPECT_EQ(menu_at, edit_->ClientToScreen({5, 5}));
}

}  // namespace
}  // namespace controls_test
