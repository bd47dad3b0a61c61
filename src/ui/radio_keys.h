#pragma once
// The arrow keys on a radio button, which the window takes itself: Left and Up step to the
// previous radio button of the group, Right and Down to the next, checking it.
#include "desktop/window/window.h"

namespace ui {

// For the window's key filter. `focused` is the window with the keyboard focus. True when the key
// was taken (an arrow key without Ctrl, Shift and Alt while a radio button of a loaded window has
// the focus), whether or not a state changed.
//
// The candidates are the radio buttons that are shown, enabled, tab stops and children of the
// focused one's parent, in the window's Tab order; the target is the next (or previous) one,
// wrapping around. When it is the focused button nothing happens. Otherwise the shown radio
// buttons of that parent are unchecked — those on hidden pages keep their state, so every page
// keeps its own choice — the target is checked, its click event raised, and it gets the focus.
bool HandleRadioArrowKey(desktop::Window* focused, const desktop::KeyEvent& key);

}  // namespace ui
