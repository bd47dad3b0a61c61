#include "ui/border_styles.h"

namespace ui {

using namespace desktop;

BorderStyles BorderStylesOf(std::uint32_t border) {
  switch (border) {
    case 1: return {0, WS_EX_CLIENTEDGE};
    case 2: return {0, WS_EX_DLGMODALFRAME};
    case 3: return {0, WS_EX_STATICEDGE};
    case 4: return {0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE};
    case 5: return {WS_BORDER, 0};
    default: return {};
  }
}

void ApplyBorder(Window& window, std::uint32_t border) {
  constexpr std::uint32_t kBorderExStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
  const BorderStyles b = BorderStylesOf(border);
  window.SetStyle((window.Style() & ~WS_BORDER) | b.style);
  window.SetExStyle((window.ExStyle() & ~kBorderExStyles) | b.ex_style);
  window.FrameChanged();
}

}  // namespace ui
