#pragma once
// The hint pop-up: a small window framed by a black line, topmost and never activated, showing one
// line of text in the default interface font on the info background. It is placed by its top-left
// corner at a screen point and moved left or up as far as needed to stay on the screen. The
// pointer passes through it to whatever lies below.
#include <functional>
#include <string_view>

#include "desktop/window/window.h"

namespace desktop {

// Space between the frame and the text.
constexpr int kHintPaddingX = 3;
constexpr int kHintPaddingY = 2;

class HintWindow : public Window {
 public:
  // Creates the pop-up, hidden. It goes with `owner`'s top-level window when that is destroyed
  // (none: it lives until destroyed itself).
  static HintWindow* Create(Window* owner = nullptr);

  // Shows `text_gbk` with the pop-up's top-left corner at `screen`, kept on the screen.
  void ShowAt(std::string_view text_gbk, Point screen);
  void Hide();
  bool IsShowing() const { return IsShown(); }
  // The pop-up's top-left corner on the screen.
  Point Position() const { return WindowRect().TopLeft(); }
  // The outer size the pop-up takes for a text: the text, the padding and the frame.
  Size SizeFor(std::string_view text_gbk) const;

  // Called when the pop-up is destroyed, by whoever destroys it.
  std::function<void()> on_destroy;

  const WindowClass& Class() const override;
  void OnDestroy() override;
  void OnPaint(Canvas& canvas, const Region& update) override;
  int OnNcHitTest(Point window_point) override;
  void OnSetText() override;
};

}  // namespace desktop
