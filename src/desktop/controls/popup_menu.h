#pragma once
// A popup menu: a top-level WS_POPUP window listing items, run modally until an item is chosen or
// the menu is dismissed. Up and Down move the highlight (wrapping, over separators), Enter
// chooses, Esc dismisses, a mnemonic letter ("&U") chooses its item; the pointer highlights, a
// release over an enabled item chooses it, a press outside the menu dismisses it. Disabled items
// can be highlighted but not chosen.
#include <string>
#include <vector>

#include "desktop/window/window.h"

namespace desktop {

struct MenuItem {
  std::string text_gbk;  // "&" marks the mnemonic; empty for a separator
  int id = 0;            // 0 for a separator
  bool enabled = true;
  bool IsSeparator() const { return id == 0; }
};

class PopupMenu : public Window {
 public:
  // `chosen` receives the chosen item's id (it is left alone when the menu is dismissed).
  PopupMenu(std::vector<MenuItem> items, int* chosen);

  const WindowClass& Class() const override;

  // The size the items need, for `font`.
  static Size MeasureItems(const std::vector<MenuItem>& items, const Font& font);
  // The item at a client point, or -1.
  int ItemAt(Point client) const;
  Rect ItemRect(int index) const;
  int Highlighted() const { return highlighted_; }
  const std::vector<MenuItem>& Items() const { return items_; }

  void OnPaint(Canvas& canvas, const Region& update) override;
  bool OnKeyDown(const KeyEvent& e) override;
  void OnMouseMove(const MouseEvent& e) override;
  void OnMouseDown(const MouseEvent& e) override;
  void OnMouseUp(const MouseEvent& e) override;
  void OnActivate(bool active) override;
  void OnCaptureChanged() override;
  void OnClose() override;

  // Chooses the item (when enabled) or dismisses the menu (index -1); the window is destroyed.
  void Finish(int index);

 private:
  void Highlight(int index);
  void Step(int direction);

  std::vector<MenuItem> items_;
  int* chosen_;
  int highlighted_ = -1;
  bool finished_ = false;
};

// Shows `items` with the menu's top-left corner at `screen` (moved to stay on the screen) and runs
// it modally. Answers the chosen item's id, or 0 when the menu was dismissed or cannot be shown.
// The menu belongs to `owner`'s top-level window, if given, and goes when that window goes.
int TrackPopupMenu(const std::vector<MenuItem>& items, Point screen, Window* owner = nullptr);

}  // namespace desktop
