#pragma once
// Labels: a window class of the system's own that fills its background and draws its caption with
// the stored alignment, wrapping, font, colours and text effect.
#include <memory>

#include "desktop/bitmap.h"
#include "desktop/window/window.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

class LabelWindow : public desktop::Window {
 public:
  explicit LabelWindow(description::LabelData data);

  const desktop::WindowClass& Class() const override;
  bool OnCreate() override;
  void OnPaint(desktop::Canvas& canvas, const desktop::Region& update) override;

  const description::LabelData& Data() const { return data_; }
  const desktop::Font& TextFont() const { return *font_; }
  bool HasPicture() const { return picture_.IsValid(); }

  // The layout flags of the caption: alignment across, and either word wrap from the top or one
  // line placed by the vertical alignment.
  static unsigned TextFlags(const description::LabelData& data);

 private:
  // The rectangle the content is drawn in: the client area, less the gradient frame of border 6.
  desktop::Rect DrawingRect() const;
  void PaintGradientFrame(desktop::Canvas& canvas) const;
  void PaintBackground(desktop::Canvas& canvas, const desktop::Rect& area) const;
  void PaintPicture(desktop::Canvas& canvas, const desktop::Rect& area) const;
  void PaintText(desktop::Canvas& canvas, const desktop::Rect& area) const;

  description::LabelData data_;
  std::shared_ptr<desktop::Font> font_;
  desktop::Picture picture_;
};

// The Label kind: creation from its kind data (hidden, with its border applied).
desktop::Window* CreateLabel(const CreateParams& params);
extern const KindOps kLabelKind;

}  // namespace ui
