#include "image.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Image::Image(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height, background),
      coverage_(static_cast<std::size_t>(width) * height, 0.0) {}

void Image::Blend(int x, int y, Rgb colour, double opacity) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || opacity <= 0) return;
  opacity = std::min(opacity, 1.0);
  Rgb& p = pixels_[Index(x, y)];
  p = Mix(p, colour, opacity);
  double& c = coverage_[Index(x, y)];
  c = c + (1.0 - c) * opacity;
}

void Image::Fill(double left, double top, double right, double bottom, const Inside& inside, const Paint& paint,
                 double opacity) {
  constexpr int kSamples = 4;
  const int x0 = std::max(0, static_cast<int>(std::floor(left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(top)));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(right)));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
        }
      }
      if (hits == 0) continue;
      Blend(x, y, paint(x + 0.5, y + 0.5), opacity * hits / (kSamples * kSamples));
    }
  }
}

void Image::FillPolygon(const std::vector<Point>& points, const Paint& paint, double opacity) {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  for (const auto& p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  auto inside = [&points](double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Point& a = points[i];
      const Point& b = points[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
  };
  Fill(left, top, right, bottom, inside, paint, opacity);
}

void Image::FillEllipse(double cx, double cy, double rx, double ry, const Paint& paint, double opacity) {
  auto inside = [=](double x, double y) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  Fill(cx - rx, cy - ry, cx + rx, cy + ry, inside, paint, opacity);
}

void Image::FillRing(double cx, double cy, double outer, double inner, const Paint& paint, double from, double to) {
  const bool whole = from == to;
  auto inside = [=](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    const double d2 = dx * dx + dy * dy;
    if (d2 > outer * outer || d2 < inner * inner) return false;
    if (whole) return true;
    double angle = std::atan2(dy, dx);
    if (angle < from) angle += 2 * std::numbers::pi;
    return angle >= from && angle <= to;
  };
  Fill(cx - outer, cy - outer, cx + outer, cy + outer, inside, paint);
}

void Image::FillRect(double left, double top, double right, double bottom, const Paint& paint, double opacity) {
  auto inside = [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
  Fill(left, top, right, bottom, inside, paint, opacity);
}

void Image::StrokeLine(Point a, Point b, double width, const Paint& paint, double opacity) {
  const double r = width / 2;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  auto inside = [=](double x, double y) {
    double t = length2 == 0 ? 0 : ((x - a.x) * dx + (y - a.y) * dy) / length2;
    t = std::clamp(t, 0.0, 1.0);
    const double px = a.x + t * dx - x, py = a.y + t * dy - y;
    return px * px + py * py <= r * r;
  };
  Fill(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r, inside,
       paint, opacity);
}

Image::Paint Solid(Rgb colour) {
  return [colour](double, double) { return colour; };
}

Image::Paint VerticalGradient(Rgb top, double y0, Rgb bottom, double y1) {
  return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

Image::Paint HorizontalGradient(Rgb left, double x0, Rgb right, double x1) {
  return [=](double x, double) { return Mix(left, right, std::clamp((x - x0) / (x1 - x0), 0.0, 1.0)); };
}

}  // namespace assets
