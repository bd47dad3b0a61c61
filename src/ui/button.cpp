#include "ui/button.h"

#include "app/control_events.h"
#include "desktop/pictures/picture.h"
#include "ui/button_styles.h"
#include "ui/control_fonts.h"
#include "ui/description/reader.h"
#include "ui/description/stored_form.h"

namespace ui {

using namespace desktop;
using description::ButtonData;

namespace {
constexpr int kClickEvent = 0;
}  // namespace

std::uint32_t PictureButton::ButtonStyles(const ButtonData& data, const Picture* picture) {
  std::uint32_t style = BS_MULTILINE;
  style |= data.kind == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  return style | ButtonContentStyles(data.horizontal_alignment, data.vertical_alignment, picture);
}

void PictureButton::OnClicked() {
  // The handler may do anything, the window's end included: nothing of the button is used after.
  const std::uint32_t window = window_identity_;
  const std::uint32_t control = control_identity_;
  app::DispatchControlEvent(window, control, kClickEvent);
}

Window* CreateButton(const CreateParams& params) {
  std::optional<ButtonData> data = description::ParseButtonData(params.kind_data);
  if (!data) return nullptr;
  Picture picture;
  if (!data->picture.empty()) picture = DecodePicture(data->picture);
  const bool has_picture = picture.IsValid();

  const std::uint32_t style =
      WS_CHILD | WS_CLIPSIBLINGS | PictureButton::ButtonStyles(*data, has_picture ? &picture : nullptr) |
      params.common_styles;
  const std::uint32_t window_identity = params.control ? params.control->window_identity : 0;
  const std::uint32_t control_identity = params.control ? params.control->Identity() : 0;
  Window* button = Window::Create(std::make_unique<PictureButton>(window_identity, control_identity), params.parent,
                                  params.rect, style, 0, data->caption, params.id);
  if (button == nullptr) return nullptr;
  button->SetFont(MakeControlFont(data->font), false);
  if (has_picture) {
    const int type = picture.kind == Picture::Kind::Icon ? IMAGE_ICON : IMAGE_BITMAP;
    button->SendMessage(BM_SETIMAGE, static_cast<std::uintptr_t>(type), reinterpret_cast<std::intptr_t>(&picture));
  }
  return button;
}

namespace {
// A button has no own property the system reads.
std::optional<RawProperty> ReadButtonProperty(Control&, int) { return std::nullopt; }
}  // namespace

const KindOps kButtonKind{.type = static_cast<std::uint32_t>(description::RecordType::kButton),
                          .create = &CreateButton,
                          .read_property = &ReadButtonProperty,
                          .can_take_focus = true};

}  // namespace ui
