#pragma once
// The border of a label, edit box, picture box or hyperlink box: a stored number applied to the
// control's frame after creation as window styles.
#include <cstdint>

#include "desktop/window/window.h"

namespace ui {

struct BorderStyles {
  std::uint32_t style = 0;     // WS_BORDER for the single black line
  std::uint32_t ex_style = 0;  // client edge, dialog modal frame, static edge
  bool operator==(const BorderStyles&) const = default;
};

// 0 none, 1 sunken edge, 2 raised double frame, 3 thin sunken edge, 4 raised double frame around a
// sunken edge, 5 single black line; any other value none.
BorderStyles BorderStylesOf(std::uint32_t border);

// Replaces the window's border styles by those of `border` and recalculates its frame.
void ApplyBorder(desktop::Window& window, std::uint32_t border);

}  // namespace ui
