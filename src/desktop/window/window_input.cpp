// Input routing: the mouse to the window under the pointer (or the one holding the capture), keys
// through the top-level window's filter and the key hook to the focused window, typed text to the
// focused window in GBK.
#include <algorithm>
#include <cstdlib>

#include "desktop/text/gbk.h"
#include "desktop/window/surface_geometry.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

// The deepest window under `p` (window coordinates of `w`): children first, topmost first.
Window* HitTestTree(Window* w, Point p, int* hit) {
  if (!w->IsVisibleFlag() || !w->IsEnabled()) return nullptr;
  const Rect whole{0, 0, w->WindowRect().Width(), w->WindowRect().Height()};
  if (!whole.Contains(p)) return nullptr;
  if (w->ClientInWindow().Contains(p)) {
    const Point in_client = p - w->ClientInWindow().TopLeft();
    for (Window* child : w->Children()) {
      if (Window* found = HitTestTree(child, in_client - child->WindowRect().TopLeft(), hit)) return found;
    }
  }
  const int code = w->OnNcHitTest(p);
  if (code == HTTRANSPARENT) return nullptr;
  if (hit != nullptr) *hit = code;
  return w;
}

Point ScreenToWindow(const Window& w, Point screen) { return w.ScreenToClient(screen) + w.ClientInWindow().TopLeft(); }

}  // namespace

Window* WindowSystem::WindowFromPoint(Point screen, int* hit) {
  for (Window* top : top_levels_) {
    if (!top->IsVisibleFlag() || !top->IsEnabled()) continue;
    const Point p = screen - top->WindowRect().TopLeft();
    if (!Backend::SurfaceRect(top).Contains(p)) continue;
    if (Window* found = HitTestTree(top, p, hit)) return found;
  }
  return nullptr;
}

Window* WindowSystem::WindowFromPoint(Window* top, Point screen, int* hit) {
  auto it = std::find(top_levels_.begin(), top_levels_.end(), top);
  if (it == top_levels_.end()) return nullptr;
  const Point p = screen - top->WindowRect().TopLeft();
  if (!Backend::SurfaceRect(top).Contains(p)) return nullptr;
  if (Window* found = HitTestTree(top, p, hit)) return found;
  // Transparent there: what lies below it gets the point.
  for (++it; it != top_levels_.end(); ++it) {
    Window* below = *it;
    if (!below->IsVisibleFlag() || !below->IsEnabled()) continue;
    const Point q = screen - below->WindowRect().TopLeft();
    if (!Backend::SurfaceRect(below).Contains(q)) continue;
    if (Window* found = HitTestTree(below, q, hit)) return found;
  }
  return nullptr;
}

void WindowSystem::Dispatch(const InputEvent& event) {
  ++dispatch_depth_;
  switch (event.type) {
    case InputEvent::Type::MouseMove:
    case InputEvent::Type::MouseDown:
    case InputEvent::Type::MouseUp:
    case InputEvent::Type::MouseWheel:
      DispatchMouse(event);
      break;
    case InputEvent::Type::KeyDown:
    case InputEvent::Type::KeyUp:
      DispatchKey(event);
      break;
    case InputEvent::Type::Text:
    case InputEvent::Type::Editing:
      DispatchText(event);
      break;
    case InputEvent::Type::Close:
      for (const auto& [id, observer] : std::vector(observers_)) observer(event);
      if (event.window != nullptr && event.window->IsAlive() && event.window->IsTopLevel() &&
          event.window->IsEnabled())
        event.window->OnClose();
      break;
    case InputEvent::Type::Activate:
      if (event.window != nullptr && event.window->IsAlive()) Activate(event.window);
      break;
    case InputEvent::Type::Deactivate:
      if (event.window != nullptr && event.window == active_) Deactivate();
      break;
    case InputEvent::Type::Expose:
      if (event.window != nullptr && event.window->IsAlive() && event.window->IsVisibleFlag())
        GetBackend().Present(event.window, Region(SurfaceBounds(*event.window)));
      break;
    case InputEvent::Type::Moved:
      if (event.window != nullptr && event.window->IsAlive() && event.window->IsTopLevel()) {
        // Only the numbers follow the window manager; the surface stays as it is.
        const Point now = SurfaceToScreen(*event.window, {0, 0});
        event.window->rect_ = event.window->rect_.Offset(event.pos - now);
      }
      break;
    case InputEvent::Type::Quit:
      PostQuit(0);
      break;
    case InputEvent::Type::None:
      break;
  }
  --dispatch_depth_;
}

void WindowSystem::DispatchMouse(const InputEvent& event) {
  Window* top = event.window;
  if (top == nullptr || !top->IsAlive() || !top->IsTopLevel()) return;
  const Point screen = SurfaceToScreen(*top, event.pos);
  if (screen != cursor_pos_) last_move_ms_ = Now();
  cursor_pos_ = screen;
  if (event.button == MouseButton::Left) {
    if (event.type == InputEvent::Type::MouseDown) left_down_ = true;
    if (event.type == InputEvent::Type::MouseUp) left_down_ = false;
  }
  for (const auto& [id, observer] : std::vector(observers_)) observer(event);

  Window* const captured = capture_;
  int hit = HTCLIENT;
  Window* target = captured != nullptr ? captured : WindowFromPoint(top, screen, &hit);
  if (target == nullptr || !target->IsAlive()) {
    if (event.type == InputEvent::Type::MouseMove && captured == nullptr) GetBackend().SetCursor(CursorShape::Arrow);
    if (event.type == InputEvent::Type::MouseDown) last_press_.reset();
    return;
  }
  // With the capture every mouse event is a client event, wherever the pointer is.
  const bool client = captured != nullptr || hit == HTCLIENT;
  MouseEvent me;
  me.pos = client ? target->ScreenToClient(screen) : ScreenToWindow(*target, screen);
  me.button = event.button;
  me.mods = event.key.mods;
  me.left_down = left_down_;
  me.hit = client ? HTCLIENT : hit;

  switch (event.type) {
    case InputEvent::Type::MouseMove:
      if (captured == nullptr) GetBackend().SetCursor(target->OnSetCursor(hit));
      if (client && target->IsAlive()) target->OnMouseMove(me);
      break;
    case InputEvent::Type::MouseDown: {
      Window* target_top = target->TopLevel();
      if (target_top != active_ && (target_top->ExStyle() & WS_EX_NOACTIVATE) == 0) {
        Activate(target_top);
        if (target_top->IsAlive() && active_ == target_top) GetBackend().FocusSurface(target_top);
      }
      if (!target->IsAlive()) break;
      if (!client) {
        last_press_.reset();
        target->OnNcMouseDown(me);
      } else if (IsDoubleClick(target, event.button, screen)) {
        target->OnDoubleClick(me);
      } else {
        target->OnMouseDown(me);
      }
      break;
    }
    case InputEvent::Type::MouseUp:
      if (!client) break;
      target->OnMouseUp(me);
      if (event.button == MouseButton::Right && target->IsAlive()) target->OnContextMenu(screen);
      break;
    case InputEvent::Type::MouseWheel: {
      Window* receiver = focus_ != nullptr ? focus_ : target;
      receiver->OnMouseWheel(event.wheel);
      break;
    }
    default:
      break;
  }
  // The capture went away: the pointer takes the shape of what it is over now.
  if (captured != nullptr && capture_ == nullptr) UpdateCursorAt(screen);
}

bool WindowSystem::IsDoubleClick(Window* target, MouseButton button, Point screen) {
  const std::uint64_t now = Now();
  const bool paired = last_press_ && last_press_->window == target && last_press_->button == button &&
                      now - last_press_->time <= static_cast<std::uint64_t>(kDoubleClickTimeMs) &&
                      std::abs(screen.x - last_press_->screen.x) * 2 <= kCxDoubleClick &&
                      std::abs(screen.y - last_press_->screen.y) * 2 <= kCyDoubleClick;
  const bool dbl = paired && target->Class().double_clicks;
  // A double-click ends the pair: the next press starts a new one.
  if (dbl) last_press_.reset();
  else last_press_ = LastPress{target, button, now, screen};
  return dbl;
}

void WindowSystem::UpdateCursorAt(Point screen) {
  if (capture_ != nullptr) return;
  int hit = HTNOWHERE;
  Window* w = WindowFromPoint(screen, &hit);
  GetBackend().SetCursor(w != nullptr ? w->OnSetCursor(hit) : CursorShape::Arrow);
}

void WindowSystem::DispatchKey(const InputEvent& event) {
  for (const auto& [id, observer] : std::vector(observers_)) observer(event);
  Window* top = focus_ != nullptr ? focus_->TopLevel() : active_;
  if (top == nullptr) top = event.window;
  if (top == nullptr || !top->IsAlive() || !top->IsEnabled()) return;
  Window* target = focus_ != nullptr ? focus_ : top;
  if (event.type == InputEvent::Type::KeyUp) {
    target->OnKeyUp(event.key);
    return;
  }
  if (top->PreTranslateKey(event.key, target)) return;
  if (!target->IsAlive()) return;
  if (key_hook && key_hook(event.key, target)) return;
  target = focus_ != nullptr ? focus_ : (top->IsAlive() ? top : nullptr);
  if (target != nullptr && target->IsAlive()) target->OnKeyDown(event.key);
}

void WindowSystem::DispatchText(const InputEvent& event) {
  for (const auto& [id, observer] : std::vector(observers_)) observer(event);
  Window* target = focus_ != nullptr ? focus_ : active_;
  if (target == nullptr || !target->IsAlive() || !target->TopLevel()->IsEnabled()) return;
  if (event.type == InputEvent::Type::Editing) {
    target->OnTextEditing(event.text, event.cursor);
    return;
  }
  const std::string gbk = Utf8ToGbk(event.text);
  if (!gbk.empty()) target->OnChar(gbk);
}

}  // namespace desktop
