#include "desktop/controls/standard_controls.h"

#include "desktop/controls/check_box.h"
#include "desktop/controls/edit_control.h"
#include "desktop/controls/push_button.h"
#include "desktop/controls/radio_button.h"

namespace desktop {

std::unique_ptr<Window> MakeStandardControl(std::string_view class_name, std::uint32_t style) {
  if (class_name == "EDIT") return std::make_unique<EditControl>();
  if (class_name != "BUTTON") return nullptr;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return std::make_unique<PushButton>();
    case BS_AUTOCHECKBOX:
      return std::make_unique<CheckBox>();
    case BS_AUTORADIOBUTTON:
      return std::make_unique<RadioButton>();
    default:
      return nullptr;
  }
}

}  // namespace desktop
