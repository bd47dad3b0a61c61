#pragma once
// A small RGBA raster with anti-aliased shape filling, enough to draw the window's pictures.
// Every shape is sampled 4 x 4 times per pixel, so the same program always gives the same pixels.
#include <cstdint>
#include <functional>
#include <vector>

namespace assets {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

constexpr Rgb RgbOf(int r, int g, int b) { return {double(r), double(g), double(b)}; }
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b

struct Point {
  double x = 0, y = 0;
};

class Image {
 public:
  Image(int width, int height, Rgb background);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  // How much of the pixel any shape covered, 0 to 1 (for pictures with a transparency mask).
  double Coverage(int x, int y) const { return coverage_[Index(x, y)]; }

  // Blends `colour` into one pixel with the given opacity.
  void Blend(int x, int y, Rgb colour, double opacity);

  // Fills the region `inside` says a point belongs to, within the bounding box, with a colour that
  // may vary with the place.
  using Inside = std::function<bool(double x, double y)>;
  using Paint = std::function<Rgb(double x, double y)>;
  void Fill(double left, double top, double right, double bottom, const Inside& inside, const Paint& paint,
            double opacity = 1.0);

  void FillPolygon(const std::vector<Point>& points, const Paint& paint, double opacity = 1.0);
  void FillEllipse(double cx, double cy, double rx, double ry, const Paint& paint, double opacity = 1.0);
  // A ring between two radii; with from/to (radians, y downwards) only that arc of it.
  void FillRing(double cx, double cy, double outer, double inner, const Paint& paint, double from = 0,
                double to = 0);
  void FillRect(double left, double top, double right, double bottom, const Paint& paint, double opacity = 1.0);
  // A line with round ends.
  void StrokeLine(Point a, Point b, double width, const Paint& paint, double opacity = 1.0);

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
  std::vector<double> coverage_;
};

// A paint of one colour.
Image::Paint Solid(Rgb colour);
// A vertical gradient from `top` at y0 to `bottom` at y1.
Image::Paint VerticalGradient(Rgb top, double y0, Rgb bottom, double y1);
// A horizontal gradient from `left` at x0 to `right` at x1.
Image::Paint HorizontalGradient(Rgb left, double x0, Rgb right, double x1);

}  // namespace assets
