#pragma once
// The standard push button (BS_PUSHBUTTON, BS_DEFPUSHBUTTON): a raised face with its caption, or
// its picture, placed by the alignment styles; pushed while the left button or the space bar holds
// it; the extra black frame of the default button; the focus rectangle inside.
#include "desktop/controls/button_base.h"

namespace desktop {

class PushButton : public ButtonBase {
 public:
  bool IsDefault() const { return ButtonType() == BS_DEFPUSHBUTTON; }

  unsigned GetDialogCode(const KeyEvent* key) const override;
  void OnPaint(Canvas& canvas, const Region& update) override;
};

}  // namespace desktop
