#include "links/control_reading.h"

#include "links/control_ids.h"
#include "platform/read_control_property.h"

namespace links {

int ReadCheckedState(std::uint32_t control) {
  return platform::ReadControlProperty(kMainWindowId, control, platform::kPropertyChecked, platform::kNoIndex)
      .integer;
}

char* ReadControlText(std::uint32_t control) {
  return platform::ReadControlProperty(kMainWindowId, control, platform::kPropertyText, platform::kNoIndex).text;
}

}  // namespace links
