#pragma once
// Where a tab control's headers and page area lie in its client area.
#include <vector>

#include "desktop/geometry.h"

namespace ui {

struct TabLayoutInput {
  int client_width = 0;
  int client_height = 0;
  int header_height = 0;          // as stored; a row is at least one character high
  int character_height = 0;       // of the header font
  std::vector<int> title_widths;  // one per page, in the header font
  bool all_tabs_shown = false;    // wrap into further rows instead of one row
  bool headers_hidden = false;
  bool slanted = false;
};

struct TabLayout {
  std::vector<desktop::Rect> headers;  // one per page; empty when the headers are hidden
  int rows = 0;
  int row_height = 0;
  desktop::Rect page_area;
};

// Headers start at (1, 2) and run left to right without gaps across the client width less 3;
// each is its title's width plus 11 (at least 50, at most the usable length). With all tabs shown
// a header that would run past the usable length starts a new row. The page area is the rest of
// the client area below the rows, across the full width.
TabLayout LayoutTabHeaders(const TabLayoutInput& in);

}  // namespace ui
