#pragma once
// The automatic check box (BS_AUTOCHECKBOX): a click toggles it between checked and unchecked.
#include "desktop/controls/checkable_button.h"

namespace desktop {

class CheckBox : public CheckableButton {
 protected:
  void ApplyClick() override;
  void DrawMark(Canvas& canvas, Point at, bool checked, bool pushed, bool enabled, bool flat) override;
};

}  // namespace desktop
