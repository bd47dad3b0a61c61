#include "desktop/backends/headless/headless_backend.h"

#include <algorithm>

#include "desktop/backends/headless/png_writer.h"
#include "desktop/window/surface_geometry.h"
#include "desktop/window/window_system.h"

namespace desktop {

HeadlessBackend::HeadlessBackend(Size screen) : screen_(screen) {}

bool HeadlessBackend::WaitEvent(InputEvent& out, int timeout_ms) {
  if (queue_.empty() && timeout_ms != 0 && feeder_ && !input_ended_) {
    if (!feeder_()) input_ended_ = true;
    if (!input_ended_ && queue_.empty()) return false;  // the feeder did its work itself
  }
  if (!queue_.empty()) {
    out = queue_.front();
    queue_.pop_front();
    return true;
  }
  if (timeout_ms == 0) return false;
  if (timeout_ms > 0 && (!feeder_ || !input_ended_)) {
    now_ms_ += static_cast<std::uint64_t>(timeout_ms);
    return false;
  }
  // Nothing can ever arrive: without this the loop would wait for ever.
  out = InputEvent{};
  out.type = InputEvent::Type::Quit;
  return true;
}

void HeadlessBackend::AdvanceClock(int ms) {
  WindowSystem& ws = WindowSystem::Get();
  ws.PumpPending();
  const std::uint64_t target = now_ms_ + static_cast<std::uint64_t>(std::max(ms, 0));
  for (;;) {
    const std::optional<std::uint64_t> due = ws.NextTimerDue();
    if (!due || *due > target || ws.QuitPosted()) break;
    now_ms_ = std::max(now_ms_, *due);
    ws.FireDueTimers();
    ws.UpdateAll();
  }
  now_ms_ = target;
  ws.UpdateAll();
}

// ----- surfaces -----

HeadlessBackend::Surface* HeadlessBackend::Find(const Window* top) {
  auto it = surfaces_.find(top);
  return it == surfaces_.end() ? nullptr : &it->second;
}

const HeadlessBackend::Surface* HeadlessBackend::Find(const Window* top) const {
  auto it = surfaces_.find(top);
  return it == surfaces_.end() ? nullptr : &it->second;
}

void HeadlessBackend::CreateSurface(Window* top) {
  Surface& s = surfaces_[top];
  const Rect r = SurfaceRect(top);
  s.width = std::max(r.Width(), 0);
  s.height = std::max(r.Height(), 0);
  s.pixels.assign(static_cast<size_t>(s.width) * s.height, 0xFF000000u);
}

void HeadlessBackend::DestroySurface(Window* top) {
  surfaces_.erase(top);
  if (pressed_top_ == top) pressed_top_ = nullptr;
}

void HeadlessBackend::ShowSurface(Window* top, bool show, bool activate) {
  (void)activate;
  if (Surface* s = Find(top)) s->shown = show;
}

void HeadlessBackend::MoveSurface(Window* top) {
  Surface* s = Find(top);
  if (s == nullptr) return;
  const Rect r = SurfaceRect(top);
  if (r.Width() == s->width && r.Height() == s->height) return;
  // A new size keeps what fits of the old pixels at the top-left.
  std::vector<Pixel> pixels(static_cast<size_t>(std::max(r.Width(), 0)) * std::max(r.Height(), 0), 0xFF000000u);
  for (int y = 0; y < std::min(s->height, r.Height()); ++y)
    for (int x = 0; x < std::min(s->width, r.Width()); ++x)
      pixels[static_cast<size_t>(y) * r.Width() + x] = s->pixels[static_cast<size_t>(y) * s->width + x];
  s->width = std::max(r.Width(), 0);
  s->height = std::max(r.Height(), 0);
  s->pixels = std::move(pixels);
}

void HeadlessBackend::SetTitle(Window* top, const std::string& utf8) {
  if (Surface* s = Find(top)) s->title = utf8;
}

void HeadlessBackend::SetIcon(Window* top, const Bitmap& icon) {
  if (Surface* s = Find(top)) s->icon = icon;
}

Canvas HeadlessBackend::SurfaceCanvas(Window* top) {
  Surface* s = Find(top);
  if (s == nullptr || s->pixels.empty()) return Canvas(nullptr, 0, 0, 0);
  return Canvas(s->pixels.data(), s->width, s->height, s->width);
}

void HeadlessBackend::Present(Window* top, const Region& changed) {
  if (Surface* s = Find(top)) s->presented.Add(changed);
}

void HeadlessBackend::StartTextInput(const Rect& caret_screen) {
  text_input_on_ = true;
  text_input_rect_ = caret_screen;
}

// ----- scripted input -----

Window* HeadlessBackend::TopLevelAtScreen(Point screen) const {
  for (Window* top : WindowSystem::Get().TopLevels()) {
    if (!top->IsVisibleFlag()) continue;
    if (Rect{0, 0, SurfaceRect(top).Width(), SurfaceRect(top).Height()}.Contains(ScreenToSurface(*top, screen)))
      return top;
  }
  return nullptr;
}

void HeadlessBackend::PostMouse(InputEvent::Type type, Window* top, Point screen, MouseButton button,
                                Modifiers mods) {
  pointer_ = screen;
  if (top == nullptr) return;
  InputEvent e;
  e.type = type;
  e.window = top;
  e.pos = ScreenToSurface(*top, screen);
  e.button = button;
  e.key.mods = mods;
  queue_.push_back(e);
  if (type == InputEvent::Type::MouseDown) pressed_top_ = top;
}

void HeadlessBackend::MoveMouse(Window* window, Point client, Modifiers mods) {
  if (window == nullptr || !window->IsAlive()) return;
  PostMouse(InputEvent::Type::MouseMove, window->TopLevel(), window->ClientToScreen(client), MouseButton::Left, mods);
}

void HeadlessBackend::MouseDown(Window* window, Point client, MouseButton button, Modifiers mods) {
  if (window == nullptr || !window->IsAlive()) return;
  const Point screen = window->ClientToScreen(client);
  if (screen != pointer_) PostMouse(InputEvent::Type::MouseMove, window->TopLevel(), screen, button, mods);
  PostMouse(InputEvent::Type::MouseDown, window->TopLevel(), screen, button, mods);
}

void HeadlessBackend::MouseUp(Window* window, Point client, MouseButton button, Modifiers mods) {
  if (window == nullptr || !window->IsAlive()) return;
  const Point screen = window->ClientToScreen(client);
  if (screen != pointer_) PostMouse(InputEvent::Type::MouseMove, window->TopLevel(), screen, button, mods);
  PostMouse(InputEvent::Type::MouseUp, window->TopLevel(), screen, button, mods);
}

void HeadlessBackend::Click(Window* window, Point client, MouseButton button, Modifiers mods) {
  MouseDown(window, client, button, mods);
  MouseUp(window, client, button, mods);
}

void HeadlessBackend::MoveMouseScreen(Point screen, Modifiers mods) {
  PostMouse(InputEvent::Type::MouseMove, TopLevelAtScreen(screen), screen, MouseButton::Left, mods);
}

void HeadlessBackend::MouseDownScreen(Point screen, MouseButton button, Modifiers mods) {
  Window* top = TopLevelAtScreen(screen);
  if (screen != pointer_) PostMouse(InputEvent::Type::MouseMove, top, screen, button, mods);
  PostMouse(InputEvent::Type::MouseDown, top, screen, button, mods);
}

void HeadlessBackend::MouseUpScreen(Point screen, MouseButton button, Modifiers mods) {
  Window* top = TopLevelAtScreen(screen);
  if (screen != pointer_) PostMouse(InputEvent::Type::MouseMove, top, screen, button, mods);
  PostMouse(InputEvent::Type::MouseUp, top, screen, button, mods);
}

void HeadlessBackend::MouseUpAtPointer(MouseButton button, Modifiers mods) {
  Window* top = pressed_top_ != nullptr && HasSurface(pressed_top_) ? pressed_top_ : TopLevelAtScreen(pointer_);
  PostMouse(InputEvent::Type::MouseUp, top, pointer_, button, mods);
}

void HeadlessBackend::Wheel(int delta) {
  Window* top = TopLevelAtScreen(pointer_);
  if (top == nullptr) return;
  InputEvent e;
  e.type = InputEvent::Type::MouseWheel;
  e.window = top;
  e.pos = ScreenToSurface(*top, pointer_);
  e.wheel = delta;
  queue_.push_back(e);
}

void HeadlessBackend::KeyDown(int vk, Modifiers mods) {
  InputEvent e;
  e.type = InputEvent::Type::KeyDown;
  e.window = WindowSystem::Get().ActiveWindow();
  e.key.vk = vk;
  e.key.mods = mods;
  queue_.push_back(e);
}

void HeadlessBackend::KeyUp(int vk, Modifiers mods) {
  InputEvent e;
  e.type = InputEvent::Type::KeyUp;
  e.window = WindowSystem::Get().ActiveWindow();
  e.key.vk = vk;
  e.key.mods = mods;
  queue_.push_back(e);
}

void HeadlessBackend::PressKey(int vk, Modifiers mods) {
  KeyDown(vk, mods);
  KeyUp(vk, mods);
}

void HeadlessBackend::TypeText(const std::string& utf8) {
  InputEvent e;
  e.type = InputEvent::Type::Text;
  e.window = WindowSystem::Get().ActiveWindow();
  e.text = utf8;
  queue_.push_back(e);
}

void HeadlessBackend::Compose(const std::string& utf8, int cursor) {
  InputEvent e;
  e.type = InputEvent::Type::Editing;
  e.window = WindowSystem::Get().ActiveWindow();
  e.text = utf8;
  e.cursor = cursor;
  queue_.push_back(e);
}

void HeadlessBackend::CloseWindow(Window* top) {
  if (top == nullptr) return;
  InputEvent e;
  e.type = InputEvent::Type::Close;
  e.window = top->TopLevel();
  queue_.push_back(e);
}

// ----- observations -----

bool HeadlessBackend::IsSurfaceShown(const Window* top) const {
  const Surface* s = Find(top);
  return s != nullptr && s->shown;
}

std::string HeadlessBackend::Title(const Window* top) const {
  const Surface* s = Find(top);
  return s != nullptr ? s->title : std::string();
}

const Bitmap* HeadlessBackend::Icon(const Window* top) const {
  const Surface* s = Find(top);
  return s != nullptr && s->icon ? &*s->icon : nullptr;
}

Region HeadlessBackend::TakePresented(const Window* top) {
  Surface* s = Find(top);
  if (s == nullptr) return {};
  Region r = s->presented;
  s->presented.Clear();
  return r;
}

Pixel HeadlessBackend::SurfacePixel(const Window* top, Point p) const {
  const Surface* s = Find(top);
  if (s == nullptr || p.x < 0 || p.y < 0 || p.x >= s->width || p.y >= s->height) return 0;
  return s->pixels[static_cast<size_t>(p.y) * s->width + p.x];
}

ColorRef HeadlessBackend::ClientPixel(const Window& window, Point client_point) const {
  const Window* top = &window;
  while (top->Parent() != nullptr) top = top->Parent();
  return FromPixel(SurfacePixel(top, client_point + ClientRectOnSurface(window).TopLeft()));
}

Bitmap HeadlessBackend::SurfaceImage(const Window* top, std::optional<Rect> surface_rect) const {
  Bitmap out;
  const Surface* s = Find(top);
  if (s == nullptr) return out;
  const Rect whole{0, 0, s->width, s->height};
  const Rect r = surface_rect ? surface_rect->Intersect(whole) : whole;
  if (r.IsEmpty()) return out;
  out.width = r.Width();
  out.height = r.Height();
  out.pixels.reserve(static_cast<size_t>(out.width) * out.height);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.pixels.push_back(s->pixels[static_cast<size_t>(y) * s->width + x]);
  return out;
}

bool HeadlessBackend::WritePng(const Window* top, const std::string& path, std::optional<Rect> surface_rect) const {
  return WritePngFile(path, SurfaceImage(top, surface_rect));
}

bool HeadlessBackend::WriteClientPng(const Window& window, const std::string& path) const {
  const Window* top = &window;
  while (top->Parent() != nullptr) top = top->Parent();
  const Rect client = ClientRectOnSurface(window).Intersect(ShowableAreaOnSurface(window));
  return WritePng(top, path, client);
}

HeadlessBackend& InstallHeadlessBackend(Size screen) {
  auto backend = std::make_unique<HeadlessBackend>(screen);
  HeadlessBackend& ref = *backend;
  WindowSystem::Get().SetBackend(std::move(backend));
  return ref;
}

}  // namespace desktop
