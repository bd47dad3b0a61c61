// The default non-client area: the frames that the border styles give a window, the caption and
// frame of a top-level window (drawn by the desktop's window manager, outside our surface), hit
// testing and the cursor.
#include "desktop/window/backend.h"
#include "desktop/window/window.h"

namespace desktop {

namespace {

// A captioned top-level window gets its title bar and outer frame from the window manager.
bool HasManagedFrame(std::uint32_t style, const Window* parent) {
  return parent == nullptr && (style & WS_CAPTION) == WS_CAPTION;
}

Rect Shrink(const Rect& r, int left, int top, int right, int bottom) {
  Rect s{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
  if (s.right < s.left) s.right = s.left;
  if (s.bottom < s.top) s.bottom = s.top;
  return s;
}

Rect Shrink(const Rect& r, int all) { return Shrink(r, all, all, all, all); }

Rect ManagedFrameInside(const Rect& r, std::uint32_t style, std::uint32_t ex_style) {
  const int frame = (style & WS_THICKFRAME) != 0 ? kCxSizeFrame : kCxFixedFrame;
  const int caption = (ex_style & WS_EX_TOOLWINDOW) != 0 ? kCySmCaption : kCyCaption;
  return Shrink(r, frame, frame + caption, frame, frame);
}

bool HasDialogFrame(std::uint32_t style, std::uint32_t ex_style) {
  return (ex_style & WS_EX_DLGMODALFRAME) != 0 || (style & WS_DLGFRAME) != 0;
}

}  // namespace

Rect Backend::SurfaceRect(const Window* top) {
  if (top == nullptr) return {};
  const Rect whole{0, 0, top->WindowRect().Width(), top->WindowRect().Height()};
  if (!HasManagedFrame(top->Style(), top->Parent())) return Shrink(whole, 0);
  return ManagedFrameInside(whole, top->Style(), top->ExStyle());
}

// From the outside in: the outer frame (managed, dialog, resizable or a black line), the thin
// static edge, then the sunken client edge.
Rect Window::OnNcCalcSize(Size window_size) {
  Rect r = Shrink(Rect{0, 0, window_size.width, window_size.height}, 0);
  if (HasManagedFrame(style_, parent_)) {
    r = ManagedFrameInside(r, style_, ex_style_);
  } else {
    if (HasDialogFrame(style_, ex_style_)) r = Shrink(r, kCxFixedFrame);
    else if ((style_ & WS_THICKFRAME) != 0) r = Shrink(r, kCxSizeFrame);
    else if ((style_ & WS_BORDER) != 0) r = Shrink(r, kCxBorder);
    if ((ex_style_ & WS_EX_STATICEDGE) != 0) r = Shrink(r, kCxBorder);
  }
  if ((ex_style_ & WS_EX_CLIENTEDGE) != 0) r = Shrink(r, kCxEdge);
  return r;
}

void Window::OnNcPaint(Canvas& canvas) {
  Rect r{0, 0, rect_.Width(), rect_.Height()};
  if (HasManagedFrame(style_, parent_)) {
    r = ManagedFrameInside(r, style_, ex_style_);
  } else {
    if (HasDialogFrame(style_, ex_style_)) {
      canvas.DrawEdge(r, Edge::DoubleRaised);
      r = Shrink(r, kCxFixedFrame);
    } else if ((style_ & WS_THICKFRAME) != 0) {
      canvas.DrawEdge(r, Edge::Raised);
      canvas.FrameRect(Shrink(r, 2), syscolor::kButtonFace);
      canvas.FrameRect(Shrink(r, 3), syscolor::kButtonFace);
      r = Shrink(r, kCxSizeFrame);
    } else if ((style_ & WS_BORDER) != 0) {
      canvas.FrameRect(r, syscolor::kWindowFrame);
      r = Shrink(r, kCxBorder);
    }
    if ((ex_style_ & WS_EX_STATICEDGE) != 0) {
      canvas.DrawEdge(r, Edge::SunkenOuter);
      r = Shrink(r, kCxBorder);
    }
  }
  if ((ex_style_ & WS_EX_CLIENTEDGE) != 0) canvas.DrawEdge(r, Edge::Sunken);
}

bool Window::OnEraseBackground(Canvas& canvas, const Region& update) {
  const WindowClass& cls = Class();
  if (!cls.has_background) return false;
  for (const Rect& r : update.Rects()) canvas.FillRect(r, cls.background);
  return true;
}

int Window::OnNcHitTest(Point window_point) {
  if (client_.Contains(window_point)) return HTCLIENT;
  if (HasManagedFrame(style_, parent_)) {
    const Rect inside = ManagedFrameInside(Rect{0, 0, rect_.Width(), rect_.Height()}, style_, ex_style_);
    if (window_point.y < inside.top && window_point.y >= inside.left) return HTCAPTION;
  }
  return Rect{0, 0, rect_.Width(), rect_.Height()}.Contains(window_point) ? HTBORDER : HTNOWHERE;
}

CursorShape Window::OnSetCursor(int hit) { return hit == HTCLIENT ? Class().cursor : CursorShape::Arrow; }

}  // namespace desktop
