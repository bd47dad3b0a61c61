#include "ui/loaded_windows.h"

#include <algorithm>
#include <vector>

#include "platform/loaded_window.h"
#include "ui/main_window.h"

namespace ui {
namespace {

std::vector<MainWindow*>& Windows() {
  static std::vector<MainWindow*> windows;
  return windows;
}

void (*last_window_closed)() = nullptr;

}  // namespace

void RegisterLoadedWindow(MainWindow* window) {
  auto& windows = Windows();
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
  platform::RegisterLoadedWindow(&window->Properties());
}

void UnregisterLoadedWindow(MainWindow* window) {
  auto& windows = Windows();
  auto it = std::find(windows.begin(), windows.end(), window);
  if (it == windows.end()) return;
  windows.erase(it);
  platform::UnregisterLoadedWindow(&window->Properties());
  if (windows.empty() && last_window_closed != nullptr) last_window_closed();
}

MainWindow* FindLoadedWindow(std::uint32_t window_identity) {
  for (MainWindow* window : Windows()) {
    if (window->Identity() == window_identity) return window;
  }
  return nullptr;
}

std::size_t LoadedWindowCount() { return Windows().size(); }

void SetLastWindowClosedCallback(void (*callback)()) { last_window_closed = callback; }

}  // namespace ui
