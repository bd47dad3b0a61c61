#pragma once
// What check boxes and radio buttons share: the mark beside the caption (on the right with
// BS_LEFTTEXT), the caption or picture placed by the alignment styles, colours asked of the
// control, the push-like look (BS_PUSHLIKE) and the focus rectangle around the caption.
#include "desktop/controls/button_base.h"

namespace desktop {

class CheckableButton : public ButtonBase {
 public:
  void OnPaint(Canvas& canvas, const Region& update) override;

  // Where the mark and the caption go in the client area (not for the push-like look).
  Rect MarkRect() const;
  Rect CaptionArea() const;

 protected:
  int MaxCheckState() const override { return BST_CHECKED; }
  // Draws the kind's mark with its top-left corner at `at`.
  virtual void DrawMark(Canvas& canvas, Point at, bool checked, bool pushed, bool enabled, bool flat) = 0;

 private:
  void PaintPushLike(Canvas& canvas);
};

}  // namespace desktop
