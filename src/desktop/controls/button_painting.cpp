#include "desktop/controls/button_painting.h"

#include <algorithm>

namespace desktop {

namespace {

// The checked push-like face: button face and highlight in a checkerboard.
void FillDithered(Canvas& canvas, const Rect& r) {
  canvas.FillRect(r, syscolor::kButtonFace);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left + ((r.left + y) & 1); x < r.right; x += 2) canvas.SetPixel({x, y}, syscolor::kButtonHighlight);
}

unsigned CaptionFlags(std::uint32_t style, HAlign h) {
  unsigned flags = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  switch (h) {
    case HAlign::Left: flags |= DT_LEFT; break;
    case HAlign::Center: flags |= DT_CENTER; break;
    case HAlign::Right: flags |= DT_RIGHT; break;
  }
  return flags;
}

// The radio mark, one letter a pixel: O the outer ring, I the inner ring, W the inside, X the dot
// (inside too). The rings are shaded along the diagonal from the bottom-left to the top-right corner.
constexpr const char* kRadioPixels[kRadioMarkSize] = {
    "....OOOO....",  //
    "..OOIIIIOO..",  //
    ".OIIWWWWIIO.",  //
    ".OIWWWWWWIO.",  //
    "OIWWWXXWWWIO",  //
    "OIWWXXXXWWIO",  //
    "OIWWXXXXWWIO",  //
    "OIWWWXXWWWIO",  //
    ".OIWWWWWWIO.",  //
    ".OIIWWWWIIO.",  //
    "..OOIIIIOO..",  //
    "....OOOO....",  //
};

}  // namespace

Rect DrawButtonFace(Canvas& canvas, const Rect& r, const FaceLook& look) {
  Rect in = r;
  if (look.state == FaceState::Checked && !look.flat)
    FillDithered(canvas, r);
  else
    canvas.FillRect(r, syscolor::kButtonFace);
  if (look.is_default) {
    canvas.FrameRect(in, syscolor::kWindowFrame);
    in = in.Inflate(-1, -1);
  }
  if (look.flat) {
    canvas.FrameRect(in, look.state == FaceState::Raised ? syscolor::kWindowFrame : syscolor::kButtonShadow);
    return in.Inflate(-2, -2);
  }
  switch (look.state) {
    case FaceState::Raised:
      canvas.DrawEdge(in, Edge::Raised);
      break;
    case FaceState::Pushed:
      // A default button already has its black frame: only the shadow line follows inside it.
      if (look.is_default)
        canvas.FrameRect(in, syscolor::kButtonShadow);
      else
        canvas.DrawEdge(in, Edge::Pushed);
      break;
    case FaceState::Checked:
      canvas.DrawEdge(in, Edge::Sunken);
      break;
  }
  return in.Inflate(-2, -2);
}

Rect FaceFocusRect(const Rect& r, const FaceLook& look) {
  const Rect in = look.is_default ? r.Inflate(-1, -1) : r;
  return in.Inflate(-3, -3);
}

Rect AlignIn(const Rect& area, Size size, HAlign h, VAlign v) {
  int x = area.left;
  if (h == HAlign::Center) x = area.left + (area.Width() - size.width) / 2;
  if (h == HAlign::Right) x = area.right - size.width;
  int y = area.top;
  if (v == VAlign::Center) y = area.top + (area.Height() - size.height) / 2;
  if (v == VAlign::Bottom) y = area.bottom - size.height;
  return Rect::FromSize(x, y, size.width, size.height);
}

Rect MeasureButtonCaption(const Font& font, std::string_view text_gbk, const Rect& area, std::uint32_t style,
                          HAlign h, VAlign v) {
  Rect calc = area;
  DrawTextLayout(nullptr, font, text_gbk, calc, CaptionFlags(style, h) | DT_CALCRECT, 0);
  const Size extent{std::min(calc.Width(), area.Width()), calc.Height()};
  return AlignIn(area, extent, h, v);
}

Rect DrawButtonCaption(Canvas& canvas, const Font& font, std::string_view text_gbk, const Rect& area,
                       std::uint32_t style, HAlign h, VAlign v, ColorRef color, bool enabled) {
  const Rect extent = MeasureButtonCaption(font, text_gbk, area, style, h, v);
  if (text_gbk.empty()) return extent;
  // The lines are laid out across the whole width of the area, from the extent's top.
  const Rect lines{area.left, extent.top, area.right, extent.bottom};
  const unsigned flags = CaptionFlags(style, h);
  if (enabled) {
    Rect r = lines;
    DrawTextLayout(&canvas, font, text_gbk, r, flags, color);
  } else {
    Rect light = lines.Offset(1, 1);
    DrawTextLayout(&canvas, font, text_gbk, light, flags, syscolor::kButtonHighlight);
    Rect grey = lines;
    DrawTextLayout(&canvas, font, text_gbk, grey, flags, syscolor::kGrayText);
  }
  return extent;
}

Rect DrawButtonImage(Canvas& canvas, const Picture& picture, const Rect& area, HAlign h, VAlign v, bool enabled) {
  const Rect place = AlignIn(area, {picture.image.width, picture.image.height}, h, v);
  const Region saved = canvas.Clip();
  canvas.IntersectClip(area);
  if (enabled)
    canvas.DrawBitmap(place.TopLeft(), picture.image);
  else
    canvas.DrawBitmapDisabled(place.TopLeft(), picture.image);
  canvas.SetClip(saved);
  return place;
}

void DrawCheckMark(Canvas& canvas, Point at, const MarkLook& look) {
  const Rect box = Rect::FromSize(at.x, at.y, kCheckMarkSize, kCheckMarkSize);
  Rect inside;
  if (look.flat) {
    canvas.FrameRect(box, syscolor::kButtonShadow);
    inside = box.Inflate(-1, -1);
  } else {
    canvas.DrawEdge(box, Edge::Sunken);
    inside = box.Inflate(-2, -2);
  }
  canvas.FillRect(inside, look.pushed || !look.enabled ? syscolor::kButtonFace : syscolor::kWindow);
  if (!look.checked) return;
  // Seven columns three pixels high, down for three and up for four: the classic tick.
  const ColorRef ink = look.enabled ? syscolor::kWindowText : syscolor::kGrayText;
  for (int i = 0; i < 7; ++i) {
    const int top = i < 3 ? 5 + i : 9 - i;
    canvas.VLine(at.x + 3 + i, at.y + top, at.y + top + 3, ink);
  }
}

void DrawRadioMark(Canvas& canvas, Point at, const MarkLook& look) {
  const ColorRef inside = look.pushed || !look.enabled ? syscolor::kButtonFace : syscolor::kWindow;
  const ColorRef dot = look.enabled ? syscolor::kWindowText : syscolor::kGrayText;
  for (int y = 0; y < kRadioMarkSize; ++y) {
    for (int x = 0; x < kRadioMarkSize; ++x) {
      const bool upper_left = x + y < kRadioMarkSize - 1;
      ColorRef c;
      switch (kRadioPixels[y][x]) {
        case 'O':
          c = look.flat ? syscolor::kButtonShadow
                        : (upper_left ? syscolor::kButtonShadow : syscolor::kButtonHighlight);
          break;
        case 'I':
          c = look.flat ? inside : (upper_left ? syscolor::kDarkShadow : syscolor::kButtonLight);
          break;
        case 'W':
          c = inside;
          break;
        case 'X':
          c = look.checked ? dot : inside;
          break;
        default:
          continue;
      }
      canvas.SetPixel({at.x + x, at.y + y}, c);
    }
  }
}

}  // namespace desktop
