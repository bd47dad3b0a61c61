#pragma once
// Key names of the driver's `key` command: "Enter", "Shift+Tab", "Ctrl+Right", "Alt+A", "F1".
#include <optional>
#include <string_view>

#include "desktop/window/window.h"

namespace drive {

// The key and its modifiers; nothing for a name the driver does not know.
std::optional<desktop::KeyEvent> ParseKeyName(std::string_view keys);

}  // namespace drive
