#pragma once
// Edit boxes: the desktop's edit control with the stored styles, colours and font, and, for a
// single-line box, its text in a band one line high in the middle of the box. The rest of the
// inside is painted in the background colour and counts as border, so a press there does not
// place the caret.
#include <memory>

#include "desktop/controls/edit_control.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

class EditBox : public desktop::EditControl {
 public:
  explicit EditBox(description::EditBoxData data);

  const description::EditBoxData& Data() const { return data_; }
  bool SingleLine() const { return data_.multi_line != 1; }

  // The window styles of a box with this data, besides WS_CHILD, WS_CLIPSIBLINGS and the common
  // flags.
  static std::uint32_t EditStyles(const description::EditBoxData& data);
  // The least height of a single-line box in this font: the height of "吴" and a 3-D edge above
  // and below.
  static int LeastHeight(const desktop::Font& font);
  // The one-line band inside `client` (window coordinates) for a font whose "W" is `line_height`
  // high: centred, the offset rounded toward zero.
  static desktop::Rect TextBand(const desktop::Rect& client, int line_height);

  void GetControlColors(desktop::ColorRef& text, desktop::ColorRef& background) override;
  desktop::Rect OnNcCalcSize(desktop::Size window_size) override;
  void OnNcPaint(desktop::Canvas& canvas) override;
  bool OnEraseBackground(desktop::Canvas& canvas, const desktop::Region& update) override;
  int OnNcHitTest(desktop::Point window_point) override;

 private:
  description::EditBoxData data_;
};

// The EditBox kind: creation from its kind data, and its text (own property 0) as the whole
// current window text.
desktop::Window* CreateEditBox(const CreateParams& params);
extern const KindOps kEditBoxKind;

}  // namespace ui
