#pragma once
// The automatic radio button (BS_AUTORADIOBUTTON): a click checks it and unchecks every other
// radio button of its group that is shown and enabled at that moment. Hidden or disabled ones keep
// their state; a click on a checked one leaves it checked.
#include <vector>

#include "desktop/controls/checkable_button.h"

namespace desktop {

class RadioButton : public CheckableButton {
 public:
  unsigned GetDialogCode(const KeyEvent* key) const override;

 protected:
  void ApplyClick() override;
  void DrawMark(Canvas& canvas, Point at, bool checked, bool pushed, bool enabled, bool flat) override;
};

// The group of `control` among its siblings, in creation order (the bottom of the stacking order
// first): from the nearest sibling at or before it that has WS_GROUP up to the next one that has it. Without WS_GROUP anywhere, every
// sibling. The control itself is included; a window without a parent is a group of its own.
std::vector<Window*> ControlGroupOf(Window& control);

}  // namespace desktop
