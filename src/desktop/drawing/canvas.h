#pragma once
// A 32-bit drawing surface over pixels owned by someone else (a window's framebuffer, a test's
// buffer). All coordinates are relative to the origin; every operation is clipped to the clip
// region (in surface coordinates) and to the surface itself.
#include <cstddef>  // bitmap.h uses size_t
#include <cstdint>

#include "desktop/bitmap.h"
#include "desktop/color.h"
#include "desktop/geometry.h"

namespace desktop {

// The classic 3-D edges.
enum class Edge {
  Raised,        // outer: light then dark shadow; inner: light then shadow (a push button at rest)
  Sunken,        // the client edge of an edit box
  RaisedOuter,   // one-pixel raised line
  SunkenOuter,   // one-pixel sunken line (the thin "static edge")
  Etched,        // sunken line then raised line (group frames)
  DoubleRaised,  // the dialog modal frame: 3 pixels raised, face in between
  Pushed,        // a push button held down: dark frame and shadow
};

class Canvas {
 public:
  Canvas(Pixel* pixels, int width, int height, int stride_in_pixels);

  int SurfaceWidth() const { return width_; }
  int SurfaceHeight() const { return height_; }

  // Drawing position (0, 0) in surface coordinates.
  void SetOrigin(Point origin) { origin_ = origin; }
  Point Origin() const { return origin_; }

  // The clip region, in surface coordinates. Reset clips to the surface only.
  void SetClip(const Region& clip);
  void ResetClip();
  const Region& Clip() const { return clip_; }
  // Narrows the clip to a rectangle given relative to the origin.
  void IntersectClip(const Rect& r);

  Pixel GetPixel(Point p) const;  // relative to the origin; 0 outside the surface
  void SetPixel(Point p, ColorRef c);

  void FillRect(const Rect& r, ColorRef c);
  void FillRegion(const Region& surface_region, ColorRef c);  // region in surface coordinates
  // A vertical gradient from `top` to `bottom` drawn as `bands` bands of equal height.
  void FillGradientV(const Rect& r, ColorRef top, ColorRef bottom, int bands);
  void HLine(int x1, int x2, int y, ColorRef c);  // x1 up to but not including x2
  void VLine(int x, int y1, int y2, ColorRef c);
  void FrameRect(const Rect& r, ColorRef c);  // 1-pixel outline inside r
  void DrawEdge(const Rect& r, Edge edge);
  void DrawFocusRect(const Rect& r);  // dotted, every other pixel inverted
  void InvertRect(const Rect& r);

  // Bitmaps: the alpha byte of each pixel decides (0 skips the pixel, anything else draws it).
  void DrawBitmap(Point at, const Bitmap& bmp);
  void DrawBitmapStretched(const Rect& dst, const Bitmap& bmp);
  // A grey embossed copy of the bitmap, as the platform draws disabled content.
  void DrawBitmapDisabled(Point at, const Bitmap& bmp);
  // Alpha-blends a pixel onto the surface: coverage 0..255 of colour c (the text engine).
  void BlendPixel(int surface_x, int surface_y, ColorRef c, int coverage);
  // Blends a coverage mask (one byte per pixel, 0..255, rows `pitch` bytes apart) of colour c with
  // its top-left corner at a surface point: a glyph in one call, clipped rectangle by rectangle.
  void BlendMask(int surface_x, int surface_y, const std::uint8_t* coverage, int mask_width, int mask_height,
                 int pitch, ColorRef c);
  // True when the surface point lies inside the clip region.
  bool Visible(int surface_x, int surface_y) const;

 private:
  Pixel* pixels_;
  int width_;
  int height_;
  int stride_;
  Point origin_;
  Region clip_;
};

}  // namespace desktop
