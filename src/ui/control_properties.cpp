#include "ui/control_properties.h"

#include <variant>

#include "ui/description/stored_form.h"
#include "ui/main_window.h"

namespace ui {

using platform::PropertyType;
using PlatformProperty = platform::RawProperty;

namespace {

// The checked state is the one boolean among the kinds' own properties the system reads.
constexpr int kOwnChecked = 10;

bool IsChoice(std::uint32_t type) {
  return type == static_cast<std::uint32_t>(description::RecordType::kCheckBox) ||
         type == static_cast<std::uint32_t>(description::RecordType::kRadioBox);
}

PlatformProperty Integer(std::int32_t n, PropertyType type = PropertyType::kInteger) {
  PlatformProperty p;
  p.type = type;
  p.integer = n;
  return p;
}

}  // namespace

std::uint32_t ControlProperties::Identity() const { return window_.Identity(); }

bool ControlProperties::HasControl(std::uint32_t control) const { return window_.FindControl(control) != nullptr; }

bool ControlProperties::ControlWindowExists(std::uint32_t control) const {
  const Control* c = window_.FindControl(control);
  return c != nullptr && c->window != nullptr && c->window->IsAlive();
}

bool ControlProperties::ReadCommonProperty(std::uint32_t control, int number, PlatformProperty* value) {
  const Control* c = window_.FindControl(control);
  if (c == nullptr) return false;
  const description::CommonPart& common = c->record->common;
  switch (number) {
    case 0: *value = Integer(common.left); return true;
    case 1: *value = Integer(common.top); return true;
    case 2: *value = Integer(common.width); return true;
    case 3: *value = Integer(common.height); return true;
    case 4:
      value->type = PropertyType::kText;
      value->text = common.tag;
      return true;
    case 5: *value = Integer((common.flags & description::kFlagVisible) != 0, PropertyType::kBoolean); return true;
    case 6: *value = Integer((common.flags & description::kFlagDisabled) != 0, PropertyType::kBoolean); return true;
    case 7: *value = Integer(static_cast<std::int32_t>(common.cursor_slot)); return true;
    default: return false;
  }
}

bool ControlProperties::ReadOwnProperty(std::uint32_t control, int own_number, int index, PlatformProperty* value) {
  (void)index;  // every property the system reads is a single value
  Control* c = window_.FindControl(control);
  if (c == nullptr) return false;
  const KindOps* kind = FindKind(c->Type());
  if (kind == nullptr || kind->read_property == nullptr) return false;
  std::optional<ui::RawProperty> raw = kind->read_property(*c, own_number);
  if (!raw) return false;
  if (const auto* text = std::get_if<std::string>(&*raw)) {
    value->type = PropertyType::kText;
    value->text = *text;
    return true;
  }
  const std::int32_t n = std::get<std::int32_t>(*raw);
  *value = Integer(n, IsChoice(c->Type()) && own_number == kOwnChecked ? PropertyType::kBoolean : PropertyType::kInteger);
  return true;
}

}  // namespace ui
