#pragma once
// The offscreen backend: one pixel buffer per top-level window, a virtual clock that moves only
// when told to, a screen of a chosen size, and input that scripts and tests queue. Tests and the
// scripted driver read pixels back and write pictures of windows as PNG.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "desktop/window/backend.h"

namespace desktop {

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(Size screen = {1024, 768});

  // ----- Backend -----
  Size ScreenSize() override { return screen_; }
  std::uint64_t NowMs() override { return now_ms_; }
  // Takes the next queued event. When none is queued and the caller would wait: the feeder (if
  // set) is asked for more input; without a feeder the wait passes in virtual time (the clock moves
  // on by `timeout_ms`); a wait without limit when nothing can ever arrive ends the session (Quit).
  bool WaitEvent(InputEvent& out, int timeout_ms) override;
  void CreateSurface(Window* top) override;
  void DestroySurface(Window* top) override;
  void ShowSurface(Window* top, bool show, bool activate) override;
  void MoveSurface(Window* top) override;
  void SetTitle(Window* top, const std::string& utf8) override;
  void SetIcon(Window* top, const Bitmap& icon) override;
  Canvas SurfaceCanvas(Window* top) override;
  void Present(Window* top, const Region& changed) override;
  void SetCursor(CursorShape shape) override { cursor_ = shape; }
  std::string GetClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
  void StartTextInput(const Rect& caret_screen) override;
  void StopTextInput() override { text_input_on_ = false; }

  // ----- screen and clock -----
  void SetScreenSize(Size screen) { screen_ = screen; }
  // Dispatches the queued input, then moves the clock on by `ms`, stopping at each timer's due time
  // to fire it (timers fire in the order they fall due) and to paint.
  void AdvanceClock(int ms);

  // ----- scripted input: queued; WindowSystem::PumpPending (or the loop) dispatches it -----
  void Post(const InputEvent& event) { queue_.push_back(event); }
  // The pointer to a point of `window`'s client area (client coordinates), and presses there.
  void MoveMouse(Window* window, Point client, Modifiers mods = {});
  void MouseDown(Window* window, Point client, MouseButton button = MouseButton::Left, Modifiers mods = {});
  void MouseUp(Window* window, Point client, MouseButton button = MouseButton::Left, Modifiers mods = {});
  void Click(Window* window, Point client, MouseButton button = MouseButton::Left, Modifiers mods = {});
  // The same at a screen point, on the topmost shown top-level window there (none: dropped).
  void MoveMouseScreen(Point screen, Modifiers mods = {});
  void MouseDownScreen(Point screen, MouseButton button = MouseButton::Left, Modifiers mods = {});
  void MouseUpScreen(Point screen, MouseButton button = MouseButton::Left, Modifiers mods = {});
  // A release where the pointer is now, on the window the last press went to.
  void MouseUpAtPointer(MouseButton button = MouseButton::Left, Modifiers mods = {});
  void Wheel(int delta);
  Point PointerScreen() const { return pointer_; }
  // Keys go to the active window (the window system routes them to the focus).
  void KeyDown(int vk, Modifiers mods = {});
  void KeyUp(int vk, Modifiers mods = {});
  void PressKey(int vk, Modifiers mods = {});  // down and up
  void TypeText(const std::string& utf8);      // committed text, as an input method delivers it
  void Compose(const std::string& utf8, int cursor);
  void CloseWindow(Window* top);               // the window manager's close button
  // Asked for more input whenever the queue is empty and the loop would wait; answers false when
  // the input has ended.
  void SetFeeder(std::function<bool()> feeder) { feeder_ = std::move(feeder); }

  // ----- what the program did -----
  CursorShape Cursor() const { return cursor_; }
  const std::string& ClipboardText() const { return clipboard_; }
  bool TextInputOn() const { return text_input_on_; }
  Rect TextInputRect() const { return text_input_rect_; }
  bool HasSurface(const Window* top) const { return surfaces_.count(top) != 0; }
  bool IsSurfaceShown(const Window* top) const;
  std::string Title(const Window* top) const;
  const Bitmap* Icon(const Window* top) const;
  // Every region presented for the window since the last call, merged; cleared by the call.
  Region TakePresented(const Window* top);
  // A pixel of a top-level window's surface (0 outside it), and a pixel of any window's client area
  // as it shows on its top-level window's surface.
  Pixel SurfacePixel(const Window* top, Point surface_point) const;
  ColorRef ClientPixel(const Window& window, Point client_point) const;
  // A copy of part of the surface (all of it when `surface_rect` is not given).
  Bitmap SurfaceImage(const Window* top, std::optional<Rect> surface_rect = std::nullopt) const;
  // Writes the surface (or a part of it) as an RGB PNG; false when it cannot be written.
  bool WritePng(const Window* top, const std::string& path, std::optional<Rect> surface_rect = std::nullopt) const;
  // Writes the client area of any window (the driver's shot: the main window's 630 x 421).
  bool WriteClientPng(const Window& window, const std::string& path) const;

 private:
  struct Surface {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    bool shown = false;
    std::string title;
    std::optional<Bitmap> icon;
    Region presented;
  };
  Surface* Find(const Window* top);
  const Surface* Find(const Window* top) const;
  void PostMouse(InputEvent::Type type, Window* top, Point screen, MouseButton button, Modifiers mods);
  Window* TopLevelAtScreen(Point screen) const;

  Size screen_;
  std::uint64_t now_ms_ = 0;
  std::deque<InputEvent> queue_;
  std::function<bool()> feeder_;
  bool input_ended_ = false;
  std::map<const Window*, Surface> surfaces_;
  CursorShape cursor_ = CursorShape::Arrow;
  std::string clipboard_;
  bool text_input_on_ = false;
  Rect text_input_rect_;
  Point pointer_;
  Window* pressed_top_ = nullptr;
};

// Installs a new headless backend as the window system's backend and answers it.
HeadlessBackend& InstallHeadlessBackend(Size screen = {1024, 768});

}  // namespace desktop
