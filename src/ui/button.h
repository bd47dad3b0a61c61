#pragma once
// Picture buttons: the desktop's push button with the stored alignment, font and picture (shown in
// place of the caption), the default push button look for kind 1, and a click that raises the
// control's click event.
#include <cstdint>

#include "desktop/controls/push_button.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

class PictureButton : public desktop::PushButton {
 public:
  PictureButton(std::uint32_t window_identity, std::uint32_t control_identity)
      : window_identity_(window_identity), control_identity_(control_identity) {}

  // The button styles of this data, besides WS_CHILD, WS_CLIPSIBLINGS and the common flags; with
  // a picture that decoded, the style that shows it (`picture` may be null).
  static std::uint32_t ButtonStyles(const description::ButtonData& data, const desktop::Picture* picture);

  void OnClicked() override;

 private:
  std::uint32_t window_identity_;
  std::uint32_t control_identity_;
};

// The Button kind. A picture that cannot be recognised or decoded leaves a plain captioned button.
desktop::Window* CreateButton(const CreateParams& params);
extern const KindOps kButtonKind;

}  // namespace ui
