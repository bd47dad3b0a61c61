#include "driver.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "app/heap.h"
#include "desktop/text/gbk.h"
#include "desktop/window/surface_geometry.h"
#include "desktop/window/window_system.h"
#include "key_names.h"
#include "platform/read_control_property.h"
#include "ui/description/stored_form.h"
#include "ui/loaded_windows.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"

namespace drive {

using namespace desktop;
using ui::description::RecordType;

namespace {

bool ParseInt(std::string_view text, int* value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, *value);
  return ec == std::errc() && ptr == end;
}

bool IsType(const ui::Control& control, RecordType type) { return control.Type() == static_cast<std::uint32_t>(type); }

// The centre of a half-open rectangle.
Point Centre(const Rect& r) { return {r.left + r.Width() / 2, r.top + r.Height() / 2}; }

}  // namespace

void PrintLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void Complain(const std::string& line) {
  std::fprintf(stderr, "shopassist-drive: %s\n", line.c_str());
  std::fflush(stderr);
}

Driver::Driver(HeadlessBackend& backend, std::istream& in, std::string base_directory)
    : backend_(backend), in_(in), base_directory_(std::move(base_directory)) {}

bool Driver::Feed() {
  std::string line;
  while (!end_of_input_) {
    if (!std::getline(in_, line)) {
      end_of_input_ = true;
      // The end of the input closes the window as its close button does.
      if (Window() != nullptr) {
        backend_.CloseWindow(Window());
        return true;
      }
      return false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    Execute(line);
    return true;
  }
  return false;
}

void Driver::Execute(std::string_view line) {
  const std::size_t space = line.find(' ');
  const std::string_view word = line.substr(0, space);
  // Everything after the one space that follows the word, spaces included.
  const std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);

  if (word == "click") Click(rest, true);
  else if (word == "down") Click(rest, false);
  else if (word == "up") backend_.MouseUpAtPointer();
  else if (word == "header") Header(rest);
  else if (word == "move") PointerAt(rest, false);
  else if (word == "clickat") PointerAt(rest, true);
  else if (word == "key") Key(rest);
  else if (word == "type") backend_.TypeText(std::string(rest));
  else if (word == "read") Read(rest);
  else if (word == "focus") Focus();
  else if (word == "page") Page();
  else if (word == "wait") Wait(rest);
  else if (word == "hint") Hint();
  else if (word == "shot") Shot(rest);
  else if (word == "close") Close();
  else Complain("unknown command: " + std::string(line));
}

ui::MainWindow* Driver::Window() const {
  ui::MainWindow* window = ui::FindLoadedWindow(ui::description::kMainWindowIdentity);
  return window != nullptr && window->IsAlive() ? window : nullptr;
}

ui::TabControlWindow* Driver::TabControl() const {
  ui::MainWindow* window = Window();
  if (window == nullptr) return nullptr;
  for (const auto& control : window->Controls()) {
    if (IsType(*control, RecordType::kPageControl))
      if (auto* tab = dynamic_cast<ui::TabControlWindow*>(control->window)) return tab;
  }
  return nullptr;
}

ui::Control* Driver::ControlNamed(std::string_view name_utf8) const {
  ui::MainWindow* window = Window();
  if (window == nullptr) return nullptr;
  ui::Control* control = window->FindControlByName(Utf8ToGbk(name_utf8));
  if (control == nullptr) Complain("no control is named " + std::string(name_utf8));
  return control != nullptr && control->window != nullptr ? control : nullptr;
}

std::string Driver::NameOf(const ui::Control& control) const { return GbkToUtf8(control.record->common.name); }

std::string Driver::PathOf(std::string_view file) const {
  if (file.empty() || file.front() == '/' || base_directory_.empty()) return std::string(file);
  return base_directory_ + "/" + std::string(file);
}

// A press (and release) at the centre of the part of the control that can be seen.
void Driver::Click(std::string_view name, bool release) {
  ui::Control* control = ControlNamed(name);
  if (control == nullptr) return;
  if (!control->window->IsShown()) {
    PrintLine("error " + std::string(name) + " is not shown");
    return;
  }
  const Rect visible = WindowRectOnSurface(*control->window).Intersect(ShowableAreaOnSurface(*control->window));
  if (visible.IsEmpty()) {
    PrintLine("error " + std::string(name) + " is not shown");
    return;
  }
  ui::MainWindow* window = Window();
  const Point at = Centre(visible) - ClientRectOnSurface(*window).TopLeft();
  backend_.MouseDown(window, at);
  if (release) backend_.MouseUp(window, at);
}

// A press and release on tab header N, where no shown control covers it.
void Driver::Header(std::string_view number) {
  int n = 0;
  ui::TabControlWindow* tab = TabControl();
  if (!ParseInt(number, &n) || tab == nullptr || n < 1 || n > static_cast<int>(tab->Layout().headers.size())) {
    Complain("no tab header " + std::string(number));
    return;
  }
  const Rect header = tab->Layout().headers[static_cast<std::size_t>(n - 1)];
  WindowSystem& ws = WindowSystem::Get();
  auto uncovered = [&](Point client) { return ws.WindowFromPoint(tab->ClientToScreen(client)) == tab; };
  Point at = Centre(header);
  bool found = uncovered(at);
  for (int y = header.top; y < header.bottom && !found; ++y) {
    for (int x = header.left; x < header.right && !found; ++x) {
      at = {x, y};
      found = uncovered(at);
    }
  }
  if (!found) {
    Complain("tab header " + std::string(number) + " is covered everywhere");
    return;
  }
  backend_.Click(tab, at);
}

void Driver::PointerAt(std::string_view coordinates, bool click) {
  const std::size_t space = coordinates.find(' ');
  int x = 0;
  int y = 0;
  ui::MainWindow* window = Window();
  if (space == std::string_view::npos || !ParseInt(coordinates.substr(0, space), &x) ||
      !ParseInt(coordinates.substr(space + 1), &y)) {
    Complain("wants X Y: " + std::string(coordinates));
    return;
  }
  if (window == nullptr) return;
  if (click) backend_.Click(window, {x, y});
  else backend_.MoveMouse(window, {x, y});
}

void Driver::Key(std::string_view keys) {
  const std::optional<KeyEvent> key = ParseKeyName(keys);
  if (!key) {
    Complain("unknown key: " + std::string(keys));
    return;
  }
  backend_.PressKey(key->vk, key->mods);
}

// As the search handlers read it: the checked state of a check box or radio button, the text of
// an edit box.
void Driver::Read(std::string_view name) {
  ui::Control* control = ControlNamed(name);
  if (control == nullptr) return;
  const std::uint32_t window = ui::description::kMainWindowIdentity;
  if (IsType(*control, RecordType::kCheckBox) || IsType(*control, RecordType::kRadioBox)) {
    const platform::PropertyValue value =
        platform::ReadControlProperty(window, control->Identity(), platform::kPropertyChecked, platform::kNoIndex);
    PrintLine(std::string(name) + "=" + std::to_string(value.integer));
  } else if (IsType(*control, RecordType::kEditBox)) {
    const platform::PropertyValue value =
        platform::ReadControlProperty(window, control->Identity(), platform::kPropertyText, platform::kNoIndex);
    PrintLine(std::string(name) + "=" + (value.text != nullptr ? GbkToUtf8(value.text) : std::string()));
    app::ReleaseMemory(value.text);
  } else {
    Complain(std::string(name) + " has no state to read");
  }
}

void Driver::Focus() {
  ui::MainWindow* window = Window();
  ui::Control* control = window != nullptr ? window->FindControlByWindow(WindowSystem::Get().Focus()) : nullptr;
  PrintLine(control != nullptr ? "focus " + NameOf(*control) : std::string("focus none"));
}

void Driver::Page() {
  if (ui::TabControlWindow* tab = TabControl()) PrintLine("page " + std::to_string(tab->CurrentPage() + 1));
}

void Driver::Wait(std::string_view ms) {
  int n = 0;
  if (!ParseInt(ms, &n) || n < 0) {
    Complain("wants milliseconds: " + std::string(ms));
    return;
  }
  backend_.AdvanceClock(n);
}

void Driver::Hint() {
  ui::TabControlWindow* tab = TabControl();
  if (tab == nullptr || !tab->Hint().IsShown()) {
    PrintLine("hint none");
    return;
  }
  const Point at = tab->Hint().Position();
  PrintLine("hint " + GbkToUtf8(tab->Hint().Text()) + " " + std::to_string(at.x) + " " + std::to_string(at.y));
}

void Driver::Shot(std::string_view file) {
  ui::MainWindow* window = Window();
  if (window == nullptr) return;
  WindowSystem::Get().UpdateAll();
  if (!backend_.WriteClientPng(*window, PathOf(file))) Complain("cannot write " + std::string(file));
}

void Driver::Close() {
  if (ui::MainWindow* window = Window()) backend_.CloseWindow(window);
}

}  // namespace drive
