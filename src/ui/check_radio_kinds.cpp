#include "ui/check_radio_kinds.h"

#include "app/control_events.h"
#include "desktop/pictures/picture.h"
#include "ui/button_styles.h"
#include "ui/control_fonts.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui {

using namespace desktop;
using description::CheckBoxData;
using description::ChoiceData;
using description::RadioBoxData;

namespace {

constexpr int kClickEvent = 0;
constexpr int kOwnChecked = 10;

std::int32_t CheckedOf(Window& control) {
  const std::intptr_t state = control.SendMessage(BM_GETCHECK);
  return state == BST_CHECKED ? 1 : 0;
}

// Creates the control of either kind: styles, font, picture and start state as the data says.
template <class ControlClass, class Data>
Window* CreateChoice(const CreateParams& params, Data data, std::uint32_t automatic_type) {
  Picture picture;
  if (!data.picture.empty()) picture = DecodePicture(data.picture);
  const bool has_picture = picture.IsValid();
  const std::uint32_t style = WS_CHILD | WS_CLIPSIBLINGS | automatic_type |
                              ChoiceStyles(data, has_picture ? &picture : nullptr) | params.common_styles;
  const std::uint32_t window_identity = params.control ? params.control->window_identity : 0;
  const std::uint32_t control_identity = params.control ? params.control->Identity() : 0;
  const std::string caption = data.caption;
  const auto font_field = data.font;
  const bool checked = data.checked == 1;
  Window* control = Window::Create(std::make_unique<ControlClass>(std::move(data), window_identity, control_identity),
                                   params.parent, params.rect, style, 0, caption, params.id);
  if (control == nullptr) return nullptr;
  control->SetFont(MakeControlFont(font_field), false);
  if (has_picture) {
    const int type = picture.kind == Picture::Kind::Icon ? IMAGE_ICON : IMAGE_BITMAP;
    control->SendMessage(BM_SETIMAGE, static_cast<std::uintptr_t>(type), reinterpret_cast<std::intptr_t>(&picture));
  }
  control->SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  return control;
}

}  // namespace

std::uint32_t ChoiceStyles(const ChoiceData& data, const Picture* picture) {
  std::uint32_t style = BS_MULTILINE;
  if (data.push_like == 1) style |= BS_PUSHLIKE;
  if (data.flat == 1) style |= BS_FLAT;
  if (data.caption_left == 1) style |= BS_LEFTTEXT;
  return style | ButtonContentStyles(data.horizontal_alignment, data.vertical_alignment, picture);
}

std::int32_t ChoiceCheckBox::ReadChecked() {
  data_.checked = static_cast<std::uint32_t>(CheckedOf(*this));
  return static_cast<std::int32_t>(data_.checked);
}

void ChoiceCheckBox::GetControlColors(ColorRef& text, ColorRef& background) {
  text = data_.text_colour;
  background = ResolveBackground(data_.background_colour);
}

void ChoiceCheckBox::OnClicked() {
  const std::uint32_t window = window_identity_;
  const std::uint32_t control = control_identity_;
  app::DispatchControlEvent(window, control, kClickEvent);
}

std::int32_t ChoiceRadioButton::ReadChecked() {
  data_.checked = static_cast<std::uint32_t>(CheckedOf(*this));
  return static_cast<std::int32_t>(data_.checked);
}

void ChoiceRadioButton::GetControlColors(ColorRef& text, ColorRef& background) {
  text = data_.text_colour;
  background = ResolveBackground(data_.background_colour);
}

void ChoiceRadioButton::OnClicked() {
  const std::uint32_t window = window_identity_;
  const std::uint32_t control = control_identity_;
  app::DispatchControlEvent(window, control, kClickEvent);
}

Window* CreateCheckBox(const CreateParams& params) {
  std::optional<CheckBoxData> data = description::ParseCheckBoxData(params.kind_data);
  if (!data) return nullptr;
  return CreateChoice<ChoiceCheckBox>(params, std::move(*data), BS_AUTOCHECKBOX);
}

Window* CreateRadioBox(const CreateParams& params) {
  std::optional<RadioBoxData> data = description::ParseRadioBoxData(params.kind_data);
  if (!data) return nullptr;
  return CreateChoice<ChoiceRadioButton>(params, std::move(*data), BS_AUTORADIOBUTTON);
}

namespace {

std::optional<RawProperty> ReadCheckBoxProperty(Control& control, int own_property) {
  if (own_property != kOwnChecked) return std::nullopt;
  auto* box = dynamic_cast<ChoiceCheckBox*>(control.window);
  if (box == nullptr) return std::nullopt;
  return RawProperty{box->ReadChecked()};
}

std::optional<RawProperty> ReadRadioBoxProperty(Control& control, int own_property) {
  if (own_property != kOwnChecked) return std::nullopt;
  auto* radio = dynamic_cast<ChoiceRadioButton*>(control.window);
  if (radio == nullptr) return std::nullopt;
  return RawProperty{radio->ReadChecked()};
}

}  // namespace

const KindOps kCheckBoxKind{.type = static_cast<std::uint32_t>(description::RecordType::kCheckBox),
                            .create = &CreateCheckBox,
                            .read_property = &ReadCheckBoxProperty,
                            .can_take_focus = true};

const KindOps kRadioBoxKind{.type = static_cast<std::uint32_t>(description::RecordType::kRadioBox),
                            .create = &CreateRadioBox,
                            .read_property = &ReadRadioBoxProperty,
                            .can_take_focus = true};

}  // namespace ui
