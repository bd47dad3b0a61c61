#include "desktop/backends/sdl/sdl_backend.h"

#include <algorithm>

#include "desktop/backends/sdl/x11_errors.h"
#include "desktop/cursors/hand_cursor.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

bool HasCaption(const Window* top) { return (top->Style() & WS_CAPTION) == WS_CAPTION; }

Uint32 SdlFlagsFor(const Window* top) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  const std::uint32_t ex = top->ExStyle();
  if (!HasCaption(top)) {
    flags |= SDL_WINDOW_BORDERLESS;
    // A hint that never takes the focus, and a menu: the window manager leaves both alone.
    if ((ex & WS_EX_NOACTIVATE) != 0) flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    else if ((ex & WS_EX_TOOLWINDOW) != 0) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  }
  if ((ex & WS_EX_TOPMOST) != 0) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  return flags;
}

// Where the SDL window's content goes on the screen: the surface's place.
Point SurfaceOrigin(const Window* top) { return top->WindowRect().TopLeft() + Backend::SurfaceRect(top).TopLeft(); }

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Create() {
  // The software framebuffer without the OpenGL stack: a window opens faster and much smaller.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Closing a window is the program's decision, not SDL's.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click on a window of ours that was not active is a click as well.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_APP_NAME, "shopassist");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
  // Without a display SDL falls back to drivers that show nothing; a window nobody can see is no
  // window, unless such a driver was asked for by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  const bool invisible = driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
  if (invisible && (asked == nullptr || SDL_strstr(asked, driver) == nullptr)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_SetError("no display to show windows on");
    return nullptr;
  }
  std::unique_ptr<SdlBackend> backend(new SdlBackend());
  backend->on_x11_ = driver != nullptr && SDL_strcmp(driver, "x11") == 0;
  if (backend->on_x11_) IgnoreEventsToVanishedWindows();
  backend->wake_event_ = SDL_RegisterEvents(1);
  return backend;
}

SdlBackend::~SdlBackend() {
  for (auto& [top, s] : surfaces_)
    if (s.sdl != nullptr) SDL_DestroyWindow(s.sdl);
  surfaces_.clear();
  for (SDL_Cursor* c : cursors_)
    if (c != nullptr) SDL_FreeCursor(c);
  // SDL's video stays up until the process ends. Quitting it closes SDL's second X connection,
  // which only then reports a wake-up sent to a window destroyed meanwhile; SDL's quit puts
  // Xlib's default handler back first, and that handler ends the process with exit code 1.
  if (on_x11_) IgnoreEventsToVanishedWindows();
}

Size SdlBackend::ScreenSize() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {1024, 768};
  return {mode.w, mode.h};
}

void SdlBackend::Wake() {
  SDL_Event e{};
  e.type = wake_event_;
  SDL_PushEvent(&e);
}

// ----- surfaces -----

SdlBackend::Surface* SdlBackend::Find(const Window* top) {
  auto it = surfaces_.find(top);
  return it == surfaces_.end() ? nullptr : &it->second;
}

SdlBackend::Surface* SdlBackend::FindBySdlId(Uint32 id) {
  for (auto& [top, s] : surfaces_)
    if (s.sdl != nullptr && SDL_GetWindowID(s.sdl) == id) return &s;
  return nullptr;
}

SDL_Window* SdlBackend::SdlWindowOf(const Window* top) const {
  auto it = surfaces_.find(top);
  return it == surfaces_.end() ? nullptr : it->second.sdl;
}

void SdlBackend::CreateSurface(Window* top) {
  Surface& s = surfaces_[top];
  s.top = top;
  const Rect r = SurfaceRect(top);
  s.width = std::max(r.Width(), 1);
  s.height = std::max(r.Height(), 1);
  s.pixels.assign(static_cast<size_t>(s.width) * s.height, ToPixel(syscolor::kButtonFace));
}

// The SDL window is made when the window is first shown: pop-ups that never show cost nothing.
bool SdlBackend::MakeSdlWindow(Surface& s) {
  if (s.sdl != nullptr) return true;
  const Point at = SurfaceOrigin(s.top);
  // Made without SDL_WINDOW_RESIZABLE, the window tells the window manager that its least and
  // greatest sizes are its size: no maximize and no frame dragging.
  s.sdl = SDL_CreateWindow(s.title.c_str(), at.x, at.y, s.width, s.height, SdlFlagsFor(s.top));
  if (s.sdl == nullptr) return false;
  ApplyIcon(s);
  return true;
}

void SdlBackend::DestroySurface(Window* top) {
  Surface* s = Find(top);
  if (s == nullptr) return;
  if (focus_lost_ == top) focus_lost_ = nullptr;
  if (s->sdl != nullptr) SDL_DestroyWindow(s->sdl);
  surfaces_.erase(top);
}

void SdlBackend::ShowSurface(Window* top, bool show, bool activate) {
  Surface* s = Find(top);
  if (s == nullptr) return;
  if (!show) {
    if (s->sdl != nullptr) SDL_HideWindow(s->sdl);
    return;
  }
  const bool made_now = s->sdl == nullptr;
  if (!MakeSdlWindow(*s)) return;
  const bool takes_focus = activate && TakesFocus(*s);
  SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, takes_focus ? "0" : "1");
  SDL_Window* had_focus = SDL_GetKeyboardFocus();
  // A window shown again goes back where it belongs, wherever the window manager had put it. A
  // window made just now is there already; on X11 placing it costs several round trips.
  if (!made_now) {
    const Point at = SurfaceOrigin(top);
    SDL_SetWindowPosition(s->sdl, at.x, at.y);
  }
  SDL_ShowWindow(s->sdl);
  CopyToScreen(*s, Region(Rect{0, 0, s->width, s->height}));
  if (takes_focus) {
    SDL_RaiseWindow(s->sdl);
    SDL_SetWindowInputFocus(s->sdl);
  } else if (had_focus != nullptr && had_focus != s->sdl) {
    // Without a window manager SDL gave the new window the keyboard focus: give it back.
    SDL_SetWindowInputFocus(had_focus);
  }
}

void SdlBackend::FocusSurface(Window* top) {
  Surface* s = Find(top);
  if (s == nullptr || s->sdl == nullptr || SDL_GetKeyboardFocus() == s->sdl) return;
  SDL_RaiseWindow(s->sdl);
  SDL_SetWindowInputFocus(s->sdl);
}

bool SdlBackend::TakesFocus(const Surface& s) const { return (s.top->ExStyle() & WS_EX_NOACTIVATE) == 0; }

void SdlBackend::MoveSurface(Window* top) {
  Surface* s = Find(top);
  if (s == nullptr) return;
  const Rect r = SurfaceRect(top);
  const int width = std::max(r.Width(), 1);
  const int height = std::max(r.Height(), 1);
  if (width != s->width || height != s->height) {
    std::vector<Pixel> pixels(static_cast<size_t>(width) * height, ToPixel(syscolor::kButtonFace));
    for (int y = 0; y < std::min(height, s->height); ++y)
      std::copy_n(s->pixels.begin() + static_cast<std::ptrdiff_t>(y) * s->width, std::min(width, s->width),
                  pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    s->pixels = std::move(pixels);
    s->width = width;
    s->height = height;
    if (s->sdl != nullptr) {
      SDL_SetWindowMinimumSize(s->sdl, width, height);
      SDL_SetWindowMaximumSize(s->sdl, width, height);
      SDL_SetWindowSize(s->sdl, width, height);
    }
  }
  if (s->sdl != nullptr) {
    const Point at = SurfaceOrigin(top);
    SDL_SetWindowPosition(s->sdl, at.x, at.y);
  }
}

void SdlBackend::SetTitle(Window* top, const std::string& utf8) {
  Surface* s = Find(top);
  if (s == nullptr) return;
  s->title = utf8;
  if (s->sdl != nullptr) SDL_SetWindowTitle(s->sdl, utf8.c_str());
}

void SdlBackend::SetIcon(Window* top, const Bitmap& icon) {
  Surface* s = Find(top);
  if (s == nullptr || icon.IsEmpty()) return;
  s->icon = icon;
  ApplyIcon(*s);
}

void SdlBackend::ApplyIcon(Surface& s) {
  if (s.sdl == nullptr || !s.icon) return;
  Bitmap& icon = *s.icon;
  SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(icon.pixels.data(), icon.width, icon.height, 32, icon.width * 4,
                                                  0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(s.sdl, surface);
  SDL_FreeSurface(surface);
}

Canvas SdlBackend::SurfaceCanvas(Window* top) {
  Surface* s = Find(top);
  if (s == nullptr) return Canvas(nullptr, 0, 0, 0);
  return Canvas(s->pixels.data(), s->width, s->height, s->width);
}

void SdlBackend::Present(Window* top, const Region& changed) {
  Surface* s = Find(top);
  if (s == nullptr || s->sdl == nullptr || !top->IsVisibleFlag()) return;
  CopyToScreen(*s, changed);
}

// Copies the changed rectangles into SDL's framebuffer and puts only those on the screen.
void SdlBackend::CopyToScreen(Surface& s, const Region& changed) {
  SDL_Surface* screen = SDL_GetWindowSurface(s.sdl);
  if (screen == nullptr) return;
  const Rect bounds{0, 0, std::min(s.width, screen->w), std::min(s.height, screen->h)};
  // Our pixels are 0xAARRGGBB with the alpha always opaque: on a screen without alpha they are its
  // own format, so SDL copies rows instead of converting each pixel.
  const Uint32 format =
      screen->format->format == SDL_PIXELFORMAT_RGB888 ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
  std::vector<SDL_Rect> rects;
  if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return;
  for (const Rect& r0 : changed.Rects()) {
    const Rect r = r0.Intersect(bounds);
    if (r.IsEmpty()) continue;
    const Pixel* src = s.pixels.data() + static_cast<size_t>(r.top) * s.width + r.left;
    auto* dst = static_cast<Uint8*>(screen->pixels) + static_cast<size_t>(r.top) * screen->pitch +
                static_cast<size_t>(r.left) * screen->format->BytesPerPixel;
    SDL_ConvertPixels(r.Width(), r.Height(), format, src, s.width * 4, screen->format->format, dst, screen->pitch);
    rects.push_back(SDL_Rect{r.left, r.top, r.Width(), r.Height()});
  }
  if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(s.sdl, rects.data(), static_cast<int>(rects.size()));
}

// ----- pointer, clipboard, text input -----

namespace {

// The hyperlink hand is ours, with its hot spot on the fingertip; the system hand if that fails.
SDL_Cursor* CreateHandCursor() {
  const Bitmap& image = HandCursorImage();
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Pixel*>(image.pixels.data()), image.width, image.height, 32, image.width * 4, SDL_PIXELFORMAT_ARGB8888);
  SDL_Cursor* cursor = nullptr;
  if (surface != nullptr) {
    cursor = SDL_CreateColorCursor(surface, kHandCursorHotSpot.x, kHandCursorHotSpot.y);
    SDL_FreeSurface(surface);
  }
  return cursor != nullptr ? cursor : SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
}

}  // namespace

void SdlBackend::SetCursor(CursorShape shape) {
  if (cursor_ == shape) return;
  const int i = static_cast<int>(shape);
  if (cursors_[i] == nullptr) {
    SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
    switch (shape) {
      case CursorShape::Arrow: id = SDL_SYSTEM_CURSOR_ARROW; break;
      case CursorShape::Hand: id = SDL_SYSTEM_CURSOR_HAND; break;
      case CursorShape::IBeam: id = SDL_SYSTEM_CURSOR_IBEAM; break;
      case CursorShape::Wait: id = SDL_SYSTEM_CURSOR_WAIT; break;
    }
    cursors_[i] = shape == CursorShape::Hand ? CreateHandCursor() : SDL_CreateSystemCursor(id);
  }
  if (cursors_[i] != nullptr) SDL_SetCursor(cursors_[i]);
  cursor_ = shape;
}

std::string SdlBackend::GetClipboardText() {
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return {};
  std::string out(text);
  SDL_free(text);
  return out;
}

void SdlBackend::SetClipboardText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }

void SdlBackend::StartTextInput(const Rect& caret_screen) {
  // The input method places its candidate window by the caret, given relative to our window.
  Point origin;
  if (Window* active = WindowSystem::Get().ActiveWindow()) origin = SurfaceOrigin(active);
  SDL_Rect r{caret_screen.left - origin.x, caret_screen.top - origin.y, std::max(caret_screen.Width(), 1),
             std::max(caret_screen.Height(), 1)};
  SDL_SetTextInputRect(&r);
  if (!SDL_IsTextInputActive()) SDL_StartTextInput();
}

void SdlBackend::StopTextInput() {
  if (SDL_IsTextInputActive()) SDL_StopTextInput();
}

bool InstallSdlBackend() {
  std::unique_ptr<SdlBackend> backend = SdlBackend::Create();
  if (!backend) return false;
  WindowSystem::Get().SetBackend(std::move(backend));
  return true;
}

}  // namespace desktop
