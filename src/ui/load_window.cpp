#include "ui/load_window.h"

#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/control_events.h"
#include "app/fatal_error.h"
#include "desktop/pictures/picture.h"
#include "desktop/window/window_system.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"
#include "ui/description/window_description.h"
#include "ui/kinds.h"
#include "ui/loaded_descriptions.h"
#include "ui/loaded_windows.h"
#include "ui/main_window.h"

namespace ui {

using namespace desktop;
using description::CommonPart;
using description::WindowData;

namespace {

bool On(std::uint32_t value) { return value == 1; }

bool IsResizable(std::uint32_t border_style) { return border_style == 1 || border_style == 3 || border_style == 5; }

Size ScreenSize() {
  WindowSystem& ws = WindowSystem::Get();
  return ws.HasBackend() ? ws.GetBackend().ScreenSize() : Size{1024, 768};
}

// The window icon from the icon data; a window whose icon cannot be read keeps the default one.
void SetWindowIcon(Window& window, const description::Bytes& icon_data) {
  if (icon_data.empty() || !WindowSystem::Get().HasBackend()) return;
  const Picture icon = DecodePicture(icon_data, 32);
  if (!icon.IsValid()) return;
  WindowSystem::Get().GetBackend().SetIcon(&window, icon.image);
}

std::uint32_t CommonStyles(const CommonPart& common) {
  std::uint32_t style = 0;
  if ((common.flags & description::kFlagDisabled) != 0) style |= WS_DISABLED;
  if ((common.flags & description::kFlagTabStop) != 0) style |= WS_TABSTOP;
  return style;
}

// Every control by its kind, from the last record back to record 1, as a hidden child of the
// window.
bool CreateControls(MainWindow& window) {
  const auto& controls = window.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    Control& control = **it;
    const CommonPart& common = control.record->common;
    const KindOps* kind = FindKind(common.type);
    if (kind == nullptr || kind->create == nullptr) return false;
    CreateParams params;
    params.control = &control;
    params.parent = &window;
    params.rect = Rect::FromSize(common.left, common.top, common.width, common.height);
    params.common_styles = CommonStyles(common);
    params.id = ControlIdentifier(control.creation_rank);
    params.kind_data = control.record->kind_data;
    control.window = kind->create(params);
    if (control.window == nullptr) return false;
  }
  return true;
}

// The parent of a control is the control its record names; 0 (or the window's own record) is the
// window. The place keeps its numbers, now relative to the new parent.
Window* ParentWindowOf(MainWindow& window, const CommonPart& common, bool& ok) {
  ok = true;
  if (common.parent == 0 || common.parent == window.WindowRecord().identity) return &window;
  Control* parent = window.FindControl(common.parent);
  if (parent == nullptr || parent->window == nullptr) {
    ok = false;
    return nullptr;
  }
  return parent->window;
}

bool ReparentControls(MainWindow& window) {
  for (const auto& control : window.Controls()) {
    bool ok = false;
    Window* parent = ParentWindowOf(window, control->record->common, ok);
    if (!ok || parent == control->window || parent->IsDescendantOf(control->window)) return false;
    if (parent != control->window->Parent()) control->window->SetParent(parent);
  }
  return true;
}

// From record 1 upward: the first control of each parent goes on top of its siblings, each later
// one directly below the previous control with the same parent.
void StackControls(MainWindow& window) {
  std::map<Window*, Window*> last_of_parent;
  for (const auto& control : window.Controls()) {
    Window* w = control->window;
    auto it = last_of_parent.find(w->Parent());
    if (it == last_of_parent.end()) {
      w->BringToTop();
      last_of_parent[w->Parent()] = w;
    } else {
      w->PlaceBelow(it->second);
      it->second = w;
    }
  }
}

// The children after the first page separator of every container start hidden; every other
// control with its visible flag is shown without activation.
void ShowFirstPages(MainWindow& window) {
  std::set<std::uint32_t> hidden;
  for (const auto& control : window.Controls()) {
    bool after_separator = false;
    for (std::uint32_t child : control->record->common.children) {
      if (child == 0) after_separator = true;
      else if (after_separator) hidden.insert(child);
    }
  }
  for (const auto& control : window.Controls()) {
    const bool visible = (control->record->common.flags & description::kFlagVisible) != 0;
    if (visible && !hidden.contains(control->Identity())) control->window->ShowWindow(SW_SHOWNA);
  }
}

}  // namespace

TopLevelStyles WindowStylesOf(const WindowData& data, bool has_title) {
  TopLevelStyles s;
  s.style = WS_CLIPCHILDREN;
  const std::uint32_t border = data.border_style;
  if (border == 0 || border > 6) {
    s.style |= WS_POPUP;
  } else {
    s.style |= IsResizable(border) ? WS_THICKFRAME : WS_DLGFRAME;
    if (border == 3 || border == 4) s.ex_style |= WS_EX_TOOLWINDOW;
    if (border == 5 || border == 6) s.ex_style |= WS_EX_CLIENTEDGE;
    if (has_title || On(data.control_button)) {
      s.style |= WS_CAPTION;
      if (On(data.control_button)) s.style |= WS_SYSMENU;
      if (On(data.minimize_button)) s.style |= WS_MINIMIZEBOX;
      if (On(data.maximize_button)) s.style |= WS_MAXIMIZEBOX;
    }
  }
  if (data.version >= 2 && On(data.shown_in_taskbar)) s.ex_style |= WS_EX_APPWINDOW;
  if (data.version >= 4 && On(data.always_on_top)) s.ex_style |= WS_EX_TOPMOST;
  if (data.start_position == 2) s.style |= WS_MINIMIZE;
  if (data.start_position == 3 && IsResizable(border)) s.style |= WS_MAXIMIZE;
  return s;
}

Rect StartPlace(const WindowData& data, const CommonPart& common, Size screen) {
  int left = common.left;
  int top = common.top;
  if (data.start_position == 1) {
    // Halved toward zero, as integer division does.
    left = (screen.width - common.width) / 2;
    top = (screen.height - common.height) / 2;
  }
  return Rect::FromSize(left, top, common.width, common.height);
}

MainWindow* BuildWindow(std::uint32_t window_identity) {
  const description::WindowEntry* entry = FindWindowDescription(window_identity);
  if (entry == nullptr || entry->records.empty()) return nullptr;
  const description::Record& record = entry->records.front();
  if (record.common.type != static_cast<std::uint32_t>(description::RecordType::kWindow)) return nullptr;
  std::optional<WindowData> data = description::ParseWindowData(record.kind_data);
  if (!data) return nullptr;

  const TopLevelStyles styles = WindowStylesOf(*data, !data->title.empty());
  const Rect place = StartPlace(*data, record.common, ScreenSize());
  std::string title = data->title;
  const description::Bytes icon = data->icon;
  MainWindow* window = Window::CreateAs(std::make_unique<MainWindow>(window_identity, *entry, std::move(*data)),
                                        nullptr, place, styles.style, styles.ex_style, std::move(title), 0);
  if (window == nullptr) return nullptr;
  if (window->WindowRect().GetSize() != place.GetSize()) window->Move(place);
  SetWindowIcon(*window, icon);

  if (!CreateControls(*window) || !ReparentControls(*window)) {
    window->Destroy();
    return nullptr;
  }
  StackControls(*window);
  ShowFirstPages(*window);
  RegisterLoadedWindow(window);
  window->ShowWindow(SW_SHOW);
  WindowSystem::Get().Activate(window);
  window->FocusFirstCandidate();
  return window;
}

void LoadWindow(std::uint32_t window_identity) {
  MainWindow* window = BuildWindow(window_identity);
  if (window == nullptr) {
    const std::string message(description::DescriptionErrorMessage(description::DescriptionError::kWindowNotBuilt));
    app::FatalError(message.c_str(), 0);
  }
  app::DispatchControlEvent(window_identity, window->WindowRecord().identity, 0);
}

}  // namespace ui
