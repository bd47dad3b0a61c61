// Automatic check boxes and radio buttons: toggling, the check messages, and the radio rule (a
// click unchecks the other radio buttons of the group that are shown and enabled, and only those).
#include "desktop/controls/check_box.h"
#include "desktop/controls/radio_button.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

class CheckBoxTest : public ControlsTest {
 protected:
  CheckBox* box_ = nullptr;
  void SetUp() override {
    ControlsTest::SetUp();
    box_ = Make<CheckBox>(std::uint32_t{BS_AUTOCHECKBOX} | WS_TABSTOP, Rect::FromSize(10, 10, 120, 20), "box");
  }
};

TEST_F(CheckBoxTest, ClickToggles) {
  const int want[] = {BST_CHECKED, BST_UNCHECKED, BST_CHECKED};
  for (int i = 0; i < 3; ++i) {
    backend_->Click(box_, {5, 10});
    Pump();
    EXPECT_EQ(box_->SendMessage(BM_GETCHECK), want[i]) << "after click " << i + 1;
    // Advance past the double-click time so each click stands alone.
    backend_->AdvanceClock(1000);
  }
  EXPECT_EQ(host_->Count(box_, BN_CLICKED), 3);
}

TEST_F(CheckBoxTest, QuickSecondClickTogglesBack) {
  backend_->Click(box_, {5, 10});
  backend_->Click(box_, {5, 10});
  Pump();
  EXPECT_EQ(box_->CheckState(), BST_UNCHECKED);
}

TEST_F(CheckBoxTest, SpaceToggles) {
  box_->SetFocus();
  backend_->PressKey(VK_SPACE);
  Pump();
  EXPECT_EQ(box_->CheckState(), BST_CHECKED);
}

TEST_F(CheckBoxTest, ReleaseOutsideLeavesState) {
  backend_->MouseDown(box_, {5, 10});
  backend_->MouseUp(box_, {300, 10});
  Pump();
  EXPECT_EQ(box_->CheckState(), BST_UNCHECKED);
  EXPECT_EQ(host_->Count(box_, BN_CLICKED), 0);
}

TEST_F(CheckBoxTest, ArrowKeysChangeNothing) {
  box_->SetFocus();
  for (int vk : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) backend_->PressKey(vk);
  Pump();
  EXPECT_EQ(box_->CheckState(), BST_UNCHECKED);
}

TEST_F(CheckBoxTest, SetCheckKeepsTwoStates) {
  box_->SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(box_->SendMessage(BM_GETCHECK), BST_CHECKED);
  box_->SendMessage(BM_SETCHECK, BST_INDETERMINATE);
  EXPECT_EQ(box_->SendMessage(BM_GETCHECK), BST_CHECKED);
  box_->SendMessage(BM_SETCHECK, BST_UNCHECKED);
  EXPECT_EQ(box_->SendMessage(BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(host_->Count(box_, BN_CLICKED), 0);  // setting is not clicking
}

TEST_F(CheckBoxTest, DisabledIgnoresClickAndSpace) {
  box_->SetFocus();
  box_->Enable(false);
  backend_->Click(box_, {5, 10});
  backend_->PressKey(VK_SPACE);
  Pump();
  EXPECT_EQ(box_->CheckState(), BST_UNCHECKED);
}

// ----- the radio rule -----

struct Radio {
  bool checked = false;
  bool shown = true;
  bool enabled = true;
  bool starts_group = false;
};

struct RadioCase {
  const char* name;
  std::vector<Radio> radios;  // in creation order
  int clicked;
  std::vector<int> want;  // checked states after the click
  bool check_box_between = false;  // a checked check box created after the first radio
};

void PrintTo(const RadioCase& c, std::ostream* os) { *os << c.name; }

class RadioRule : public ControlsTest, public testing::WithParamInterface<RadioCase> {};

TEST_P(RadioRule, ClickUnchecksShownEnabledGroupMembersOnly) {
  const RadioCase& c = GetParam();
  std::vector<RadioButton*> radios;
  CheckBox* box = nullptr;
  for (size_t i = 0; i < c.radios.size(); ++i) {
    const Radio& r = c.radios[i];
    RadioButton* radio = Make<RadioButton>(std::uint32_t{BS_AUTORADIOBUTTON} | (r.starts_group ? std::uint32_t{WS_GROUP} : 0u),
                                           Rect::FromSize(10, 10 + 25 * static_cast<int>(i), 150, 20), "radio");
    radio->SendMessage(BM_SETCHECK, r.checked ? BST_CHECKED : BST_UNCHECKED);
    if (!r.shown) radio->ShowWindow(SW_HIDE);
    if (!r.enabled) radio->Enable(false);
    radios.push_back(radio);
    if (i == 0 && c.check_box_between) {
      box = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(200, 10, 100, 20), "box");
      box->SendMessage(BM_SETCHECK, BST_CHECKED);
    }
  }
  backend_->Click(radios[c.clicked], {5, 10});
  Pump();
  for (size_t i = 0; i < radios.size(); ++i)
    EXPECT_EQ(radios[i]->SendMessage(BM_GETCHECK), c.want[i]) << "radio " << i;
  if (box) {
    EXPECT_EQ(box->CheckState(), BST_CHECKED);
  }
  EXPECT_EQ(host_->Count(radios[c.clicked], BN_CLICKED), 1);
}

const RadioCase kRadioCases[] = {
    {"ClickChecksAndUnchecksOthers", {{true}, {false}, {false}}, 1, {0, 1, 0}},
    {"ClickOnCheckedLeavesItChecked", {{true}, {false}, {false}}, 0, {1, 0, 0}},
    {"HiddenKeepTheirState", {{true}, {false}, {true, false}, {true, false}}, 1, {0, 1, 1, 1}},
    {"DisabledKeepTheirState", {{true}, {false}, {true, true, false}}, 1, {0, 1, 1}},
    {"HiddenPageAndShownPageIndependent",
     {{true}, {false}, {false}, {true, false}, {false, false}, {false, false}}, 2, {0, 0, 1, 1, 0, 0}},
    {"GroupBoundaryStopsTheRule", {{true}, {false}, {true, true, true, true}, {false}}, 1, {0, 1, 1, 0}},
    {"ClickInSecondGroupLeavesFirst", {{true}, {false}, {true, true, true, true}, {false}}, 3, {1, 0, 0, 1}},
    {"CheckBoxAmongSiblingsIsNotTouched", {{true}, {false}}, 1, {0, 1}, true},
};

INSTANTIATE_TEST_SUITE_P(Table, RadioRule, testing::ValuesIn(kRadioCases),
                         [](const testing::TestParamInfo<RadioCase>& info) { return std::string(info.param.name); });

TEST_F(RadioRule, SpaceClicksTheFocusedRadio) {
  RadioButton* a = Make<RadioButton>(BS_AUTORADIOBUTTON, Rect::FromSize(10, 10, 100, 20), "a");
  RadioButton* b = Make<RadioButton>(BS_AUTORADIOBUTTON, Rect::FromSize(10, 40, 100, 20), "b");
  a->SendMessage(BM_SETCHECK, BST_CHECKED);
  b->SetFocus();
  backend_->PressKey(VK_SPACE);
  Pump();
  EXPECT_EQ(a->CheckState(), BST_UNCHECKED);
  EXPECT_EQ(b->CheckState(), BST_CHECKED);
}

TEST_F(RadioRule, ArrowKeysAreNotTheRadiosOwn) {
  RadioButton* a = Make<RadioButton>(BS_AUTORADIOBUTTON, Rect::FromSize(10, 10, 100, 20), "a");
  RadioButton* b = Make<RadioButton>(BS_AUTORADIOBUTTON, Rect::FromSize(10, 40, 100, 20), "b");
  a->SendMessage(BM_SETCHECK, BST_CHECKED);
  a->SetFocus();
  backend_->PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(a->CheckState(), BST_CHECKED);
  EXPECT_EQ(b->CheckState(), BST_UNCHECKED);
  EXPECT_EQ(a->GetDialogCode(nullptr), DLGC_BUTTON | DLGC_RADIOBUTTON);
}

TEST_F(RadioRule, GroupFollowsCreationOrderBetweenGroupStarts) {
  RadioButton* a = Make<RadioButton>(std::uint32_t{BS_AUTORADIOBUTTON} | WS_GROUP, Rect::FromSize(10, 10, 100, 20), "a");
  RadioButton* b = Make<RadioButton>(BS_AUTORADIOBUTTON, Rect::FromSize(10, 40, 100, 20), "b");
  RadioButton* c = Make<RadioButton>(std::uint32_t{BS_AUTORADIOBUTTON} | WS_GROUP, Rect::FromSize(10, 70, 100, 20), "c");
  EXPECT_EQ(ControlGroupOf(*b), (std::vector<Window*>{a, b}));
  EXPECT_EQ(ControlGroupOf(*c), (std::vector<Window*>{c}));
}

}  // namespace
}  // namespace controls_test
