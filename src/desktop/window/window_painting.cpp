// Invalidation and painting. Each top-level window gathers what needs painting into one region of
// its surface; painting walks its tree in z-order (a parent, then its children from the bottom up),
// each window clipped to that region, to what of it can be seen and to its ancestors' client
// areas: the frame first, then the background, then the content.
#include <vector>

#include "desktop/window/surface_geometry.h"
#include "desktop/window/window.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

bool Overlaps(const Region& a, const Region& b) {
  for (const Rect& r : b.Rects())
    if (a.Intersects(r)) return true;
  return false;
}

// `within`: the part of the surface the window may appear in, given its ancestors.
void PaintTree(Window& w, Canvas& canvas, const Region& within, const Region& invalid, const Region& erase) {
  Region visible = within;
  visible.Intersect(WindowRectOnSurface(w));
  if ((w.Style() & WS_CLIPSIBLINGS) != 0 && w.Parent() != nullptr) {
    for (const Window* sibling : w.Parent()->Children()) {
      if (sibling == &w) break;
      if (sibling->IsVisibleFlag()) visible.Subtract(WindowRectOnSurface(*sibling));
    }
  }
  Region area = visible;
  area.Intersect(invalid);
  if (area.IsEmpty()) return;

  const Rect client = ClientRectOnSurface(w);
  Region frame = area;
  frame.Subtract(client);
  if (!frame.IsEmpty()) {
    canvas.SetOrigin(WindowOriginOnSurface(w));
    canvas.SetClip(frame);
    w.OnNcPaint(canvas);
    if (!w.IsAlive()) return;
  }

  Region inside = area;
  inside.Intersect(client);
  if ((w.Style() & WS_CLIPCHILDREN) != 0) {
    for (const Window* child : w.Children())
      if (child->IsVisibleFlag()) inside.Subtract(WindowRectOnSurface(*child));
  }
  if (!inside.IsEmpty()) {
    Region update = inside;
    update.Offset(-client.left, -client.top);
    if (Overlaps(inside, erase)) {
      canvas.SetOrigin(client.TopLeft());
      canvas.SetClip(inside);
      w.OnEraseBackground(canvas, update);
      if (!w.IsAlive()) return;
    }
    canvas.SetOrigin(client.TopLeft());
    canvas.SetClip(inside);
    w.OnPaint(canvas, update);
    if (!w.IsAlive()) return;
  }

  Region child_within = visible;
  child_within.Intersect(client);
  const std::vector<Window*> children = w.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Window* child = *it;
    if (child->IsAlive() && child->IsVisibleFlag() && child->Parent() == &w)
      PaintTree(*child, canvas, child_within, invalid, erase);
  }
}

}  // namespace

void Window::Invalidate(bool erase) { InvalidateRect(ClientRect(), erase); }

void Window::InvalidateRect(const Rect& client_rect, bool erase) {
  if (!IsShown()) return;
  const Rect r = client_rect.Intersect(ClientRect());
  if (r.IsEmpty()) return;
  const Rect on_surface = r.Offset(ClientRectOnSurface(*this).TopLeft()).Intersect(ShowableAreaOnSurface(*this));
  if (on_surface.IsEmpty()) return;
  Window* top = TopLevel();
  top->invalid_.Add(on_surface);
  if (erase) top->erase_.Add(on_surface);
}

void Window::InvalidateFrame() {
  if (!IsShown()) return;
  const Rect on_surface = WindowRectOnSurface(*this).Intersect(ShowableAreaOnSurface(*this));
  if (on_surface.IsEmpty()) return;
  Window* top = TopLevel();
  top->invalid_.Add(on_surface);
  top->erase_.Add(on_surface);
}

void Window::Update() {
  if (IsShown()) WindowSystem::Get().Paint(TopLevel());
}

void WindowSystem::Paint(Window* top) {
  if (top == nullptr || !top->IsAlive() || !top->IsVisibleFlag() || painting_) return;
  Region invalid = top->invalid_;
  Region erase = top->erase_;
  top->invalid_.Clear();
  top->erase_.Clear();
  invalid.Intersect(SurfaceBounds(*top));
  if (invalid.IsEmpty()) return;
  Canvas canvas = GetBackend().SurfaceCanvas(top);
  painting_ = true;
  PaintTree(*top, canvas, Region(SurfaceBounds(*top)), invalid, erase);
  painting_ = false;
  if (top->IsAlive()) GetBackend().Present(top, invalid);
}

void WindowSystem::UpdateAll() {
  const std::vector<Window*> tops = top_levels_;
  for (Window* top : tops)
    if (top->IsAlive() && top->IsVisibleFlag()) Paint(top);
}

}  // namespace desktop
