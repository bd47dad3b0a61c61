#include "desktop/controls/push_button.h"

#include "desktop/controls/button_painting.h"

namespace desktop {

unsigned PushButton::GetDialogCode(const KeyEvent* key) const {
  return ButtonBase::GetDialogCode(key) | (IsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void PushButton::OnPaint(Canvas& canvas, const Region& update) {
  (void)update;
  const Rect client = ClientRect();
  const FaceLook look{.state = IsPushed() ? FaceState::Pushed : FaceState::Raised,
                      .is_default = IsDefault(),
                      .flat = (Style() & BS_FLAT) != 0};
  Rect content = DrawButtonFace(canvas, client, look);
  if (IsPushed()) content = content.Offset(1, 1);

  const HAlign h = HorizontalAlignment(Style(), HAlign::Center);
  const VAlign v = VerticalAlignment(Style());
  if (ShowsImage())
    DrawButtonImage(canvas, *Image(), content, h, v, IsEnabled());
  else
    DrawButtonCaption(canvas, *GetFont(), Text(), content, Style(), h, v, syscolor::kButtonText, IsEnabled());

  if (HasFocus()) canvas.DrawFocusRect(FaceFocusRect(client, look));
}

}  // namespace desktop
