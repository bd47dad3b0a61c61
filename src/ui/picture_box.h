#pragma once
// Picture boxes: a window class of the system's own that fills its background and draws one
// picture at its natural size, stretched, or centred and shrunk to fit.
#include <cstddef>

#include "desktop/bitmap.h"
#include "desktop/geometry.h"
#include "desktop/window/window.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

enum class PictureDrawMode { kNaturalTopLeft = 0, kStretched = 1, kCentredShrunk = 2 };

// Where a picture of `picture` size is drawn in `area` by draw mode `mode`; an empty rectangle
// for a mode that draws nothing. A rectangle the size of the picture means natural size.
desktop::Rect PicturePlace(std::uint32_t mode, desktop::Size picture, const desktop::Rect& area);

class PictureBoxWindow : public desktop::Window {
 public:
  explicit PictureBoxWindow(description::PicBoxData data);

  const desktop::WindowClass& Class() const override;
  bool OnCreate() override;
  void OnPaint(desktop::Canvas& canvas, const desktop::Region& update) override;

  const description::PicBoxData& Data() const { return data_; }
  bool HasPicture() const { return picture_.IsValid(); }

 private:
  description::PicBoxData data_;
  desktop::Picture picture_;
};

desktop::Window* CreatePictureBox(const CreateParams& params);
extern const KindOps kPicBoxKind;

}  // namespace ui
