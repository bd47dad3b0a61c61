#include "desktop/controls/checkable_button.h"

#include "desktop/controls/button_painting.h"

namespace desktop {

Rect CheckableButton::MarkRect() const {
  const Rect client = ClientRect();
  const int x = (Style() & BS_LEFTTEXT) ? client.right - kCheckMarkSize : 0;
  return AlignIn({x, 0, x + kCheckMarkSize, client.bottom}, {kCheckMarkSize, kCheckMarkSize}, HAlign::Left,
                 VerticalAlignment(Style()));
}

Rect CheckableButton::CaptionArea() const {
  const Rect client = ClientRect();
  if (Style() & BS_LEFTTEXT) return {0, 0, client.right - kCheckMarkSize - kMarkGap, client.bottom};
  return {kCheckMarkSize + kMarkGap, 0, client.right, client.bottom};
}

void CheckableButton::OnPaint(Canvas& canvas, const Region& update) {
  (void)update;
  if (Style() & BS_PUSHLIKE) {
    PaintPushLike(canvas);
    return;
  }
  ColorRef text = syscolor::kButtonText;
  ColorRef background = syscolor::kButtonFace;
  GetControlColors(text, background);
  const Rect client = ClientRect();
  canvas.FillRect(client, background);

  const Rect mark = MarkRect();
  DrawMark(canvas, mark.TopLeft(), CheckState() == BST_CHECKED, IsPushed(), IsEnabled(), (Style() & BS_FLAT) != 0);

  const Rect area = CaptionArea();
  const HAlign h = HorizontalAlignment(Style(), HAlign::Left);
  const VAlign v = VerticalAlignment(Style());
  Rect extent;
  if (ShowsImage())
    extent = DrawButtonImage(canvas, *Image(), area, h, v, IsEnabled());
  else if (!Text().empty())
    extent = DrawButtonCaption(canvas, *GetFont(), Text(), area, Style(), h, v, text, IsEnabled());
  if (HasFocus() && !extent.IsEmpty()) canvas.DrawFocusRect(extent.Inflate(1, 1).Intersect(client));
}

void CheckableButton::PaintPushLike(Canvas& canvas) {
  const Rect client = ClientRect();
  const bool checked = CheckState() == BST_CHECKED;
  FaceState state = FaceState::Raised;
  if (checked) state = FaceState::Checked;
  if (IsPushed()) state = FaceState::Pushed;
  const FaceLook look{.state = state, .is_default = false, .flat = (Style() & BS_FLAT) != 0};
  Rect content = DrawButtonFace(canvas, client, look);
  if (state != FaceState::Raised) content = content.Offset(1, 1);
  const HAlign h = HorizontalAlignment(Style(), HAlign::Center);
  const VAlign v = VerticalAlignment(Style());
  if (ShowsImage())
    DrawButtonImage(canvas, *Image(), content, h, v, IsEnabled());
  else
    DrawButtonCaption(canvas, *GetFont(), Text(), content, Style(), h, v, syscolor::kButtonText, IsEnabled());
  if (HasFocus()) canvas.DrawFocusRect(FaceFocusRect(client, look));
}

}  // namespace desktop
