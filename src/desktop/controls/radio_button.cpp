#include "desktop/controls/radio_button.h"

#include <algorithm>

#include "desktop/controls/button_painting.h"

namespace desktop {

unsigned RadioButton::GetDialogCode(const KeyEvent* key) const {
  return ButtonBase::GetDialogCode(key) | DLGC_RADIOBUTTON;
}

void RadioButton::ApplyClick() {
  SetCheckState(BST_CHECKED);
  for (Window* other : ControlGroupOf(*this)) {
    if (other == this || !other->IsVisibleFlag() || !other->IsEnabled()) continue;
    if (other->GetDialogCode(nullptr) & DLGC_RADIOBUTTON) other->SendMessage(BM_SETCHECK, BST_UNCHECKED);
  }
}

void RadioButton::DrawMark(Canvas& canvas, Point at, bool checked, bool pushed, bool enabled, bool flat) {
  DrawRadioMark(canvas, at, {.checked = checked, .pushed = pushed, .enabled = enabled, .flat = flat});
}

std::vector<Window*> ControlGroupOf(Window& control) {
  Window* parent = control.Parent();
  if (!parent) return {&control};
  // Siblings in creation order: the window system keeps the newest on top, first in its list.
  const std::vector<Window*> siblings(parent->Children().rbegin(), parent->Children().rend());
  const auto self = std::find(siblings.begin(), siblings.end(), &control);
  if (self == siblings.end()) return {&control};
  auto starts_group = [](const Window* w) { return (w->Style() & WS_GROUP) != 0; };
  auto first = self;
  while (first != siblings.begin() && !starts_group(*first)) --first;
  const auto last = std::find_if(self + 1, siblings.end(), starts_group);
  return {first, last};
}

}  // namespace desktop
