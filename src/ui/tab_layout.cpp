#include "ui/tab_layout.h"

#include <algorithm>

namespace ui {

using desktop::Rect;

namespace {

constexpr int kRowLeft = 1;
constexpr int kRowTop = 2;
constexpr int kUsableLengthCut = 3;
constexpr int kTitlePadding = 11;
constexpr int kMinimumWidth = 50;
constexpr int kSlantedPadding = 5;
constexpr int kSlantedMinimumWidth = 25;

int HeaderWidth(const TabLayoutInput& in, int title_width, int row_height, int usable) {
  int width = in.slanted ? std::max(title_width + row_height * 3 / 4 + kSlantedPadding, kSlantedMinimumWidth)
                         : std::max(title_width + kTitlePadding, kMinimumWidth);
  return std::max(0, std::min(width, usable));
}

}  // namespace

TabLayout LayoutTabHeaders(const TabLayoutInput& in) {
  TabLayout out;
  if (in.headers_hidden) {
    out.page_area = {0, 0, in.client_width, in.client_height};
    return out;
  }
  out.row_height = std::max(in.header_height, in.character_height);
  const int usable = std::max(0, in.client_width - kUsableLengthCut);
  int x = 0;  // along the row, from its start
  int row = 0;
  for (std::size_t i = 0; i < in.title_widths.size(); ++i) {
    const int width = HeaderWidth(in, in.title_widths[i], out.row_height, usable);
    if (in.all_tabs_shown && x > 0 && x + width > usable) {
      ++row;
      x = 0;
    }
    const int top = kRowTop + row * out.row_height;
    out.headers.push_back(Rect::FromSize(kRowLeft + x, top, width, out.row_height));
    x += width;
  }
  out.rows = in.title_widths.empty() ? 0 : row + 1;
  const int page_top = std::min(kRowTop + out.rows * out.row_height, std::max(in.client_height, 0));
  out.page_area = {0, page_top, in.client_width, in.client_height};
  return out;
}

}  // namespace ui
