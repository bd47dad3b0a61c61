// The control kinds the main window is built from. Each pair unit adds its kinds here.
#include <algorithm>
#include <array>

#include "ui/kinds.h"
#include "ui/picture_box.h"
#include "ui/tab_control.h"

namespace ui {

namespace {
// Filled in by the kind units (extern KindOps they define).
const KindOps* const kKinds[] = {
    nullptr,
    &kPageControlKind,
    &kPicBoxKind,
};
}  // namespace

const KindOps* FindKind(std::uint32_t type) {
  for (const KindOps* k : kKinds)
    if (k != nullptr && k->type == type) return k;
  return nullptr;
}

}  // namespace ui
