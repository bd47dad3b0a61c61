#pragma once
// The windows of the system that are loaded now, by their identity. ReadControlProperty and the
// dispatch of control events find a window and its controls here.
#include <cstddef>
#include <cstdint>

namespace ui {

class MainWindow;

void RegisterLoadedWindow(MainWindow* window);
// After the last loaded window is gone the callback set below runs (the event loop ends).
void UnregisterLoadedWindow(MainWindow* window);
MainWindow* FindLoadedWindow(std::uint32_t window_identity);
std::size_t LoadedWindowCount();

// Runs each time a window is unregistered and none is left.
void SetLastWindowClosedCallback(void (*callback)());

}  // namespace ui
