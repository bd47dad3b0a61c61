#pragma once
// The handlers' two reads of the main window's controls, both through ReadControlProperty.
#include <cstdint>

namespace links {

// The checked state of a check box or radio button: 1 or 0.
int ReadCheckedState(std::uint32_t control);
// The text of an edit box: a heap block the caller releases, or none when empty.
char* ReadControlText(std::uint32_t control);

}  // namespace links
