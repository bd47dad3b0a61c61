#pragma once
// The window system: the top-level windows, focus, capture, activation, timers, invalidation and
// painting in z-order, and the event loop that turns backend input into window events.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "desktop/window/backend.h"
#include "desktop/window/window.h"

namespace desktop {

class WindowSystem {
 public:
  static WindowSystem& Get();

  void SetBackend(std::unique_ptr<Backend> backend);
  Backend& GetBackend();
  bool HasBackend() const;

  const std::vector<Window*>& TopLevels() const;  // z-order, topmost first

  // Focus, capture, activation.
  Window* Focus() const;
  void SetFocus(Window* window);  // null removes the focus
  Window* Capture() const;
  void SetCapture(Window* window);
  void ReleaseCapture();
  Window* ActiveWindow() const;
  void Activate(Window* top);

  // Timers fire on the loop's thread, from the backend's clock.
  void SetTimer(Window* window, int timer_id, int interval_ms);
  void KillTimer(Window* window, int timer_id);
  std::uint64_t Now();

  // The pointer, in screen coordinates.
  Point CursorPos() const;

  // Paints every invalid part of every shown top-level window and presents it.
  void UpdateAll();

  // The event loop. `idle` runs when no input is waiting, with the pass count from 0; it answers
  // whether more idle work is left. Returns the quit code.
  int RunLoop(const std::function<bool(int)>& idle = {});
  // Handles input already waiting (and due timers) without sleeping; true when the quit message came.
  bool PumpPending();
  // Runs a nested loop until `dialog` is destroyed (modal message box, popup menu).
  void RunModal(Window* dialog);
  void PostQuit(int code);
  bool QuitPosted() const;
  int QuitCode() const;

  // Input from the backend; the loop calls this, and tests may too.
  void Dispatch(const InputEvent& event);

  // Called when the last top-level window is destroyed.
  std::function<void()> on_last_window_destroyed;
  // Sees every key press before the focused window (after the top-level's PreTranslateKey).
  std::function<bool(const KeyEvent&, Window*)> key_hook;
};

}  // namespace desktop
