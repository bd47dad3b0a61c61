// The classic 3-D edges and the focus rectangle, drawn one-pixel ring by ring from the outside in.
#include "desktop/drawing/canvas.h"

namespace desktop {

namespace {

struct Ring {
  ColorRef top_left;
  ColorRef bottom_right;
};

constexpr Ring kRaisedOuterRing{syscolor::kButtonHighlight, syscolor::kDarkShadow};
constexpr Ring kRaisedInnerRing{syscolor::kButtonLight, syscolor::kButtonShadow};
constexpr Ring kSunkenOuterRing{syscolor::kButtonShadow, syscolor::kButtonHighlight};
constexpr Ring kSunkenInnerRing{syscolor::kDarkShadow, syscolor::kButtonLight};
constexpr Ring kThinRaisedRing{syscolor::kButtonHighlight, syscolor::kButtonShadow};
constexpr Ring kFaceRing{syscolor::kButtonFace, syscolor::kButtonFace};
constexpr Ring kPushedOuterRing{syscolor::kWindowFrame, syscolor::kWindowFrame};
constexpr Ring kPushedInnerRing{syscolor::kButtonShadow, syscolor::kButtonShadow};

// One ring on the border of r. The top-right and bottom-left corner pixels belong to the
// bottom-right colour, so a raised ring's light stops one pixel short of those corners.
void DrawRing(Canvas& canvas, const Rect& r, Ring ring) {
  if (r.IsEmpty()) return;
  canvas.HLine(r.left, r.right - 1, r.top, ring.top_left);
  canvas.VLine(r.left, r.top, r.bottom - 1, ring.top_left);
  canvas.HLine(r.left, r.right, r.bottom - 1, ring.bottom_right);
  canvas.VLine(r.right - 1, r.top, r.bottom - 1, ring.bottom_right);
}

void DrawRings(Canvas& canvas, Rect r, std::initializer_list<Ring> rings) {
  for (const Ring& ring : rings) {
    DrawRing(canvas, r, ring);
    r = r.Inflate(-1, -1);
  }
}

}  // namespace

void Canvas::DrawEdge(const Rect& r, Edge edge) {
  switch (edge) {
    case Edge::Raised:
      DrawRings(*this, r, {kRaisedOuterRing, kRaisedInnerRing});
      break;
    case Edge::Sunken:
      DrawRings(*this, r, {kSunkenOuterRing, kSunkenInnerRing});
      break;
    case Edge::RaisedOuter:
      DrawRings(*this, r, {kThinRaisedRing});
      break;
    case Edge::SunkenOuter:
      DrawRings(*this, r, {kSunkenOuterRing});
      break;
    case Edge::Etched:
      DrawRings(*this, r, {kSunkenOuterRing, kThinRaisedRing});
      break;
    case Edge::DoubleRaised:
      DrawRings(*this, r, {kRaisedOuterRing, kRaisedInnerRing, kFaceRing});
      break;
    case Edge::Pushed:
      DrawRings(*this, r, {kPushedOuterRing, kPushedInnerRing});
      break;
  }
}

// Every other pixel of the outline is inverted, on a checkerboard fixed to the drawing origin, so
// drawing the same focus rectangle twice restores what was there. Each outline pixel is visited
// once, corners included.
void Canvas::DrawFocusRect(const Rect& r) {
  if (r.IsEmpty()) return;
  auto invert = [&](int x, int y) {
    if (((x + y) & 1) == 0) InvertRect({x, y, x + 1, y + 1});
  };
  for (int x = r.left; x < r.right; ++x) {
    invert(x, r.top);
    if (r.bottom - 1 > r.top) invert(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    invert(r.left, y);
    if (r.right - 1 > r.left) invert(r.right - 1, y);
  }
}

}  // namespace desktop
