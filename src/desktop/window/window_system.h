#pragma once
// The window system: the top-level windows, focus, capture, activation, timers, invalidation and
// painting in z-order, and the event loop that turns backend input into window events.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
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
  // Asks the loop to run its idle work again at the latest `ms` from now, even when no input
  // comes (idle work that waits on something outside the program, such as a started process).
  void RequestIdleAfter(int ms);
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

  // The deepest shown, enabled window at a screen point, topmost first; windows that answer
  // HTTRANSPARENT let the point through to what lies below them. `hit` receives the hit-test code.
  Window* WindowFromPoint(Point screen, int* hit = nullptr);
  // The same, starting at one top-level window and going on below it only where it is transparent.
  Window* WindowFromPoint(Window* top, Point screen, int* hit = nullptr);

  // Input observers see every input event before it is routed (the pointer position is already
  // updated): a hint that goes away on any press uses this. Answers an id for RemoveInputObserver.
  int AddInputObserver(std::function<void(const InputEvent&)> observer);
  void RemoveInputObserver(int id);
  // When the pointer last moved to another place (backend clock).
  std::uint64_t LastPointerMoveTime() const { return last_move_ms_; }

  // Timers: when the next one is due, and firing the due ones (each at most once, earliest first).
  std::optional<std::uint64_t> NextTimerDue() const;
  void FireDueTimers();
  // Milliseconds until the next timer is due from now: 0 when one is due, -1 when none is set.
  int TimeToNextTimer();

  // Destroys every window, forgets focus, capture, timers, callbacks and the quit message, and
  // drops the backend: the state at process start. Tests use it between cases.
  void Reset();

 private:
  WindowSystem() = default;
  friend class Window;

  struct Timer {
    Window* window = nullptr;
    int id = 0;
    int interval = 0;
    std::uint64_t due = 0;
    std::uint64_t order = 0;  // setting order: equal due times fire in it
  };
  struct LastPress {
    Window* window = nullptr;
    MouseButton button = MouseButton::Left;
    std::uint64_t time = 0;
    Point screen;
  };

  // Called by Window.
  void AddTopLevel(std::unique_ptr<Window> window);
  std::unique_ptr<Window> DetachTopLevel(Window* window);
  void RemoveTopLevel(Window* window);  // a destroyed top-level window
  void ForgetWindow(Window* window);     // focus, capture, timers and every reference to a dying window
  void Bury(std::unique_ptr<Window> window);
  // The window or one inside it was hidden, disabled or moved away: it loses focus and capture.
  void DropFocusAndCapture(Window* window);
  void TopLevelHidden(Window* top);
  void BringTopLevelToTop(Window* top);
  void PlaceTopLevelBelow(Window* top, Window* sibling);
  void Deactivate();
  void ActivateNextAfter(Window* leaving);
  void Paint(Window* top);

  void DispatchMouse(const InputEvent& event);
  void DispatchKey(const InputEvent& event);
  void DispatchText(const InputEvent& event);
  void UpdateCursorAt(Point screen);
  bool IsDoubleClick(Window* target, MouseButton button, Point screen);
  void CollectDestroyed();

  std::unique_ptr<Backend> backend_;
  std::vector<Window*> top_levels_;                 // z-order, topmost first
  std::vector<std::unique_ptr<Window>> top_owned_;  // storage of the top-level windows
  std::vector<std::unique_ptr<Window>> destroyed_;  // deleted when no event is being handled
  Window* focus_ = nullptr;
  Window* capture_ = nullptr;
  Window* active_ = nullptr;
  std::vector<Timer> timers_;
  std::uint64_t timer_order_ = 0;
  Point cursor_pos_;
  std::uint64_t last_move_ms_ = 0;
  bool left_down_ = false;
  std::optional<LastPress> last_press_;
  std::vector<std::pair<int, std::function<void(const InputEvent&)>>> observers_;
  int next_observer_id_ = 1;
  int dispatch_depth_ = 0;
  int modal_depth_ = 0;
  bool painting_ = false;
  bool quit_posted_ = false;
  int quit_code_ = 0;
  std::optional<std::uint64_t> idle_wake_at_;  // RequestIdleAfter
};

}  // namespace desktop
