#pragma once
// Check boxes and radio buttons: the desktop's automatic check box and radio button with the
// stored styles, colours, font, picture and start state. A click raises the control's click event;
// the checked state read through the kind is stored back into the control's data.
#include <cstdint>

#include "desktop/controls/check_box.h"
#include "desktop/controls/radio_button.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

// The button styles of check boxes and radio buttons of this data, besides WS_CHILD,
// WS_CLIPSIBLINGS, the common flags and the automatic type; with a picture that decoded, the style
// that shows it (`picture` may be null).
std::uint32_t ChoiceStyles(const description::ChoiceData& data, const desktop::Picture* picture);

class ChoiceCheckBox : public desktop::CheckBox {
 public:
  ChoiceCheckBox(description::CheckBoxData data, std::uint32_t window_identity, std::uint32_t control_identity)
      : data_(std::move(data)), window_identity_(window_identity), control_identity_(control_identity) {}

  const description::CheckBoxData& Data() const { return data_; }
  // Asks the control whether it is checked now (1, else 0; indeterminate is 0) and keeps the answer
  // as the data's checked field.
  std::int32_t ReadChecked();

  void GetControlColors(desktop::ColorRef& text, desktop::ColorRef& background) override;
  void OnClicked() override;

 private:
  description::CheckBoxData data_;
  std::uint32_t window_identity_;
  std::uint32_t control_identity_;
};

class ChoiceRadioButton : public desktop::RadioButton {
 public:
  ChoiceRadioButton(description::RadioBoxData data, std::uint32_t window_identity, std::uint32_t control_identity)
      : data_(std::move(data)), window_identity_(window_identity), control_identity_(control_identity) {}

  const description::RadioBoxData& Data() const { return data_; }
  std::int32_t ReadChecked();

  void GetControlColors(desktop::ColorRef& text, desktop::ColorRef& background) override;
  void OnClicked() override;

 private:
  description::RadioBoxData data_;
  std::uint32_t window_identity_;
  std::uint32_t control_identity_;
};

desktop::Window* CreateCheckBox(const CreateParams& params);
desktop::Window* CreateRadioBox(const CreateParams& params);
extern const KindOps kCheckBoxKind;
extern const KindOps kRadioBoxKind;

}  // namespace ui
