#include "ui/radio_keys.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "app/control_events.h"
#include "ui/check_radio_kinds.h"
#include "ui/description/stored_form.h"
#include "ui/loaded_windows.h"
#include "ui/main_window.h"

namespace ui {

using namespace desktop;

namespace {

constexpr int kClickEvent = 0;

std::tuple<std::int32_t, int> TabOrderOf(const Control& control) {
  return {control.record->common.tab_order_key, control.creation_rank};
}

bool IsRadioButton(const Window* w) { return dynamic_cast<const ChoiceRadioButton*>(w) != nullptr; }

// The radio buttons beside `focused` that the arrow keys step through, in Tab order.
std::vector<Control*> ArrowCandidates(const MainWindow& main, const Window* parent) {
  std::vector<Control*> candidates;
  for (const auto& control : main.Controls()) {
    const Window* w = control->window;
    if (w == nullptr || !w->IsAlive() || w->Parent() != parent || !IsRadioButton(w)) continue;
    if (!w->IsShown() || !w->IsEnabledInTree()) continue;
    if ((control->record->common.flags & description::kFlagTabStop) == 0) continue;
    candidates.push_back(control.get());
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Control* a, const Control* b) { return TabOrderOf(*a) < TabOrderOf(*b); });
  return candidates;
}

// The candidate after (or before) `focused` in Tab order, wrapping around at the ends.
Control* StepFrom(const std::vector<Control*>& candidates, const Control& focused, bool backwards) {
  if (!backwards) {
    auto it = std::find_if(candidates.begin(), candidates.end(),
                           [&](const Control* c) { return TabOrderOf(*c) > TabOrderOf(focused); });
    return it != candidates.end() ? *it : candidates.front();
  }
  auto it = std::find_if(candidates.rbegin(), candidates.rend(),
                         [&](const Control* c) { return TabOrderOf(*c) < TabOrderOf(focused); });
  return it != candidates.rend() ? *it : candidates.back();
}

}  // namespace

bool HandleRadioArrowKey(Window* focused, const KeyEvent& key) {
  bool backwards = false;
  switch (key.vk) {
    case VK_LEFT:
    case VK_UP: backwards = true; break;
    case VK_RIGHT:
    case VK_DOWN: backwards = false; break;
    default: return false;
  }
  if (key.mods.Any() || focused == nullptr || !IsRadioButton(focused)) return false;
  auto* main = dynamic_cast<MainWindow*>(focused->TopLevel());
  if (main == nullptr) return false;
  const Control* self = main->FindControlByWindow(focused);
  if (self == nullptr) return false;

  Window* parent = focused->Parent();
  if (parent == nullptr) return false;
  const std::vector<Control*> candidates = ArrowCandidates(*main, parent);
  if (candidates.empty()) return true;
  Control* target = StepFrom(candidates, *self, backwards);
  if (target->window == focused) return true;

  // Only the radio buttons that are shown lose their check: a hidden page keeps its own choice.
  for (Window* sibling : parent->Children()) {
    if (sibling->IsShown() && (sibling->GetDialogCode(nullptr) & DLGC_RADIOBUTTON) != 0)
      sibling->SendMessage(BM_SETCHECK, BST_UNCHECKED);
  }
  target->window->SendMessage(BM_SETCHECK, BST_CHECKED);

  const std::uint32_t window_identity = main->Identity();
  const std::uint32_t target_identity = target->Identity();
  app::DispatchControlEvent(window_identity, target_identity, kClickEvent);
  // The handler may have changed anything; find the target afresh before giving it the focus.
  if (MainWindow* still = FindLoadedWindow(window_identity)) {
    if (Control* c = still->FindControl(target_identity); c != nullptr && c->window != nullptr && c->window->IsAlive())
      c->window->SetFocus();
  }
  return true;
}

}  // namespace ui
