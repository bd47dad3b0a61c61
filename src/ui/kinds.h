#pragma once
// Control kinds as a table of operations: create the control from its kind data, read one of the
// kind's own properties, and whether the control can take the focus. One unit per pair of kinds
// implements them (label + edit box, picture button + hyperlink box, check box + radio button,
// tab control + picture box); kinds_table.cpp lists them.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "desktop/geometry.h"
#include "desktop/window/window.h"
#include "ui/description/description.h"

namespace ui {

// A control of a loaded window: its record and its platform window.
struct Control {
  std::uint32_t window_identity = 0;  // the loaded window it belongs to (0x52010001)
  const description::Record* record = nullptr;
  desktop::Window* window = nullptr;  // null until created
  int creation_rank = 0;              // 1 for the first control created

  std::uint32_t Identity() const { return record ? record->identity : 0; }
  std::uint32_t Type() const { return record ? record->common.type : 0; }
};

// What a kind's create operation gets.
struct CreateParams {
  Control* control = nullptr;                 // the control being created (window still null)
  desktop::Window* parent = nullptr;          // the main window at creation
  desktop::Rect rect;                         // place and size from the record
  std::uint32_t common_styles = 0;            // WS_DISABLED and WS_TABSTOP from the record's flags
  int id = 0;                                 // platform control identifier
  std::span<const std::uint8_t> kind_data;    // from the version field to the end of the record
};

// A raw property value: a number (check states) or a text (GBK bytes).
using RawProperty = std::variant<std::int32_t, std::string>;

struct KindOps {
  std::uint32_t type = 0;  // record type code
  // Creates the control's platform window, hidden. Null when the kind data is refused (a version
  // above the kind's highest, or data that ends before its last field) or creation fails.
  desktop::Window* (*create)(const CreateParams& params) = nullptr;
  // The raw value of the kind's own property `own_property` (property number - 8); nothing when the
  // kind has no such property.
  std::optional<RawProperty> (*read_property)(Control& control, int own_property) = nullptr;
  // Whether a control of this kind can take the focus (Tab order, page changes).
  bool can_take_focus = false;
};

// The operations of a record type; null for a kind the system does not know.
const KindOps* FindKind(std::uint32_t type);

}  // namespace ui
