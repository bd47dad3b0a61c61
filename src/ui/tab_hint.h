#pragma once
// The tab control's hint: the desktop's hint pop-up, made when first needed and kept while the
// tab control lives.
#include <string>

#include "desktop/geometry.h"

namespace desktop {
class HintWindow;
}

namespace ui {

class TabHint {
 public:
  TabHint() = default;
  ~TabHint();
  TabHint(const TabHint&) = delete;
  TabHint& operator=(const TabHint&) = delete;

  // Shows `text_gbk` with its top-left corner at `screen`, moved left or up as far as needed to
  // stay on the screen.
  void Show(const std::string& text_gbk, desktop::Point screen);
  void Hide();
  bool IsShown() const;
  const std::string& Text() const { return text_; }
  // The pop-up's top-left corner on the screen while shown.
  desktop::Point Position() const;
  // Destroys the pop-up (its owner goes).
  void Close();

 private:
  desktop::HintWindow* popup_ = nullptr;
  std::string text_;
};

}  // namespace ui
