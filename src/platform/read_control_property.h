#pragma once
// Reading the state of a control of a loaded window, as the search handlers do at click time.
#include <cstdint>

namespace platform {

inline constexpr int kFirstOwnProperty = 8;
inline constexpr int kPropertyText = 8;      // edit box text (own property 0)
inline constexpr int kPropertyChecked = 18;  // check box and radio button checked state (own 10)
inline constexpr int kNoIndex = -1;

struct PropertyValue {
  std::int32_t integer = 0;  // boolean (1 or 0) and integer properties
  char* text = nullptr;      // text properties: a new heap block the caller releases, or none
};

// Asks the control afresh each time. An empty text comes back as none. A window that is not
// loaded, or a control whose platform window does not exist, is a fatal run-time error. A control
// the window does not hold, or a property its kind does not have, reads as 0 and none.
PropertyValue ReadControlProperty(std::uint32_t window, std::uint32_t control, int property, int index);

}  // namespace platform
