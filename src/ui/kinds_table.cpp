// The control kinds the main window is built from. Each pair unit adds its kinds here.
#include <algorithm>
#include <array>

#include "ui/button.h"
#include "ui/check_radio_kinds.h"
#include "ui/edit_box.h"
#include "ui/hyperlinker.h"
#include "ui/kinds.h"
#include "ui/label.h"
#include "ui/picture_box.h"
#include "ui/tab_control.h"

namespace ui {

namespace {
// Filled in by the kind units (extern KindOps they define).
const KindOps* const kKinds[] = {
    nullptr,
    &kPageControlKind,
    &kPicBoxKind,
    &kLabelKind,
    &kEditBoxKind,
    &kButtonKind,
    &kHyperLinkerKind,
    &kCheckBoxKind,
    &kRadioBoxKind,
};
}  // namespace

const KindOps* FindKind(std::uint32_t type) {
  for (const KindOps* k : kKinds)
    if (k != nullptr && k->type == type) return k;
  return nullptr;
}

}  // namespace ui
