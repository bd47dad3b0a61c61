#pragma once
// Building a window from its description: styles, place, icon, the controls in creation order,
// their parents, stacking and page visibility, then the window's created event.
#include <cstdint>

#include "desktop/geometry.h"
#include "ui/description/description.h"
#include "ui/description/kind_data.h"

namespace ui {

class MainWindow;

struct TopLevelStyles {
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  bool operator==(const TopLevelStyles&) const = default;
};

// The window styles of a window's settings: frame and title bar from the border style, the
// system menu and the minimize and maximize buttons, taskbar and always-on-top.
TopLevelStyles WindowStylesOf(const description::WindowData& data, bool has_title);

// Where the window starts on a screen of `screen` size: the stored place, or centred.
desktop::Rect StartPlace(const description::WindowData& data, const description::CommonPart& common,
                         desktop::Size screen);

// The platform control identifier of the control created `creation_rank`-th (1 for the first).
constexpr int ControlIdentifier(int creation_rank) { return 100 + 10 * (creation_rank - 1); }

// Builds the window completely, shows it and gives the focus to its first Tab candidate; the
// window is then registered as loaded. Null when the description is missing or any part of the
// window cannot be built: nothing of it is left then. Raises no event.
MainWindow* BuildWindow(std::uint32_t window_identity);

// Builds the window and raises its created event (event 0 of the window record). A window that
// cannot be built is the fatal run-time error "载入启动窗口失败".
void LoadWindow(std::uint32_t window_identity);

}  // namespace ui
