// The window tree: creation and destruction, parent and stacking, place, styles, visibility,
// text and font, and the default answers to messages.
#include "desktop/window/window.h"

#include <algorithm>
#include <cstring>

#include "desktop/text/gbk.h"
#include "desktop/window/surface_geometry.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

bool Activates(int show_command) {
  return show_command == SW_SHOWNORMAL || show_command == SW_SHOW || show_command == SW_SHOWMAXIMIZED ||
         show_command == SW_RESTORE;
}

// Takes `child`'s storage out of its parent's list of owned windows.
std::unique_ptr<Window> TakeOwned(std::vector<std::unique_ptr<Window>>& owned, const Window* child) {
  auto it = std::find_if(owned.begin(), owned.end(), [&](const auto& p) { return p.get() == child; });
  if (it == owned.end()) return nullptr;
  std::unique_ptr<Window> taken = std::move(*it);
  owned.erase(it);
  return taken;
}

}  // namespace

Window::Window() = default;
Window::~Window() = default;

const WindowClass& Window::Class() const {
  static const WindowClass kPlain{.name = "Window"};
  return kPlain;
}

Window* Window::Create(std::unique_ptr<Window> window, Window* parent, const Rect& rect, std::uint32_t style,
                       std::uint32_t ex_style, std::string text_gbk, int id) {
  if (!window || window->alive_) return nullptr;
  if (parent != nullptr && (!parent->alive_ || parent->destroying_)) return nullptr;
  Window* w = window.get();
  w->parent_ = parent;
  w->rect_ = rect;
  w->style_ = style & ~WS_VISIBLE;
  w->ex_style_ = ex_style;
  w->text_ = std::move(text_gbk);
  w->id_ = id;
  w->alive_ = true;
  w->client_ = w->OnNcCalcSize(rect.GetSize());
  if (parent != nullptr) {
    parent->children_.insert(parent->children_.begin(), w);
    parent->owned_.push_back(std::move(window));
  } else {
    WindowSystem::Get().AddTopLevel(std::move(window));
  }
  if (!w->OnCreate()) {
    w->Destroy();
    return nullptr;
  }
  if (!w->alive_) return nullptr;
  if ((style & WS_VISIBLE) != 0) w->ShowWindow(parent == nullptr ? SW_SHOW : SW_SHOWNA);
  return w->alive_ ? w : nullptr;
}

void Window::Destroy() {
  if (!alive_ || destroying_) return;
  destroying_ = true;
  WindowSystem& ws = WindowSystem::Get();
  if (parent_ == nullptr) {
    const std::vector<Window*> tops = ws.TopLevels();
    for (Window* t : tops)
      if (t->owner_ == this) t->Destroy();
  }
  const std::vector<Window*> children = children_;
  for (Window* child : children) child->Destroy();
  ws.ForgetWindow(this);
  OnDestroy();
  if (parent_ != nullptr) {
    if (!parent_->destroying_ && IsShown()) parent_->InvalidateRect(rect_);
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    std::unique_ptr<Window> self = TakeOwned(parent_->owned_, this);
    alive_ = false;
    ws.Bury(std::move(self));
  } else {
    alive_ = false;
    ws.RemoveTopLevel(this);
  }
}

Window* Window::TopLevel() {
  Window* w = this;
  while (w->parent_ != nullptr) w = w->parent_;
  return w;
}

bool Window::IsDescendantOf(const Window* ancestor) const {
  if (ancestor == nullptr) return false;
  for (const Window* w = parent_; w != nullptr; w = w->parent_)
    if (w == ancestor) return true;
  return false;
}

void Window::SetParent(Window* new_parent) {
  if (!alive_ || destroying_ || new_parent == parent_) return;
  if (new_parent != nullptr &&
      (new_parent == this || new_parent->IsDescendantOf(this) || !new_parent->alive_ || new_parent->destroying_))
    return;
  WindowSystem& ws = WindowSystem::Get();
  const bool visible = IsVisibleFlag();
  // A window moving to another top-level window leaves the focus and the capture behind.
  if (TopLevel() != (new_parent != nullptr ? new_parent->TopLevel() : this)) ws.DropFocusAndCapture(this);
  std::unique_ptr<Window> self;
  if (parent_ != nullptr) {
    if (IsShown()) parent_->InvalidateRect(rect_);
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    self = TakeOwned(parent_->owned_, this);
  } else {
    self = ws.DetachTopLevel(this);
  }
  parent_ = new_parent;
  client_ = OnNcCalcSize(rect_.GetSize());
  if (new_parent != nullptr) {
    new_parent->children_.insert(new_parent->children_.begin(), this);
    new_parent->owned_.push_back(std::move(self));
    if (visible && IsShown()) InvalidateFrame();
  } else {
    ws.AddTopLevel(std::move(self));
    if (visible) {
      style_ &= ~WS_VISIBLE;
      ShowWindow(SW_SHOWNA);
    }
  }
}

void Window::BringToTop() {
  if (!alive_) return;
  if (parent_ == nullptr) {
    WindowSystem::Get().BringTopLevelToTop(this);
    return;
  }
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.insert(siblings.begin(), this);
  if (IsShown()) InvalidateFrame();
}

void Window::PlaceBelow(Window* sibling) {
  if (!alive_ || sibling == nullptr || sibling == this || sibling->parent_ != parent_) return;
  if (parent_ == nullptr) {
    WindowSystem::Get().PlaceTopLevelBelow(this, sibling);
    return;
  }
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  auto at = std::find(siblings.begin(), siblings.end(), sibling);
  siblings.insert(at == siblings.end() ? at : at + 1, this);
  // What lay above this window and now lies below it shows through where they overlap.
  if (IsShown()) parent_->InvalidateRect(rect_, false);
}

void Window::SetOwner(Window* owner) {
  if (owner != nullptr) owner = owner->TopLevel();
  if (owner == this) return;
  owner_ = owner;
}

void Window::SetStyle(std::uint32_t style) { style_ = style; }
void Window::SetExStyle(std::uint32_t ex_style) { ex_style_ = ex_style; }

void Window::Move(const Rect& rect, bool repaint) {
  if (!alive_) return;
  const Size old_client = client_.GetSize();
  const Size old_size = rect_.GetSize();
  if (parent_ != nullptr && repaint && IsShown()) parent_->InvalidateRect(rect_);
  rect_ = rect;
  client_ = OnNcCalcSize(rect.GetSize());
  if (parent_ == nullptr) {
    WindowSystem& ws = WindowSystem::Get();
    ws.GetBackend().MoveSurface(this);
    if (old_size != rect.GetSize()) InvalidateFrame();
  } else if (repaint && IsShown()) {
    InvalidateFrame();
  }
  if (old_client != client_.GetSize()) OnSize();
}

void Window::FrameChanged() {
  if (!alive_) return;
  const Size old_client = client_.GetSize();
  client_ = OnNcCalcSize(rect_.GetSize());
  if (parent_ == nullptr) WindowSystem::Get().GetBackend().MoveSurface(this);
  InvalidateFrame();
  if (old_client != client_.GetSize()) OnSize();
}

Point Window::ClientToScreen(Point p) const {
  const Point in_parent = p + client_.TopLeft() + rect_.TopLeft();
  return parent_ != nullptr ? parent_->ClientToScreen(in_parent) : in_parent;
}

Point Window::ScreenToClient(Point p) const {
  const Point in_parent = parent_ != nullptr ? parent_->ScreenToClient(p) : p;
  return in_parent - rect_.TopLeft() - client_.TopLeft();
}

bool Window::IsShown() const {
  if (!alive_) return false;
  for (const Window* w = this; w != nullptr; w = w->parent_)
    if (!w->IsVisibleFlag()) return false;
  return true;
}

bool Window::IsEnabledInTree() const {
  for (const Window* w = this; w != nullptr; w = w->parent_)
    if (!w->IsEnabled()) return false;
  return true;
}

void Window::ShowWindow(int show_command) {
  if (!alive_ || destroying_) return;
  WindowSystem& ws = WindowSystem::Get();
  if (show_command == SW_HIDE) {
    if (!IsVisibleFlag()) return;
    if (parent_ != nullptr && IsShown()) parent_->InvalidateRect(rect_);
    style_ &= ~WS_VISIBLE;
    ws.DropFocusAndCapture(this);
    if (parent_ == nullptr) ws.TopLevelHidden(this);
    OnShowWindow(false);
    return;
  }
  const bool activate = parent_ == nullptr && Activates(show_command) && (ex_style_ & WS_EX_NOACTIVATE) == 0;
  if (!IsVisibleFlag()) {
    style_ |= WS_VISIBLE;
    OnShowWindow(true);
    if (!alive_) return;
    InvalidateFrame();
    if (parent_ == nullptr) {
      // Painted before it appears, so the screen never shows an empty window.
      ws.Paint(this);
      ws.GetBackend().ShowSurface(this, true, activate);
    }
  }
  if (activate) ws.Activate(this);
}

void Window::Enable(bool enable) {
  if (!alive_ || IsEnabled() == enable) return;
  if (enable) {
    style_ &= ~WS_DISABLED;
  } else {
    style_ |= WS_DISABLED;
    WindowSystem::Get().DropFocusAndCapture(this);
  }
  OnEnable(enable);
}

void Window::SetText(std::string text_gbk) {
  text_ = std::move(text_gbk);
  if (parent_ == nullptr && alive_) WindowSystem::Get().GetBackend().SetTitle(this, GbkToUtf8(text_));
  OnSetText();
}

Font* Window::GetFont() const {
  if (font_) return font_.get();
  static const std::shared_ptr<Font> gui = Font::DefaultGui();
  return gui.get();
}

void Window::SetFont(std::shared_ptr<Font> font, bool redraw) {
  font_ = std::move(font);
  OnSetFont(font_.get());
  if (redraw) Invalidate();
}

void Window::SetFocus() { WindowSystem::Get().SetFocus(this); }
bool Window::HasFocus() const { return WindowSystem::Get().Focus() == this; }
void Window::SetCapture() { WindowSystem::Get().SetCapture(this); }
void Window::ReleaseCapture() {
  if (HasCapture()) WindowSystem::Get().ReleaseCapture();
}
bool Window::HasCapture() const { return WindowSystem::Get().Capture() == this; }
void Window::SetTimer(int timer_id, int interval_ms) { WindowSystem::Get().SetTimer(this, timer_id, interval_ms); }
void Window::KillTimer(int timer_id) { WindowSystem::Get().KillTimer(this, timer_id); }

std::intptr_t Window::OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (msg) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lparam);
      SetText(text != nullptr ? std::string(text) : std::string());
      return 1;
    }
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lparam);
      if (buffer == nullptr || wparam == 0) return 0;
      const std::size_t n = std::min<std::size_t>(text_.size(), wparam - 1);
      std::memcpy(buffer, text_.data(), n);
      buffer[n] = '\0';
      return static_cast<std::intptr_t>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<std::intptr_t>(text_.size());
    case WM_SETFONT: {
      // The sender keeps the font alive; the window only refers to it.
      Font* font = reinterpret_cast<Font*>(wparam);
      SetFont(font != nullptr ? std::shared_ptr<Font>(std::shared_ptr<Font>(), font) : nullptr, lparam != 0);
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<std::intptr_t>(font_.get());
    default:
      return 0;
  }
}

}  // namespace desktop
