#include "desktop/controls/button_base.h"

#include <algorithm>

namespace desktop {

const WindowClass& ButtonBase::Class() const {
  // Double-clicks are on so that a quick second press reaches the button as a press again.
  static const WindowClass kClass{.name = "BUTTON", .cursor = CursorShape::Arrow, .double_clicks = true};
  return kClass;
}

void ButtonBase::OnClicked() {
  if (Window* parent = Parent()) parent->OnCommand(this, BN_CLICKED);
}

void ButtonBase::GetControlColors(ColorRef& text, ColorRef& background) {
  text = syscolor::kButtonText;
  background = syscolor::kButtonFace;
}

void ButtonBase::SetCheckState(int state) {
  state = std::clamp(state, 0, MaxCheckState());
  if (state == check_) return;
  check_ = state;
  Invalidate(false);
}

void ButtonBase::SetPushed(bool pushed) {
  if (pushed == pushed_) return;
  pushed_ = pushed;
  Invalidate(false);
}

void ButtonBase::SetImage(const Picture* picture) {
  if (picture && picture->IsValid())
    image_ = *picture;
  else
    image_.reset();
  Invalidate(false);
}

bool ButtonBase::ShowsImage() const { return image_ && (Style() & (BS_BITMAP | BS_ICON)) != 0; }

void ButtonBase::Click() {
  if (!IsEnabled()) return;
  CancelPress();
  FinishClick();
}

unsigned ButtonBase::GetDialogCode(const KeyEvent* key) const {
  (void)key;
  return DLGC_BUTTON;
}

void ButtonBase::OnMouseDown(const MouseEvent& e) {
  if (e.button != MouseButton::Left || !IsEnabled()) return;
  SetFocus();
  mouse_pressing_ = true;
  SetCapture();
  SetPushed(true);
}

void ButtonBase::OnMouseMove(const MouseEvent& e) {
  if (!mouse_pressing_) return;
  SetPushed(ClientRect().Contains(e.pos));
}

void ButtonBase::OnMouseUp(const MouseEvent& e) {
  if (e.button != MouseButton::Left || !mouse_pressing_) return;
  mouse_pressing_ = false;
  const bool inside = ClientRect().Contains(e.pos);
  if (HasCapture()) ReleaseCapture();
  if (inside) {
    FinishClick();
  } else {
    SetPushed(false);
  }
}

bool ButtonBase::OnKeyDown(const KeyEvent& e) {
  if (e.vk != VK_SPACE) return false;
  if (!e.repeat && !e.mods.Any() && IsEnabled() && !mouse_pressing_) {
    space_pressing_ = true;
    SetPushed(true);
  }
  return true;
}

bool ButtonBase::OnKeyUp(const KeyEvent& e) {
  if (e.vk != VK_SPACE) return false;
  if (space_pressing_) {
    space_pressing_ = false;
    if (pushed_) FinishClick();
  }
  return true;
}

void ButtonBase::OnSetFocus(Window* previous) {
  (void)previous;
  Invalidate(false);
}

void ButtonBase::OnKillFocus(Window* next) {
  (void)next;
  CancelPress();
  Invalidate(false);
}

void ButtonBase::OnCaptureChanged() {
  // Someone else took the mouse while the button was held: the press ends without a click.
  if (mouse_pressing_ && !HasCapture()) CancelPress();
}

bool ButtonBase::OnEraseBackground(Canvas& canvas, const Region& update) {
  (void)canvas;
  (void)update;
  return true;  // the paint covers the whole client area
}

void ButtonBase::CancelPress() {
  const bool had_capture = mouse_pressing_;
  mouse_pressing_ = false;
  space_pressing_ = false;
  if (had_capture && HasCapture()) ReleaseCapture();
  SetPushed(false);
}

void ButtonBase::FinishClick() {
  SetPushed(false);
  ApplyClick();
  OnClicked();
}

std::intptr_t ButtonBase::OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (msg) {
    case BM_GETCHECK:
      return check_;
    case BM_SETCHECK:
      SetCheckState(static_cast<int>(wparam));
      return 0;
    case BM_GETSTATE:
      return check_ | (pushed_ ? BST_PUSHED : 0) | (HasFocus() ? BST_FOCUS : 0);
    case BM_SETSTATE:
      SetPushed(wparam != 0);
      return 0;
    case BM_SETSTYLE: {
      const std::uint32_t keep = Style() & ~0xFFFFu;
      SetStyle(keep | (static_cast<std::uint32_t>(wparam) & 0xFFFFu));
      if (lparam) Invalidate(false);
      return 0;
    }
    case BM_CLICK:
      Click();
      return 0;
    case BM_GETIMAGE:
      if (!image_ || static_cast<int>(wparam) != image_type_) return 0;
      return reinterpret_cast<std::intptr_t>(&*image_);
    case BM_SETIMAGE: {
      const bool had = image_.has_value();
      image_type_ = static_cast<int>(wparam);
      SetImage(reinterpret_cast<const Picture*>(lparam));
      return had ? 1 : 0;
    }
    default:
      return Window::OnMessage(msg, wparam, lparam);
  }
}

HAlign HorizontalAlignment(std::uint32_t style, HAlign fallback_h) {
  switch (style & BS_CENTER) {
    case BS_LEFT: return HAlign::Left;
    case BS_RIGHT: return HAlign::Right;
    case BS_CENTER: return HAlign::Center;
    default: return fallback_h;
  }
}

VAlign VerticalAlignment(std::uint32_t style) {
  switch (style & BS_VCENTER) {
    case BS_TOP: return VAlign::Top;
    case BS_BOTTOM: return VAlign::Bottom;
    default: return VAlign::Center;
  }
}

}  // namespace desktop
