#include "ui/main_window.h"

#include <algorithm>
#include <cctype>
#include <tuple>

#include "desktop/text/gbk.h"
#include "desktop/window/window_system.h"
#include "ui/description/stored_form.h"
#include "ui/loaded_windows.h"
#include "ui/radio_keys.h"

namespace ui {

using namespace desktop;
using description::RecordType;

namespace {

bool IsRecordType(const Control& control, RecordType type) { return control.Type() == static_cast<std::uint32_t>(type); }

// Tab order: the tab-order key first, then the order of creation.
std::tuple<std::int32_t, int> TabOrderOf(const Control& control) {
  return {control.record->common.tab_order_key, control.creation_rank};
}

// Whether a caption marks `character` as its mnemonic: "&x" (case does not matter); "&&" is a
// plain "&". Double-byte characters are stepped over whole.
bool CaptionHasMnemonic(const std::string& caption, char character) {
  const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(caption[i]);
    if (IsGbkLeadByte(c)) {
      ++i;
      continue;
    }
    if (c != '&' || i + 1 >= caption.size()) continue;
    const unsigned char next = static_cast<unsigned char>(caption[i + 1]);
    if (next == '&') {
      ++i;
      continue;
    }
    if (!IsGbkLeadByte(next) && std::toupper(next) == wanted) return true;
  }
  return false;
}

}  // namespace

MainWindow::MainWindow(std::uint32_t identity, const description::WindowEntry& entry,
                       description::WindowData data)
    : identity_(identity), entry_(&entry), data_(std::move(data)) {
  const int count = static_cast<int>(entry.records.size());
  for (int i = 1; i < count; ++i) {
    auto control = std::make_unique<Control>();
    control->window_identity = identity;
    control->record = &entry.records[i];
    // Creation runs from the last record back to record 1.
    control->creation_rank = count - i;
    controls_.push_back(std::move(control));
  }
}

MainWindow::~MainWindow() { UnregisterLoadedWindow(this); }

Control* MainWindow::FindControl(std::uint32_t record_identity) const {
  for (const auto& control : controls_)
    if (control->Identity() == record_identity) return control.get();
  return nullptr;
}

Control* MainWindow::FindControlByName(std::string_view name_gbk) const {
  for (const auto& control : controls_)
    if (control->record->common.name == name_gbk) return control.get();
  return nullptr;
}

Control* MainWindow::FindControlByWindow(const Window* window) const {
  for (const auto& control : controls_)
    if (window != nullptr && control->window == window) return control.get();
  return nullptr;
}

Control* MainWindow::FocusedControl() const {
  // The focus may sit in a window inside a control; the control is the nearest one above it.
  for (Window* w = WindowSystem::Get().Focus(); w != nullptr && w != this; w = w->Parent()) {
    if (Control* control = FindControlByWindow(w)) return control;
  }
  return nullptr;
}

std::vector<Control*> MainWindow::TabCandidates() const {
  std::vector<Control*> candidates;
  for (const auto& control : controls_) {
    const Window* w = control->window;
    if (w == nullptr || !w->IsAlive() || !w->IsShown() || !w->IsEnabledInTree()) continue;
    if ((control->record->common.flags & description::kFlagTabStop) == 0) continue;
    const KindOps* kind = FindKind(control->Type());
    if (kind == nullptr || !kind->can_take_focus) continue;
    candidates.push_back(control.get());
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Control* a, const Control* b) { return TabOrderOf(*a) < TabOrderOf(*b); });
  return candidates;
}

bool MainWindow::FocusFirstCandidate() {
  const std::vector<Control*> candidates = TabCandidates();
  if (candidates.empty()) return false;
  candidates.front()->window->SetFocus();
  return true;
}

void MainWindow::MoveFocus(bool backwards) {
  const std::vector<Control*> candidates = TabCandidates();
  if (candidates.empty()) return;
  Control* focused = FocusedControl();
  Control* next = nullptr;
  if (focused == nullptr) {
    next = backwards ? candidates.back() : candidates.front();
  } else if (!backwards) {
    // The first candidate after the focused control in Tab order, else the first of all. This
    // also finds the way on from a control that is not a candidate itself.
    auto it = std::find_if(candidates.begin(), candidates.end(),
                           [&](const Control* c) { return TabOrderOf(*c) > TabOrderOf(*focused); });
    next = it != candidates.end() ? *it : candidates.front();
  } else {
    auto it = std::find_if(candidates.rbegin(), candidates.rend(),
                           [&](const Control* c) { return TabOrderOf(*c) < TabOrderOf(*focused); });
    next = it != candidates.rend() ? *it : candidates.back();
  }
  next->window->SetFocus();
}

bool MainWindow::PreTranslateKey(const KeyEvent& key, Window* target) {
  if (target != nullptr && target != this && !target->IsDescendantOf(this)) return false;

  const Modifiers& mods = key.mods;
  Control* focused = FocusedControl();
  auto wants = [&](unsigned code) {
    return focused != nullptr && (focused->window->GetDialogCode(&key) & code) != 0;
  };

  switch (key.vk) {
    case VK_TAB:
      if (mods.ctrl || mods.alt) return false;
      MoveFocus(mods.shift);
      return true;
    case VK_RETURN:
      if (mods.alt) return false;
      return HandleEnter(key, focused);
    case VK_ESCAPE:
      if (mods.alt || data_.esc_closes != 1 || wants(DLGC_WANTALLKEYS)) return false;
      // As the close button does. The window is gone afterwards: touch nothing of it.
      OnClose();
      return true;
    case VK_F1:
      // Help is off unless the window asks for it, and this system has no help to show.
      return false;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return HandleRadioArrowKey(WindowSystem::Get().Focus(), key);
    default:
      break;
  }
  const bool letter = key.vk >= 'A' && key.vk <= 'Z';
  const bool digit = key.vk >= '0' && key.vk <= '9';
  if (mods.alt && !mods.ctrl && (letter || digit)) {
    HandleMnemonic(static_cast<char>(key.vk));
    return true;
  }
  return false;
}

bool MainWindow::HandleEnter(const KeyEvent& key, Control* focused) {
  if (focused != nullptr) {
    const unsigned code = focused->window->GetDialogCode(&key);
    if ((code & DLGC_WANTALLKEYS) != 0) return false;
    if ((code & DLGC_DEFPUSHBUTTON) != 0 && focused->window->IsEnabledInTree()) {
      focused->window->SendMessage(BM_CLICK);
      return true;
    }
  }
  if (data_.enter_moves_focus != 1) return false;
  MoveFocus(false);
  return true;
}

bool MainWindow::HandleMnemonic(char character) {
  for (const auto& control : controls_) {
    Window* w = control->window;
    if (w == nullptr || !w->IsShown() || !w->IsEnabledInTree()) continue;
    const bool button = IsRecordType(*control, RecordType::kButton);
    const bool choice = IsRecordType(*control, RecordType::kCheckBox) || IsRecordType(*control, RecordType::kRadioBox);
    const bool label = IsRecordType(*control, RecordType::kLabel);
    if (!(button || choice || label) || !CaptionHasMnemonic(w->Text(), character)) continue;
    if (label) {
      // A label hands its mnemonic on to the control after it in Tab order.
      const std::vector<Control*> candidates = TabCandidates();
      auto it = std::find_if(candidates.begin(), candidates.end(),
                             [&](const Control* c) { return TabOrderOf(*c) > TabOrderOf(*control); });
      if (it != candidates.end()) (*it)->window->SetFocus();
      else if (!candidates.empty()) candidates.front()->window->SetFocus();
      return true;
    }
    if (choice) w->SetFocus();
    w->SendMessage(BM_CLICK);
    return true;
  }
  return false;
}

void MainWindow::OnActivate(bool active) {
  if (!active) {
    Control* focused = FocusedControl();
    remembered_focus = focused != nullptr ? focused->window : nullptr;
    return;
  }
  if (remembered_focus != nullptr && FindControlByWindow(remembered_focus) != nullptr && remembered_focus->IsAlive()) {
    remembered_focus->SetFocus();
    return;
  }
  FocusFirstCandidate();
}

void MainWindow::OnDestroy() {
  remembered_focus = nullptr;
  // The controls' windows go with this one; nobody may reach them through the controls any more.
  for (auto& control : controls_) control->window = nullptr;
  UnregisterLoadedWindow(this);
}

}  // namespace ui
