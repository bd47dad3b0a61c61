// The window system's state: the backend, the top-level windows in z-order, focus, capture and
// activation, destruction bookkeeping, and the event loops.
#include "desktop/window/window_system.h"

#include <algorithm>

#include "desktop/backends/headless/headless_backend.h"
#include "desktop/text/gbk.h"
#include "desktop/window/surface_geometry.h"

namespace desktop {

namespace {

bool IsTopmost(const Window* w) { return (w->ExStyle() & WS_EX_TOPMOST) != 0; }
bool CanActivate(const Window* w) { return (w->ExStyle() & WS_EX_NOACTIVATE) == 0; }

bool IsInside(const Window* w, const Window* root) { return w != nullptr && (w == root || w->IsDescendantOf(root)); }

}  // namespace

WindowSystem& WindowSystem::Get() {
  static WindowSystem instance;
  return instance;
}

void WindowSystem::SetBackend(std::unique_ptr<Backend> backend) { backend_ = std::move(backend); }

Backend& WindowSystem::GetBackend() {
  // Without a backend of its own choosing the program draws offscreen.
  if (!backend_) backend_ = std::make_unique<HeadlessBackend>();
  return *backend_;
}

bool WindowSystem::HasBackend() const { return backend_ != nullptr; }

const std::vector<Window*>& WindowSystem::TopLevels() const { return top_levels_; }

// ----- top-level windows -----

void WindowSystem::AddTopLevel(std::unique_ptr<Window> window) {
  Window* w = window.get();
  // Topmost windows stay above all others; a new window goes to the top of its band.
  auto at = IsTopmost(w) ? top_levels_.begin()
                         : std::find_if(top_levels_.begin(), top_levels_.end(),
                                        [](const Window* t) { return !IsTopmost(t); });
  top_levels_.insert(at, w);
  top_owned_.push_back(std::move(window));
  Backend& backend = GetBackend();
  backend.CreateSurface(w);
  if (!w->Text().empty()) backend.SetTitle(w, GbkToUtf8(w->Text()));
}

std::unique_ptr<Window> WindowSystem::DetachTopLevel(Window* window) {
  if (active_ == window) {
    Deactivate();
    ActivateNextAfter(window);
  }
  top_levels_.erase(std::remove(top_levels_.begin(), top_levels_.end(), window), top_levels_.end());
  GetBackend().DestroySurface(window);
  window->invalid_.Clear();
  window->erase_.Clear();
  auto it = std::find_if(top_owned_.begin(), top_owned_.end(), [&](const auto& p) { return p.get() == window; });
  if (it == top_owned_.end()) return nullptr;
  std::unique_ptr<Window> taken = std::move(*it);
  top_owned_.erase(it);
  return taken;
}

void WindowSystem::RemoveTopLevel(Window* window) {
  if (active_ == window) active_ = nullptr;
  Bury(DetachTopLevel(window));
  if (active_ == nullptr) ActivateNextAfter(window);
  if (top_levels_.empty() && on_last_window_destroyed) on_last_window_destroyed();
}

void WindowSystem::BringTopLevelToTop(Window* top) {
  auto it = std::find(top_levels_.begin(), top_levels_.end(), top);
  if (it == top_levels_.end()) return;
  top_levels_.erase(it);
  auto at = IsTopmost(top) ? top_levels_.begin()
                           : std::find_if(top_levels_.begin(), top_levels_.end(),
                                          [](const Window* t) { return !IsTopmost(t); });
  top_levels_.insert(at, top);
}

void WindowSystem::PlaceTopLevelBelow(Window* top, Window* sibling) {
  if (std::find(top_levels_.begin(), top_levels_.end(), top) == top_levels_.end()) return;
  top_levels_.erase(std::remove(top_levels_.begin(), top_levels_.end(), top), top_levels_.end());
  auto at = std::find(top_levels_.begin(), top_levels_.end(), sibling);
  top_levels_.insert(at == top_levels_.end() ? at : at + 1, top);
}

void WindowSystem::TopLevelHidden(Window* top) {
  top->invalid_.Clear();
  top->erase_.Clear();
  GetBackend().ShowSurface(top, false, false);
  if (active_ == top) {
    Deactivate();
    ActivateNextAfter(top);
  }
}

// ----- destruction -----

void WindowSystem::ForgetWindow(Window* window) {
  if (focus_ == window) SetFocus(nullptr);
  if (capture_ == window) ReleaseCapture();
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == window; }),
                timers_.end());
  for (Window* top : top_levels_)
    if (top->remembered_focus == window) top->remembered_focus = nullptr;
  if (last_press_ && last_press_->window == window) last_press_.reset();
}

void WindowSystem::Bury(std::unique_ptr<Window> window) {
  // Callers up the stack may still hold the window; it is deleted once no event is being handled.
  if (window) destroyed_.push_back(std::move(window));
}

void WindowSystem::CollectDestroyed() {
  if (dispatch_depth_ == 0 && modal_depth_ == 0) destroyed_.clear();
}

void WindowSystem::DropFocusAndCapture(Window* window) {
  if (IsInside(focus_, window)) SetFocus(nullptr);
  if (IsInside(capture_, window)) ReleaseCapture();
}

// ----- focus, capture, activation -----

Window* WindowSystem::Focus() const { return focus_; }

void WindowSystem::SetFocus(Window* window) {
  if (window == focus_) return;
  if (window != nullptr) {
    if (!window->IsAlive() || window->destroying_) return;
    Window* top = window->TopLevel();
    if (!CanActivate(top)) return;
    if (top != active_) {
      Activate(top);
      if (focus_ == window || active_ != top || !window->IsAlive()) return;
    }
  }
  Window* previous = focus_;
  focus_ = window;
  if (previous != nullptr && previous->IsAlive()) previous->OnKillFocus(window);
  // The window losing the focus may have passed it on already.
  if (focus_ != window || window == nullptr) return;
  window->OnSetFocus(previous != nullptr && previous->IsAlive() ? previous : nullptr);
}

Window* WindowSystem::Capture() const { return capture_; }

void WindowSystem::SetCapture(Window* window) {
  if (window == capture_) return;
  if (window != nullptr && !window->IsAlive()) return;
  Window* previous = capture_;
  capture_ = window;
  if (previous != nullptr && previous->IsAlive()) previous->OnCaptureChanged();
}

void WindowSystem::ReleaseCapture() {
  if (capture_ == nullptr) return;
  Window* previous = capture_;
  capture_ = nullptr;
  if (previous->IsAlive()) previous->OnCaptureChanged();
}

Window* WindowSystem::ActiveWindow() const { return active_; }

void WindowSystem::Deactivate() {
  Window* old = active_;
  if (old == nullptr) return;
  if (focus_ != nullptr && focus_->TopLevel() == old) old->remembered_focus = focus_;
  active_ = nullptr;
  if (old->IsAlive()) old->OnActivate(false);
  if (active_ == nullptr && focus_ != nullptr && focus_->TopLevel() == old) SetFocus(nullptr);
}

void WindowSystem::Activate(Window* top) {
  if (top == active_) return;
  if (top != nullptr && (!top->IsAlive() || !top->IsTopLevel() || !CanActivate(top))) return;
  Deactivate();
  if (top == nullptr || active_ != nullptr) return;
  active_ = top;
  BringTopLevelToTop(top);
  Window* remembered = top->remembered_focus;
  if (remembered != nullptr && remembered->IsAlive() && remembered->TopLevel() == top) SetFocus(remembered);
  if (active_ == top) top->OnActivate(true);
}

void WindowSystem::ActivateNextAfter(Window* leaving) {
  for (Window* t : top_levels_) {
    if (t == leaving || !t->IsAlive() || t->destroying_) continue;
    if (t->IsVisibleFlag() && t->IsEnabled() && CanActivate(t)) {
      Activate(t);
      return;
    }
  }
}

Point WindowSystem::CursorPos() const { return cursor_pos_; }

// ----- observers -----

int WindowSystem::AddInputObserver(std::function<void(const InputEvent&)> observer) {
  const int id = next_observer_id_++;
  observers_.emplace_back(id, std::move(observer));
  return id;
}

void WindowSystem::RemoveInputObserver(int id) {
  observers_.erase(std::remove_if(observers_.begin(), observers_.end(), [&](const auto& o) { return o.first == id; }),
                   observers_.end());
}

// ----- loops -----

int WindowSystem::RunLoop(const std::function<bool(int)>& idle) {
  Backend& backend = GetBackend();
  int idle_pass = 0;
  bool idle_left = true;
  while (!quit_posted_) {
    CollectDestroyed();
    bool handled = false;
    InputEvent event;
    while (!quit_posted_ && backend.WaitEvent(event, 0)) {
      Dispatch(event);
      handled = true;
    }
    if (quit_posted_) break;
    const std::optional<std::uint64_t> due = NextTimerDue();
    if (due && *due <= Now()) {
      FireDueTimers();
      handled = true;
    }
    UpdateAll();
    if (quit_posted_) break;
    if (idle_wake_at_ && *idle_wake_at_ <= Now()) {
      idle_wake_at_.reset();
      handled = true;
    }
    if (handled) {
      idle_pass = 0;
      idle_left = true;
    }
    if (idle && idle_left) {
      idle_left = idle(idle_pass++);
      if (idle_left) continue;
      UpdateAll();
      if (quit_posted_) break;
    }
    // Sleeps until input comes or the next timer is due.
    if (backend.WaitEvent(event, TimeToNextTimer())) Dispatch(event);
  }
  CollectDestroyed();
  return quit_code_;
}

void WindowSystem::RequestIdleAfter(int ms) {
  const std::uint64_t at = Now() + static_cast<std::uint64_t>(std::max(ms, 0));
  if (!idle_wake_at_ || at < *idle_wake_at_) idle_wake_at_ = at;
}

bool WindowSystem::PumpPending() {
  CollectDestroyed();
  Backend& backend = GetBackend();
  InputEvent event;
  while (!quit_posted_ && backend.WaitEvent(event, 0)) Dispatch(event);
  if (!quit_posted_) FireDueTimers();
  UpdateAll();
  CollectDestroyed();
  return quit_posted_;
}

void WindowSystem::RunModal(Window* dialog) {
  if (dialog == nullptr || !dialog->IsAlive()) return;
  Backend& backend = GetBackend();
  ++modal_depth_;
  while (dialog->IsAlive() && !quit_posted_) {
    InputEvent event;
    while (dialog->IsAlive() && !quit_posted_ && backend.WaitEvent(event, 0)) Dispatch(event);
    if (!dialog->IsAlive() || quit_posted_) break;
    FireDueTimers();
    UpdateAll();
    if (!dialog->IsAlive() || quit_posted_) break;
    if (backend.WaitEvent(event, TimeToNextTimer())) Dispatch(event);
  }
  --modal_depth_;
  UpdateAll();
}

void WindowSystem::PostQuit(int code) {
  if (!quit_posted_) quit_code_ = code;
  quit_posted_ = true;
  if (backend_) backend_->Wake();
}

bool WindowSystem::QuitPosted() const { return quit_posted_; }
int WindowSystem::QuitCode() const { return quit_code_; }

void WindowSystem::Reset() {
  on_last_window_destroyed = nullptr;
  key_hook = nullptr;
  observers_.clear();
  while (!top_levels_.empty()) {
    Window* top = top_levels_.front();
    top->Destroy();
    // A window that refuses to go is dropped all the same.
    if (!top_levels_.empty() && top_levels_.front() == top) Bury(DetachTopLevel(top));
  }
  const int saved_depth = dispatch_depth_;
  dispatch_depth_ = 0;
  modal_depth_ = 0;
  CollectDestroyed();
  dispatch_depth_ = saved_depth;
  timers_.clear();
  focus_ = nullptr;
  capture_ = nullptr;
  active_ = nullptr;
  cursor_pos_ = {};
  last_move_ms_ = 0;
  left_down_ = false;
  last_press_.reset();
  quit_posted_ = false;
  quit_code_ = 0;
  idle_wake_at_.reset();
  backend_.reset();
}

}  // namespace desktop
