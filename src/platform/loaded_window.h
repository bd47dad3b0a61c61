#pragma once
// What ReadControlProperty needs of a loaded window: its identity, its controls and their raw
// property values. The window toolkit registers each window it loads; tests register fakes.
#include <cstdint>
#include <string>

namespace platform {

// How a property's raw value is converted before the caller sees it.
enum class PropertyType { kBoolean, kInteger, kText };

struct RawProperty {
  PropertyType type = PropertyType::kInteger;
  std::int32_t integer = 0;  // boolean and integer properties
  std::string text;          // text properties, GBK bytes; empty stands for none as well
};

class LoadedWindow {
 public:
  virtual ~LoadedWindow() = default;

  // The identity of the window's description (the main window: 0x52010001).
  virtual std::uint32_t Identity() const = 0;
  // Whether the window's description holds a control of this record identity.
  virtual bool HasControl(std::uint32_t control) const = 0;
  // Whether the control's platform window exists.
  virtual bool ControlWindowExists(std::uint32_t control) const = 0;

  // Property 0 to 7, common to every control (left, top, width, height, tag, visible, disabled,
  // cursor), answered from the description. False when there is no such property.
  virtual bool ReadCommonProperty(std::uint32_t control, int number, RawProperty* value) = 0;
  // Own property `own_number` (the property number minus 8) of the control's kind, asked of the
  // live control: a check box or radio button's checked state (own number 10) is 1 for checked
  // and 0 otherwise and is stored back as the control's state; an edit box's text (own number 0)
  // is its whole window text. False when the kind has no such property.
  virtual bool ReadOwnProperty(std::uint32_t control, int own_number, int index, RawProperty* value) = 0;
};

// Loaded windows, looked up by identity. Registering a window whose identity is already
// registered replaces the earlier one.
void RegisterLoadedWindow(LoadedWindow* window);
void UnregisterLoadedWindow(LoadedWindow* window);
LoadedWindow* FindLoadedWindow(std::uint32_t identity);

}  // namespace platform
