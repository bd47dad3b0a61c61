// Where the tab control's headers and page area go.
#include "ui/tab_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using desktop::Rect;
using ui::LayoutTabHeaders;
using ui::TabLayoutInput;

struct LayoutCase {
  const char* name;
  TabLayoutInput in;
  std::vector<Rect> headers;
  int rows;
  Rect page_area;
};

TabLayoutInput Input(int width, std::vector<int> titles, bool all_shown = true, int header_height = 45,
                     int char_height = 12) {
  TabLayoutInput in;
  in.client_width = width;
  in.client_height = 450;
  in.header_height = header_height;
  in.character_height = char_height;
  in.title_widths = std::move(titles);
  in.all_tabs_shown = all_shown;
  return in;
}

class TabLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(TabLayoutTest, PlacesHeadersAndPageArea) {
  const LayoutCase& c = GetParam();
  const ui::TabLayout layout = LayoutTabHeaders(c.in);
  EXPECT_EQ(layout.headers, c.headers);
  EXPECT_EQ(layout.rows, c.rows);
  EXPECT_EQ(layout.page_area, c.page_area);
}

TabLayoutInput Hidden() {
  TabLayoutInput in = Input(640, {198, 198, 198});
  in.headers_hidden = true;
  return in;
}

TabLayoutInput Slanted(std::vector<int> titles) {
  TabLayoutInput in = Input(640, std::move(titles), true, 20, 12);
  in.slanted = true;
  return in;
}

const LayoutCase kCases[] = {
    // The main window's tab control: three titles of 33 spaces, 6 pixels each.
    {"ThreeBlankTitles", Input(640, {198, 198, 198}),
     {{1, 2, 210, 47}, {210, 2, 419, 47}, {419, 2, 628, 47}}, 1, {0, 47, 640, 450}},
    {"ShortTitleGetsMinimumWidth", Input(640, {10, 0}), {{1, 2, 51, 47}, {51, 2, 101, 47}}, 1, {0, 47, 640, 450}},
    {"LongTitleCutToUsableLength", Input(200, {500}), {{1, 2, 198, 47}}, 1, {0, 47, 200, 450}},
    // 3 x 209 does not fit into 500 - 3: the third header opens a second row.
    {"WrapsIntoRows", Input(500, {198, 198, 198}),
     {{1, 2, 210, 47}, {210, 2, 419, 47}, {1, 47, 210, 92}}, 2, {0, 92, 500, 450}},
    {"OneRowWithoutAllTabsShown", Input(500, {198, 198, 198}, false),
     {{1, 2, 210, 47}, {210, 2, 419, 47}, {419, 2, 628, 47}}, 1, {0, 47, 500, 450}},
    {"RowAtLeastOneCharacterHigh", Input(640, {60}, true, 10, 16), {{1, 2, 72, 18}}, 1, {0, 18, 640, 450}},
    {"HeadersHidden", Hidden(), {}, 0, {0, 0, 640, 450}},
    // Slanted: title + 3/4 of the row height + 5, at least 25.
    {"SlantedHeaders", Slanted({100, 0}), {{1, 2, 121, 22}, {121, 2, 146, 22}}, 1, {0, 22, 640, 450}},
};

INSTANTIATE_TEST_SUITE_P(Layouts, TabLayoutTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

}  // namespace
