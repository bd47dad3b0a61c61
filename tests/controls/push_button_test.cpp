// Push button behaviour: what counts as a click with the mouse and the space bar, the pushed look
// while held, capture, focus, disabled buttons and BM_CLICK.
#include "desktop/controls/push_button.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

const Rect kButtonRect{20, 20, 100, 50};
constexpr Point kInside{40, 15};
constexpr Point kOutside{120, 15};

enum class Act { Down, Move, Up, SpaceDown, SpaceUp, CtrlSpaceDown, Disable, FocusOther, BmClick };
struct Step {
  Act act;
  Point at{};
};

struct ButtonCase {
  const char* name;
  std::vector<Step> steps;
  int want_clicks;
  bool want_pushed;
};

void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.name; }

class PushButtonBehaviour : public ControlsTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(PushButtonBehaviour, ClicksAndPushedLook) {
  PushButton* button = Make<PushButton>(WS_TABSTOP, kButtonRect, "OK");
  PushButton* other = Make<PushButton>(WS_TABSTOP, Rect::FromSize(200, 20, 80, 30), "Other");
  button->SetFocus();
  for (const Step& step : GetParam().steps) {
    switch (step.act) {
      case Act::Down: backend_->MouseDown(button, step.at); break;
      case Act::Move: backend_->MoveMouse(button, step.at); break;
      case Act::Up: backend_->MouseUp(button, step.at); break;
      case Act::SpaceDown: backend_->KeyDown(VK_SPACE); break;
      case Act::SpaceUp: backend_->KeyUp(VK_SPACE); break;
      case Act::CtrlSpaceDown: backend_->KeyDown(VK_SPACE, {.ctrl = true}); break;
      case Act::Disable: Pump(); button->Enable(false); break;
      case Act::FocusOther: Pump(); other->SetFocus(); break;
      case Act::BmClick: Pump(); button->SendMessage(BM_CLICK); break;
    }
  }
  Pump();
  EXPECT_EQ(host_->Count(button, BN_CLICKED), GetParam().want_clicks);
  EXPECT_EQ(button->IsPushed(), GetParam().want_pushed);
  EXPECT_EQ(button->SendMessage(BM_GETSTATE) & BST_PUSHED, GetParam().want_pushed ? BST_PUSHED : 0);
}

const ButtonCase kButtonCases[] = {
    {"PressAndReleaseInsideClicksOnce", {{Act::Down, kInside}, {Act::Up, kInside}}, 1, false},
    {"ReleaseOutsideCancels", {{Act::Down, kInside}, {Act::Move, kOutside}, {Act::Up, kOutside}}, 0, false},
    {"HeldInsideLooksPushed", {{Act::Down, kInside}}, 0, true},
    {"MovingOutWhileHeldLooksRaised", {{Act::Down, kInside}, {Act::Move, kOutside}}, 0, false},
    {"MovingBackInLooksPushedAgain", {{Act::Down, kInside}, {Act::Move, kOutside}, {Act::Move, kInside}}, 0, true},
    {"OutAndBackThenReleaseClicks",
     {{Act::Down, kInside}, {Act::Move, kOutside}, {Act::Move, kInside}, {Act::Up, kInside}}, 1, false},
    {"TwoQuickClicksAreTwoClicks",
     {{Act::Down, kInside}, {Act::Up, kInside}, {Act::Down, kInside}, {Act::Up, kInside}}, 2, false},
    {"SpaceReleaseClicks", {{Act::SpaceDown}, {Act::SpaceUp}}, 1, false},
    {"SpaceHeldLooksPushed", {{Act::SpaceDown}}, 0, true},
    {"SpaceWithCtrlDoesNothing", {{Act::CtrlSpaceDown}, {Act::SpaceUp}}, 0, false},
    {"FocusLostWhileSpaceHeldCancels", {{Act::SpaceDown}, {Act::FocusOther}, {Act::SpaceUp}}, 0, false},
    {"DisabledIgnoresMouse", {{Act::Disable}, {Act::Down, kInside}, {Act::Up, kInside}}, 0, false},
    {"DisabledIgnoresBmClick", {{Act::Disable}, {Act::BmClick}}, 0, false},
    {"BmClickClicks", {{Act::BmClick}}, 1, false},
};

INSTANTIATE_TEST_SUITE_P(Table, PushButtonBehaviour, testing::ValuesIn(kButtonCases),
                         [](const testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

TEST_F(PushButtonBehaviour, PressTakesFocusAndCapture) {
  PushButton* button = Make<PushButton>(WS_TABSTOP, kButtonRect, "OK");
  backend_->MouseDown(button, kInside);
  Pump();
  EXPECT_TRUE(button->HasFocus());
  EXPECT_TRUE(button->HasCapture());
  backend_->MouseUp(button, kOutside);
  Pump();
  EXPECT_FALSE(button->HasCapture());
}

TEST_F(PushButtonBehaviour, CaptureTakenAwayEndsPressWithoutClick) {
  PushButton* button = Make<PushButton>(WS_TABSTOP, kButtonRect, "OK");
  backend_->MouseDown(button, kInside);
  Pump();
  host_->SetCapture();
  EXPECT_FALSE(button->IsPushed());
  backend_->MouseUp(button, kInside);
  Pump();
  EXPECT_EQ(host_->Count(button, BN_CLICKED), 0);
}

TEST_F(PushButtonBehaviour, DialogCodeTellsDefaultFromNormal) {
  PushButton* normal = Make<PushButton>(BS_PUSHBUTTON, kButtonRect, "A");
  PushButton* def = Make<PushButton>(BS_DEFPUSHBUTTON, Rect::FromSize(200, 20, 80, 30), "B");
  EXPECT_EQ(normal->GetDialogCode(nullptr), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  EXPECT_EQ(def->GetDialogCode(nullptr), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

// A subclass sees the click through OnClicked before anyone else.
class CountingButton : public PushButton {
 public:
  int clicks = 0;
  void OnClicked() override { ++clicks; }
};

TEST_F(PushButtonBehaviour, OnClickedOverrideReplacesNotification) {
  CountingButton* button = Make<CountingButton>(0, kButtonRect, "OK");
  backend_->Click(button, kInside);
  Pump();
  EXPECT_EQ(button->clicks, 1);
  EXPECT_EQ(host_->Count(button, BN_CLICKED), 0);
}

}  // namespace
}  // namespace controls_test
