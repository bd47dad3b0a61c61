#pragma once
// A window of the desktop layer: a node of the window tree with a place, styles, text, font and
// an identifier, and the event methods a window class overrides. Each class of the platform we
// stand in for (our own classes and the standard BUTTON and EDIT controls) is a subclass.
//
// Ownership: the window system owns every window once it is created. A child is owned by its
// parent and destroyed with it; a top-level window by the window system. Code that creates a
// window keeps a plain pointer to it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/drawing/canvas.h"
#include "desktop/geometry.h"
#include "desktop/text/font.h"
#include "desktop/window/win_defs.h"

namespace desktop {

enum class CursorShape { Arrow, Hand, IBeam, Wait };

enum class MouseButton { Left, Right, Middle };

struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool Any() const { return ctrl || shift || alt; }
};

struct MouseEvent {
  Point pos;  // in the receiving window's client coordinates (window coordinates for non-client events)
  MouseButton button = MouseButton::Left;
  Modifiers mods;
  bool left_down = false;  // state of the left button during a move
  int hit = HTCLIENT;      // the hit-test code of the point
};

struct KeyEvent {
  int vk = 0;  // virtual key (win_defs.h)
  Modifiers mods;
  bool repeat = false;
};

// What a window class registers once: its name, cursor and class styles.
struct WindowClass {
  std::string name;
  CursorShape cursor = CursorShape::Arrow;
  bool double_clicks = false;       // CS_DBLCLKS: a second press soon after is a double-click
  bool redraw_on_resize = false;    // CS_HREDRAW | CS_VREDRAW
  bool has_background = false;      // a class brush erases the background
  ColorRef background = 0;
};

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creates `window` as a child of `parent` (a top-level window when parent is null) at `rect`
  // (relative to the parent's client area, or in screen coordinates for a top-level window).
  // Calls OnNcCalcSize and OnCreate; when OnCreate answers false the window is destroyed and null
  // returned. The window is shown only if `style` has WS_VISIBLE.
  static Window* Create(std::unique_ptr<Window> window, Window* parent, const Rect& rect, std::uint32_t style,
                        std::uint32_t ex_style, std::string text_gbk, int id);
  template <class T>
  static T* CreateAs(std::unique_ptr<T> window, Window* parent, const Rect& rect, std::uint32_t style,
                     std::uint32_t ex_style, std::string text_gbk, int id) {
    return static_cast<T*>(Create(std::move(window), parent, rect, style, ex_style, std::move(text_gbk), id));
  }
  // Destroys the window and its children (children first), then deletes it.
  void Destroy();
  bool IsAlive() const { return alive_; }

  virtual const WindowClass& Class() const;

  // Tree. Children are kept in z-order, topmost first.
  Window* Parent() const { return parent_; }
  const std::vector<Window*>& Children() const { return children_; }
  Window* TopLevel();
  bool IsTopLevel() const { return parent_ == nullptr; }
  bool IsDescendantOf(const Window* ancestor) const;
  // Gives the window another parent; its rectangle keeps its numbers, now relative to the new
  // parent's client area. It goes to the top of its new siblings.
  void SetParent(Window* new_parent);
  // Stacking among siblings.
  void BringToTop();
  void PlaceBelow(Window* sibling);
  // A top-level window may have an owner (another top-level window): it is destroyed before its
  // owner is, as a pop-up that belongs to a window goes with it. A child given here stands for its
  // top-level window.
  void SetOwner(Window* owner);
  Window* Owner() const { return owner_; }

  int Id() const { return id_; }
  std::uint32_t Style() const { return style_; }
  std::uint32_t ExStyle() const { return ex_style_; }
  void SetStyle(std::uint32_t style);
  void SetExStyle(std::uint32_t ex_style);

  // Place and size. The window rectangle is relative to the parent's client area (screen for a
  // top-level window); the client rectangle always starts at (0, 0).
  Rect WindowRect() const { return rect_; }
  Rect ClientRect() const { return {0, 0, client_.Width(), client_.Height()}; }
  // Where the client area lies inside the window rectangle (window coordinates).
  Rect ClientInWindow() const { return client_; }
  void Move(const Rect& rect, bool repaint = true);
  // Recalculates the non-client area (after a change of border styles) and repaints the frame.
  void FrameChanged();
  Point ClientToScreen(Point p) const;
  Point ScreenToClient(Point p) const;

  // Visibility and state.
  bool IsVisibleFlag() const { return (style_ & WS_VISIBLE) != 0; }
  bool IsShown() const;  // this window and all its ancestors visible
  bool IsEnabled() const { return (style_ & WS_DISABLED) == 0; }
  bool IsEnabledInTree() const;
  void ShowWindow(int show_command);  // SW_HIDE, SW_SHOW, SW_SHOWNA, SW_SHOWNOACTIVATE, ...
  void Enable(bool enable);

  // Text (GBK bytes) and font.
  const std::string& Text() const { return text_; }
  void SetText(std::string text_gbk);
  Font* GetFont() const;  // the window's font, or the default GUI font when none was set
  void SetFont(std::shared_ptr<Font> font, bool redraw = true);

  // Painting.
  void Invalidate(bool erase = true);
  void InvalidateRect(const Rect& client_rect, bool erase = true);
  void InvalidateFrame();  // the whole window, frame included
  void Update();           // paints what is invalid now

  // Focus, capture, timers: shorthands for the window system.
  void SetFocus();
  bool HasFocus() const;
  void SetCapture();
  void ReleaseCapture();
  bool HasCapture() const;
  void SetTimer(int timer_id, int interval_ms);
  void KillTimer(int timer_id);

  // Messages with the platform's names; unknown messages answer 0.
  std::intptr_t SendMessage(std::uint32_t msg, std::uintptr_t wparam = 0, std::intptr_t lparam = 0) {
    return OnMessage(msg, wparam, lparam);
  }

  // The keys this control takes itself rather than leaving them to its window (DLGC_* bits).
  virtual unsigned GetDialogCode(const KeyEvent* key) const { (void)key; return 0; }
  // The focused top-level window sees every key press of its tree first; true consumes it.
  virtual bool PreTranslateKey(const KeyEvent& key, Window* target) { (void)key; (void)target; return false; }

  // ----- events; the window system calls these -----
  virtual bool OnCreate() { return true; }
  virtual void OnDestroy() {}
  // The client rectangle in window coordinates for a window rectangle of `window_size`. The
  // default applies the border styles (client edge, static edge, modal frame, border, caption).
  virtual Rect OnNcCalcSize(Size window_size);
  // Draws the non-client frame; the canvas origin is the window's top-left corner.
  virtual void OnNcPaint(Canvas& canvas);
  // The canvas origin is the client area's top-left corner and its clip is `update`, which is given
  // in client coordinates. Answer true when the background was erased.
  virtual bool OnEraseBackground(Canvas& canvas, const Region& update);
  virtual void OnPaint(Canvas& canvas, const Region& update) { (void)canvas; (void)update; }
  // Point in window coordinates.
  virtual int OnNcHitTest(Point window_point);
  virtual CursorShape OnSetCursor(int hit);

  virtual void OnMouseMove(const MouseEvent& e) { (void)e; }
  virtual void OnMouseDown(const MouseEvent& e) { (void)e; }
  virtual void OnMouseUp(const MouseEvent& e) { (void)e; }
  virtual void OnDoubleClick(const MouseEvent& e) { OnMouseDown(e); }
  virtual void OnNcMouseDown(const MouseEvent& e) { (void)e; }
  virtual void OnMouseWheel(int delta) { (void)delta; }
  virtual void OnContextMenu(Point screen) { (void)screen; }
  // A key for the focused window. Answer true when handled.
  virtual bool OnKeyDown(const KeyEvent& e) { (void)e; return false; }
  virtual bool OnKeyUp(const KeyEvent& e) { (void)e; return false; }
  // Typed text (GBK), after the key filter.
  virtual void OnChar(std::string_view text_gbk) { (void)text_gbk; }
  // Input-method composition in progress (UTF-8), shown at the caret.
  virtual void OnTextEditing(std::string_view composition_utf8, int cursor) { (void)composition_utf8; (void)cursor; }
  virtual void OnSetFocus(Window* previous) { (void)previous; }
  virtual void OnKillFocus(Window* next) { (void)next; }
  virtual void OnCaptureChanged() {}
  virtual void OnTimer(int timer_id) { (void)timer_id; }
  virtual void OnShowWindow(bool shown) { (void)shown; }
  virtual void OnSetFont(Font* font) { (void)font; }
  virtual void OnSetText() { Invalidate(); }
  // The window was enabled or disabled; the default redraws it.
  virtual void OnEnable(bool enabled) { (void)enabled; Invalidate(); }
  virtual void OnSize() {}
  // Top-level windows: gained or lost activation.
  virtual void OnActivate(bool active) { (void)active; }
  // The close button, the system menu's Close or the window manager. The default destroys.
  virtual void OnClose() { Destroy(); }
  // A child control reports something (BN_CLICKED, EN_CHANGE, ...).
  virtual void OnCommand(Window* control, int notification) { (void)control; (void)notification; }
  virtual std::intptr_t OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam);

  // Top-level windows remember the focused control across deactivation.
  Window* remembered_focus = nullptr;

 private:
  friend class WindowSystem;
  Window* parent_ = nullptr;
  std::vector<Window*> children_;            // topmost first; owned
  std::vector<std::unique_ptr<Window>> owned_;  // storage of the children
  Rect rect_;
  Rect client_;
  std::uint32_t style_ = 0;
  std::uint32_t ex_style_ = 0;
  std::string text_;
  std::shared_ptr<Font> font_;
  int id_ = 0;
  bool alive_ = false;
  bool destroying_ = false;
  Window* owner_ = nullptr;
  // Top-level windows only: what waits to be painted, in surface coordinates, and the part of it
  // whose background is to be erased first.
  Region invalid_;
  Region erase_;
};

}  // namespace desktop
