// The canvas core: clipping, single pixels, fills and lines. Every fill walks the clip region's
// rectangles and writes whole row spans, so a full-window fill is one tight loop per rectangle.
#include "desktop/drawing/canvas.h"

#include <algorithm>

namespace desktop {

namespace {

Rect SurfaceRect(int width, int height) { return {0, 0, std::max(width, 0), std::max(height, 0)}; }

// Channel-wise interpolation between two colours: step `i` of `steps` (0 gives `a`, steps gives `b`).
ColorRef Interpolate(ColorRef a, ColorRef b, int i, int steps) {
  if (steps <= 0) return a;
  auto channel = [&](int ca, int cb) { return ca + (cb - ca) * i / steps; };
  return Rgb(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)), channel(BlueOf(a), BlueOf(b)));
}

}  // namespace

Canvas::Canvas(Pixel* pixels, int width, int height, int stride_in_pixels)
    : pixels_(pixels),
      width_(pixels ? std::max(width, 0) : 0),
      height_(pixels ? std::max(height, 0) : 0),
      stride_(stride_in_pixels) {
  if (stride_ < width_) width_ = std::max(stride_, 0);
  ResetClip();
}

void Canvas::SetClip(const Region& clip) {
  clip_ = clip;
  clip_.Intersect(SurfaceRect(width_, height_));
}

void Canvas::ResetClip() {
  clip_.Clear();
  clip_.Add(SurfaceRect(width_, height_));
}

void Canvas::IntersectClip(const Rect& r) { clip_.Intersect(r.Offset(origin_)); }

bool Canvas::Visible(int surface_x, int surface_y) const { return clip_.Contains({surface_x, surface_y}); }

Pixel Canvas::GetPixel(Point p) const {
  const Point s = p + origin_;
  if (!SurfaceRect(width_, height_).Contains(s)) return 0;
  return pixels_[static_cast<size_t>(s.y) * stride_ + s.x];
}

void Canvas::SetPixel(Point p, ColorRef c) {
  const Point s = p + origin_;
  if (!Visible(s.x, s.y)) return;
  pixels_[static_cast<size_t>(s.y) * stride_ + s.x] = ToPixel(c);
}

void Canvas::FillRect(const Rect& r, ColorRef c) {
  if (r.IsEmpty()) return;
  const Rect target = r.Offset(origin_);
  const Pixel value = ToPixel(c);
  for (const Rect& clip : clip_.Rects()) {
    const Rect part = target.Intersect(clip);
    if (part.IsEmpty()) continue;
    const int span = part.Width();
    Pixel* row = pixels_ + static_cast<size_t>(part.top) * stride_ + part.left;
    for (int y = part.top; y < part.bottom; ++y, row += stride_) std::fill_n(row, span, value);
  }
}

void Canvas::FillRegion(const Region& surface_region, ColorRef c) {
  const Point saved = origin_;
  origin_ = {};
  for (const Rect& r : surface_region.Rects()) FillRect(r, c);
  origin_ = saved;
}

// Band i covers rows [i*h/bands, (i+1)*h/bands) and has colour i/(bands-1) of the way from top to
// bottom, so the last row is always exactly `bottom`. With more bands than rows some bands cover
// no row (a 45-row tab header shows 45 of its 64 bands).
void Canvas::FillGradientV(const Rect& r, ColorRef top, ColorRef bottom, int bands) {
  if (r.IsEmpty()) return;
  bands = std::max(bands, 1);
  const long long h = r.Height();
  for (int i = 0; i < bands; ++i) {
    const int y1 = r.top + static_cast<int>(i * h / bands);
    const int y2 = r.top + static_cast<int>((i + 1) * h / bands);
    if (y1 >= y2) continue;
    FillRect({r.left, y1, r.right, y2}, Interpolate(top, bottom, i, bands - 1));
  }
}

void Canvas::HLine(int x1, int x2, int y, ColorRef c) {
  if (x2 < x1) std::swap(x1, x2);
  FillRect({x1, y, x2, y + 1}, c);
}

void Canvas::VLine(int x, int y1, int y2, ColorRef c) {
  if (y2 < y1) std::swap(y1, y2);
  FillRect({x, y1, x + 1, y2}, c);
}

void Canvas::FrameRect(const Rect& r, ColorRef c) {
  if (r.IsEmpty()) return;
  HLine(r.left, r.right, r.top, c);
  HLine(r.left, r.right, r.bottom - 1, c);
  VLine(r.left, r.top + 1, r.bottom - 1, c);
  VLine(r.right - 1, r.top + 1, r.bottom - 1, c);
}

void Canvas::InvertRect(const Rect& r) {
  const Rect target = r.Offset(origin_);
  for (const Rect& clip : clip_.Rects()) {
    const Rect part = target.Intersect(clip);
    for (int y = part.top; y < part.bottom; ++y) {
      Pixel* row = pixels_ + static_cast<size_t>(y) * stride_;
      for (int x = part.left; x < part.right; ++x) row[x] ^= 0x00FFFFFFu;
    }
  }
}

}  // namespace desktop
