#pragma once
// The tab control's hint: a small framed pop-up, topmost and never activated, showing one text in
// the default interface font, kept on the screen.
#include <string>

#include "desktop/geometry.h"

namespace desktop {
class Window;
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
  // The pop-up tells its hint when it is destroyed, by whoever destroys it.
  void PopupDestroyed() { popup_ = nullptr; }

 private:
  desktop::Window* popup_ = nullptr;
  std::string text_;
};

}  // namespace ui
