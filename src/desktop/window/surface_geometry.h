#pragma once
// Where a window lies on its top-level window's surface (the pixels the program draws, see
// Backend::SurfaceRect), and the conversions between surface and screen coordinates.
#include "desktop/geometry.h"

namespace desktop {

class Window;

// The window's top-left corner in surface coordinates.
Point WindowOriginOnSurface(const Window& window);
Rect WindowRectOnSurface(const Window& window);
Rect ClientRectOnSurface(const Window& window);
// The part of the surface the window can appear in at all: its top-level window's surface cut
// down to the client area of every ancestor.
Rect ShowableAreaOnSurface(const Window& window);
// The whole surface of a top-level window, from (0, 0).
Rect SurfaceBounds(const Window& top);

Point SurfaceToScreen(const Window& top, Point surface_point);
Point ScreenToSurface(const Window& top, Point screen_point);

}  // namespace desktop
