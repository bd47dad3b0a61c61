#pragma once
// Control events on their way to the system's handlers.
#include <cstdint>

namespace app {

// A control raised event `event_number` (0: a button's click, the window's creation). Looks up the
// binding in the window description and calls the handler synchronously; nothing once the end has
// begun. A window or control that cannot be found, or is not valid, is a fatal error.
void DispatchControlEvent(std::uint32_t window_identity, std::uint32_t control_identity, int event_number);

}  // namespace app
