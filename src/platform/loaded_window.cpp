#include "platform/loaded_window.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

std::vector<LoadedWindow*>& LoadedWindows() {
  static std::vector<LoadedWindow*> windows;
  return windows;
}

}  // namespace

void RegisterLoadedWindow(LoadedWindow* window) {
  if (window == nullptr) return;
  std::vector<LoadedWindow*>& windows = LoadedWindows();
  std::erase_if(windows, [window](LoadedWindow* w) { return w == window || w->Identity() == window->Identity(); });
  windows.push_back(window);
}

void UnregisterLoadedWindow(LoadedWindow* window) {
  std::erase(LoadedWindows(), window);
}

LoadedWindow* FindLoadedWindow(std::uint32_t identity) {
  for (LoadedWindow* window : LoadedWindows()) {
    if (window->Identity() == identity) return window;
  }
  return nullptr;
}

}  // namespace platform
