#include "desktop/controls/check_box.h"

#include "desktop/controls/button_painting.h"

namespace desktop {

void CheckBox::ApplyClick() {
  SetCheckState(CheckState() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void CheckBox::DrawMark(Canvas& canvas, Point at, bool checked, bool pushed, bool enabled, bool flat) {
  DrawCheckMark(canvas, at, {.checked = checked, .pushed = pushed, .enabled = enabled, .flat = flat});
}

}  // namespace desktop
