#include "desktop/controls/stop_icon.h"

#include <algorithm>
#include <cmath>

namespace desktop {

namespace {

constexpr ColorRef kRed = Rgb(224, 32, 32);
constexpr ColorRef kRim = Rgb(128, 0, 0);
constexpr ColorRef kShadow = Rgb(128, 128, 128);
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr int kSamples = 4;  // per axis, for smooth edges

// How much of pixel (x, y) a shape covers, 0..255, sampling it kSamples x kSamples times.
template <class Inside>
int Coverage(int x, int y, Inside inside) {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
  return hits * 255 / (kSamples * kSamples);
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

}  // namespace

void DrawStopIcon(Canvas& canvas, Point at) {
  const double c = 15.0;  // centre of the disc, in icon pixels
  const double radius = 14.0;
  const double rim = 1.5;
  auto disc = [&](double r, double ox, double oy) {
    return [=](double x, double y) { return std::hypot(x - c - ox, y - c - oy) <= r; };
  };
  auto cross = [&](double x, double y) {
    const double half_width = 2.2;
    return DistanceToSegment(x, y, 9.5, 9.5, 20.5, 20.5) <= half_width ||
           DistanceToSegment(x, y, 20.5, 9.5, 9.5, 20.5) <= half_width;
  };
  const Point o = canvas.Origin();
  for (int y = 0; y < kStopIconSize; ++y) {
    for (int x = 0; x < kStopIconSize; ++x) {
      const int sx = o.x + at.x + x;
      const int sy = o.y + at.y + y;
      // Layer by layer: shadow, rim, red face, white X.
      if (int cov = Coverage(x, y, disc(radius, 1.5, 1.5)); cov) canvas.BlendPixel(sx, sy, kShadow, cov / 2);
      if (int cov = Coverage(x, y, disc(radius, 0, 0)); cov) canvas.BlendPixel(sx, sy, kRim, cov);
      if (int cov = Coverage(x, y, disc(radius - rim, 0, 0)); cov) canvas.BlendPixel(sx, sy, kRed, cov);
      if (int cov = Coverage(x, y, cross); cov) canvas.BlendPixel(sx, sy, kWhite, cov);
    }
  }
}

}  // namespace desktop
