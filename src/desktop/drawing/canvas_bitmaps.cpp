// Bitmaps onto the canvas (natural size, stretched, embossed for disabled content) and the
// coverage blending that text drawing uses.
#include <algorithm>
#include <vector>

#include "desktop/drawing/canvas.h"

namespace desktop {

namespace {

constexpr Pixel kOpaque = 0xFF000000u;

bool IsWellFormed(const Bitmap& bmp) {
  return !bmp.IsEmpty() && bmp.pixels.size() >= static_cast<size_t>(bmp.width) * static_cast<size_t>(bmp.height);
}

Pixel Blend(Pixel dst, Pixel src, int coverage) {
  auto channel = [&](int shift) {
    const int d = (dst >> shift) & 0xFF;
    const int s = (src >> shift) & 0xFF;
    return static_cast<Pixel>((s * coverage + d * (255 - coverage) + 127) / 255) << shift;
  };
  return kOpaque | channel(16) | channel(8) | channel(0);
}

// Dark pixels carry the picture's drawing; light ones count as its background when it is embossed.
bool IsInk(Pixel p) {
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return (r * 299 + g * 587 + b * 114) / 1000 < 192;
}

}  // namespace

void Canvas::DrawBitmap(Point at, const Bitmap& bmp) {
  if (!IsWellFormed(bmp)) return;
  const Rect target = Rect::FromSize(at.x, at.y, bmp.width, bmp.height).Offset(origin_);
  for (const Rect& clip : clip_.Rects()) {
    const Rect part = target.Intersect(clip);
    for (int y = part.top; y < part.bottom; ++y) {
      const Pixel* src = bmp.pixels.data() + static_cast<size_t>(y - target.top) * bmp.width;
      Pixel* dst = pixels_ + static_cast<size_t>(y) * stride_;
      for (int x = part.left; x < part.right; ++x) {
        const Pixel p = src[x - target.left];
        if (p >> 24) dst[x] = p | kOpaque;
      }
    }
  }
}

// Nearest neighbour, sampling the source at the centre of each destination pixel.
void Canvas::DrawBitmapStretched(const Rect& dst_rect, const Bitmap& bmp) {
  if (!IsWellFormed(bmp) || dst_rect.IsEmpty()) return;
  const Rect target = dst_rect.Offset(origin_);
  const long long dw = target.Width(), dh = target.Height();
  std::vector<int> source_x;
  for (const Rect& clip : clip_.Rects()) {
    const Rect part = target.Intersect(clip);
    if (part.IsEmpty()) continue;
    source_x.resize(part.Width());
    for (int x = part.left; x < part.right; ++x)
      source_x[x - part.left] = static_cast<int>(((2LL * (x - target.left) + 1) * bmp.width) / (2 * dw));
    for (int y = part.top; y < part.bottom; ++y) {
      const int sy = static_cast<int>(((2LL * (y - target.top) + 1) * bmp.height) / (2 * dh));
      const Pixel* src = bmp.pixels.data() + static_cast<size_t>(sy) * bmp.width;
      Pixel* dst = pixels_ + static_cast<size_t>(y) * stride_ + part.left;
      for (int i = 0; i < part.Width(); ++i) {
        const Pixel p = src[source_x[i]];
        if (p >> 24) dst[i] = p | kOpaque;
      }
    }
  }
}

// The platform's disabled look: the picture's ink as a white copy one pixel down and right, with a
// shadow-grey copy on top at the picture's own place.
void Canvas::DrawBitmapDisabled(Point at, const Bitmap& bmp) {
  if (!IsWellFormed(bmp)) return;
  for (const auto& [offset, colour] : {std::pair{1, syscolor::kButtonHighlight}, std::pair{0, syscolor::kButtonShadow}}) {
    for (int y = 0; y < bmp.height; ++y)
      for (int x = 0; x < bmp.width; ++x) {
        const Pixel p = bmp.At(x, y);
        if ((p >> 24) && IsInk(p)) SetPixel({at.x + x + offset, at.y + y + offset}, colour);
      }
  }
}

void Canvas::BlendPixel(int surface_x, int surface_y, ColorRef c, int coverage) {
  if (coverage <= 0 || !Visible(surface_x, surface_y)) return;
  Pixel& dst = pixels_[static_cast<size_t>(surface_y) * stride_ + surface_x];
  dst = coverage >= 255 ? ToPixel(c) : Blend(dst, ToPixel(c), coverage);
}

void Canvas::BlendMask(int surface_x, int surface_y, const std::uint8_t* coverage, int mask_width, int mask_height,
                       int pitch, ColorRef c) {
  if (!coverage || mask_width <= 0 || mask_height <= 0) return;
  const Rect target = Rect::FromSize(surface_x, surface_y, mask_width, mask_height);
  const Pixel solid = ToPixel(c);
  for (const Rect& clip : clip_.Rects()) {
    const Rect part = target.Intersect(clip);
    for (int y = part.top; y < part.bottom; ++y) {
      const std::uint8_t* src = coverage + static_cast<size_t>(y - target.top) * pitch;
      Pixel* dst = pixels_ + static_cast<size_t>(y) * stride_;
      for (int x = part.left; x < part.right; ++x) {
        const int a = src[x - target.left];
        if (a == 255)
          dst[x] = solid;
        else if (a)
          dst[x] = Blend(dst[x], solid, a);
      }
    }
  }
}

}  // namespace desktop
