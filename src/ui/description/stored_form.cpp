#include "ui/description/stored_form.h"

namespace ui::description {

std::string_view RecordTypeName(std::uint32_t type) {
  switch (static_cast<RecordType>(type)) {
    case RecordType::kWindow: return "Window";
    case RecordType::kPageControl: return "PageControl";
    case RecordType::kPicBox: return "PicBox";
    case RecordType::kLabel: return "Label";
    case RecordType::kButton: return "Button";
    case RecordType::kCheckBox: return "CheckBox";
    case RecordType::kRadioBox: return "RadioBox";
    case RecordType::kEditBox: return "EditBox";
    case RecordType::kHyperLinker: return "HyperLinker";
  }
  return {};
}

}  // namespace ui::description
