#pragma once
// What the window system needs of the screen it draws on: one surface per shown top-level window,
// input, a clock, the pointer shape, the clipboard and text input. Two backends: sdl (a real
// window) and headless (offscreen, virtual clock, scripted input).
#include <cstdint>
#include <string>

#include "desktop/bitmap.h"
#include "desktop/geometry.h"
#include "desktop/window/window.h"

namespace desktop {

struct InputEvent {
  enum class Type {
    None,
    MouseMove,
    MouseDown,
    MouseUp,
    MouseWheel,
    KeyDown,
    KeyUp,
    Text,      // committed text, UTF-8
    Editing,   // input-method composition, UTF-8
    Close,     // the window manager asks the window to close
    Activate,  // the window manager gave the window the focus
    Deactivate,
    Expose,    // the surface must be presented again
    Quit,      // the desktop session ends
    Moved,     // the window manager moved the window: `pos` is the surface's new top-left on the screen
  };
  Type type = Type::None;
  Window* window = nullptr;  // the top-level window the event is for
  Point pos;                 // surface coordinates of `window` (see Backend::SurfaceRect)
  MouseButton button = MouseButton::Left;
  int clicks = 1;  // as the backend counted them; the window system applies its own double-click rule
  int wheel = 0;
  KeyEvent key;      // key events; for mouse events only `key.mods` is used
  std::string text;  // UTF-8
  int cursor = 0;    // editing: cursor position in characters
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual Size ScreenSize() = 0;
  // Milliseconds since some start; the headless backend's clock moves only when told to.
  virtual std::uint64_t NowMs() = 0;
  // Waits for the next input event at most `timeout_ms` (-1: no limit, 0: poll). False when none.
  virtual bool WaitEvent(InputEvent& out, int timeout_ms) = 0;
  // Wakes a WaitEvent that is sleeping (something was posted).
  virtual void Wake() {}

  // A top-level window's surface: the part of the window rectangle the program draws. For a
  // window with a caption the window manager draws the title bar and the outer frame, so the
  // surface is the window rectangle less those; otherwise the whole window rectangle.
  // The surface in window coordinates: a captioned top-level window (WS_CAPTION) loses its frame
  // (3 pixels, 4 when resizable) on every side and its caption (19 pixels, 16 for a tool window)
  // at the top; for the main window's 640 x 450 that leaves 634 x 425 at (3, 22).
  static Rect SurfaceRect(const Window* top);

  virtual void CreateSurface(Window* top) = 0;
  virtual void DestroySurface(Window* top) = 0;
  virtual void ShowSurface(Window* top, bool show, bool activate) = 0;
  virtual void MoveSurface(Window* top) = 0;
  // A click made `top` the active window: bring its surface to the front with the keyboard
  // focus, as a window manager does on a click (and as nothing else would without one).
  virtual void FocusSurface(Window* top) { (void)top; }
  virtual void SetTitle(Window* top, const std::string& utf8) = 0;
  virtual void SetIcon(Window* top, const Bitmap& icon) = 0;
  // The pixels of the surface, kept by the backend; the window system draws into them.
  virtual Canvas SurfaceCanvas(Window* top) = 0;
  // Puts the changed parts of the surface on the screen.
  virtual void Present(Window* top, const Region& changed) = 0;

  virtual void SetCursor(CursorShape shape) = 0;
  virtual std::string GetClipboardText() = 0;  // UTF-8
  virtual void SetClipboardText(const std::string& utf8) = 0;
  // Text input is on while an edit control has the focus; `caret_screen` places the candidate window.
  virtual void StartTextInput(const Rect& caret_screen) = 0;
  virtual void StopTextInput() = 0;
};

}  // namespace desktop
