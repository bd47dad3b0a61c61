#pragma once
// What every control of the "BUTTON" class shares: the press held with the mouse (capture; a
// release outside cancels) or with the space bar, the check state, the picture shown in place of
// the caption (BM_SETIMAGE keeps a copy), the BM_* messages and the click notification to the
// parent. The kinds (push button, check box, radio button) add their look and what a click does
// to their state.
#include <cstdint>
#include <optional>

#include "desktop/bitmap.h"
#include "desktop/window/window.h"

namespace desktop {

class ButtonBase : public Window {
 public:
  const WindowClass& Class() const override;

  // The click, after the state changed; the default tells the parent (BN_CLICKED). The parent may
  // destroy the button from there, so nothing touches the button after this call.
  virtual void OnClicked();
  // Caption and background colours (check boxes and radio buttons ask; the ui layer overrides).
  virtual void GetControlColors(ColorRef& text, ColorRef& background);

  unsigned ButtonType() const { return Style() & BS_TYPEMASK; }
  int CheckState() const { return check_; }
  // BM_SETCHECK: values above what the kind holds are cut to its highest state.
  void SetCheckState(int state);
  // The pushed look (BM_GETSTATE / BM_SETSTATE).
  bool IsPushed() const { return pushed_; }
  void SetPushed(bool pushed);
  // The picture shown instead of the caption when the style has BS_BITMAP or BS_ICON. The button
  // keeps its own copy; null removes it.
  void SetImage(const Picture* picture);
  const Picture* Image() const { return image_ ? &*image_ : nullptr; }
  // True when the picture is drawn rather than the caption.
  bool ShowsImage() const;
  // BM_CLICK: as a press and release of the left button over it; nothing when disabled.
  void Click();

  unsigned GetDialogCode(const KeyEvent* key) const override;

  void OnMouseDown(const MouseEvent& e) override;
  void OnMouseMove(const MouseEvent& e) override;
  void OnMouseUp(const MouseEvent& e) override;
  bool OnKeyDown(const KeyEvent& e) override;
  bool OnKeyUp(const KeyEvent& e) override;
  void OnSetFocus(Window* previous) override;
  void OnKillFocus(Window* next) override;
  void OnCaptureChanged() override;
  bool OnEraseBackground(Canvas& canvas, const Region& update) override;
  std::intptr_t OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) override;

 protected:
  // What a click does to the state before the parent hears of it.
  virtual void ApplyClick() {}
  // The highest check state the kind holds (0: none, a push button).
  virtual int MaxCheckState() const { return 0; }

 private:
  // Ends a press without a click (capture lost, focus lost, release outside).
  void CancelPress();
  // Clears the pushed look, applies the click and tells the parent.
  void FinishClick();

  int check_ = BST_UNCHECKED;
  bool pushed_ = false;
  bool mouse_pressing_ = false;  // the left button went down on the button and is still held
  bool space_pressing_ = false;  // the space bar went down while it had the focus
  std::optional<Picture> image_;
  int image_type_ = IMAGE_BITMAP;
};

// The alignment styles, decoded; `fallback_h` applies when the style names no horizontal alignment
// (push buttons centre, check boxes and radio buttons start on the left).
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };
HAlign HorizontalAlignment(std::uint32_t style, HAlign fallback_h);
VAlign VerticalAlignment(std::uint32_t style);

}  // namespace desktop
