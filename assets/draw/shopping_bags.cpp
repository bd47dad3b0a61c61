#include "shopping_bags.h"

#include <numbers>

namespace assets {
namespace {

constexpr double kPi = std::numbers::pi;

struct BagColours {
  Rgb light, dark, outline, rim, handle;
};

// A bag whose front face is the trapezoid from (left, top)-(right, top) to the wider bottom edge,
// with a looped handle above it.
void DrawBag(Image& image, double left, double right, double top, double bottom, double flare, const BagColours& c) {
  const double mid = (left + right) / 2;
  const double handle_radius = (right - left) * 0.3;
  image.FillRing(mid, top + 1, handle_radius + 2.6, handle_radius - 0.2, Solid(c.outline), -kPi, 0);
  image.FillRing(mid, top + 1, handle_radius + 1.6, handle_radius + 0.8, Solid(c.handle), -kPi, 0);

  image.FillPolygon({{left, top}, {right, top}, {right + flare, bottom}, {left - flare, bottom}}, Solid(c.outline));
  image.FillPolygon({{left + 1.5, top + 1.5}, {right - 1.5, top + 1.5}, {right + flare - 1.5, bottom - 1.5},
                     {left - flare + 1.5, bottom - 1.5}},
                    HorizontalGradient(c.light, left, c.dark, right + flare));
  // The folded rim along the top and the shade down the right-hand side give the bag depth.
  image.FillRect(left + 1.5, top + 1.5, right - 1.5, top + 5, Solid(c.rim));
  image.FillPolygon({{right - 6, top + 5}, {right - 1.5, top + 5}, {right + flare - 1.5, bottom - 1.5},
                     {right + flare - 5, bottom - 1.5}},
                    Solid(c.dark), 0.35);
  // The holes the handle goes through.
  image.FillEllipse(mid - handle_radius + 0.7, top + 3.3, 1.3, 1.3, Solid(c.outline));
  image.FillEllipse(mid + handle_radius - 0.7, top + 3.3, 1.3, 1.3, Solid(c.outline));
}

void DrawMagnifier(Image& image) {
  const double cx = 53, cy = 25, outer = 15, inner = 11.5;
  const Rgb steel_light = RgbOf(150, 160, 180), steel_dark = RgbOf(55, 62, 80);
  const Rgb wood = RgbOf(105, 55, 25), wood_light = RgbOf(170, 100, 50);

  // Handle, from the rim down to the right.
  image.StrokeLine({69.5, 44.5}, {74.5, 62}, 8, Solid(RgbOf(60, 30, 10)));
  image.StrokeLine({69.5, 44.5}, {74.5, 62}, 6, HorizontalGradient(wood_light, 67, wood, 78));
  image.StrokeLine({63.5, 35.5}, {69.5, 44}, 8.5, Solid(steel_dark));
  image.StrokeLine({63.5, 35.5}, {69.5, 44}, 5.5, Solid(steel_light));

  // Glass, tinted and see-through, with a glint.
  image.FillEllipse(cx, cy, inner, inner, Solid(RgbOf(190, 225, 250)), 0.55);
  image.FillRing(cx, cy, inner - 2.5, inner - 4.5, Solid(RgbOf(255, 255, 255)), -kPi * 0.95, -kPi * 0.55);
  image.FillEllipse(cx - 5, cy - 6.5, 1.6, 1.6, Solid(RgbOf(255, 255, 255)), 0.9);

  // Rim.
  image.FillRing(cx, cy, outer, inner, Solid(steel_dark));
  image.FillRing(cx, cy, outer - 1, inner + 1, VerticalGradient(steel_light, cy - outer, steel_dark, cy + outer));
}

}  // namespace

void DrawShoppingBags(Image& image) {
  const BagColours pink{RgbOf(250, 160, 205), RgbOf(225, 70, 145), RgbOf(150, 30, 90), RgbOf(255, 200, 228),
                        RgbOf(200, 60, 130)};
  const BagColours orange{RgbOf(255, 200, 90), RgbOf(245, 120, 10), RgbOf(165, 70, 0), RgbOf(255, 225, 150),
                          RgbOf(215, 95, 0)};
  DrawBag(image, 7, 38, 21, 61, 2, pink);
  DrawBag(image, 25, 56, 32, 66, 2.5, orange);
  DrawMagnifier(image);
}

}  // namespace assets
