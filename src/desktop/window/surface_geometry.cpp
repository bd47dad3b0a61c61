#include "desktop/window/surface_geometry.h"

#include "desktop/window/backend.h"
#include "desktop/window/window.h"

namespace desktop {

Point WindowOriginOnSurface(const Window& window) {
  if (window.Parent() == nullptr) {
    const Rect surface = Backend::SurfaceRect(&window);
    return {-surface.left, -surface.top};
  }
  const Window& parent = *window.Parent();
  return WindowOriginOnSurface(parent) + parent.ClientInWindow().TopLeft() + window.WindowRect().TopLeft();
}

Rect WindowRectOnSurface(const Window& window) {
  const Rect r = window.WindowRect();
  return Rect{0, 0, r.Width(), r.Height()}.Offset(WindowOriginOnSurface(window));
}

Rect ClientRectOnSurface(const Window& window) {
  return window.ClientInWindow().Offset(WindowOriginOnSurface(window));
}

Rect ShowableAreaOnSurface(const Window& window) {
  const Window* top = &window;
  Rect area;
  bool first = true;
  for (const Window* a = window.Parent(); a != nullptr; a = a->Parent()) {
    const Rect client = ClientRectOnSurface(*a);
    area = first ? client : area.Intersect(client);
    first = false;
    top = a;
  }
  const Rect bounds = SurfaceBounds(*top);
  return first ? bounds : area.Intersect(bounds);
}

Rect SurfaceBounds(const Window& top) {
  const Rect surface = Backend::SurfaceRect(&top);
  return {0, 0, surface.Width(), surface.Height()};
}

Point SurfaceToScreen(const Window& top, Point surface_point) {
  return surface_point + top.WindowRect().TopLeft() + Backend::SurfaceRect(&top).TopLeft();
}

Point ScreenToSurface(const Window& top, Point screen_point) {
  return screen_point - top.WindowRect().TopLeft() - Backend::SurfaceRect(&top).TopLeft();
}

}  // namespace desktop
