// The built-in description against the main window's layout table: every control's record
// place, identity, name, kind, place, size, flags, parent, page and creation order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "links/handler_table.h"
#include "test_support.h"
#include "ui/description/reader.h"
#include "ui/description/writer.h"

namespace description_tests {
namespace {

using ui::description::RecordType;

struct LayoutRow {
  int page;  // 0: the window itself
  int creation;
  int record;
  std::uint32_t identity;
  const char* name;
  RecordType kind;
  int left, top, width, height;
  bool tab_stop;
};

// clang-format off
const LayoutRow kLayout[] = {
    {0, 1, 51, 0x16010003, "高级选择夹1", RecordType::kPageControl, 0, 0, 640, 450, false},
    {1, 2, 50, 0x16010005, "图片框1", RecordType::kPicBox, 34, 11, 140, 35, false},
    {1, 4, 48, 0x16010020, "超级链接框1", RecordType::kHyperLinker, 118, 320, 88, 30, false},
    {1, 5, 47, 0x16010029, "超级链接框2", RecordType::kHyperLinker, 222, 320, 88, 30, false},
    {1, 6, 46, 0x16010032, "超级链接框3", RecordType::kHyperLinker, 326, 320, 88, 30, false},
    {1, 7, 45, 0x16010033, "超级链接框4", RecordType::kHyperLinker, 430, 320, 88, 30, false},
    {1, 8, 44, 0x16010034, "超级链接框5", RecordType::kHyperLinker, 534, 320, 88, 30, false},
    {1, 9, 43, 0x16010036, "超级链接框7", RecordType::kHyperLinker, 14, 368, 88, 30, false},
    {1, 10, 42, 0x16010037, "超级链接框8", RecordType::kHyperLinker, 118, 368, 88, 30, false},
    {1, 11, 41, 0x16010038, "超级链接框9", RecordType::kHyperLinker, 222, 368, 88, 30, false},
    {1, 12, 40, 0x1601003D, "超级链接框10", RecordType::kHyperLinker, 326, 368, 88, 30, false},
    {1, 13, 39, 0x1601003E, "超级链接框11", RecordType::kHyperLinker, 430, 368, 88, 30, false},
    {1, 14, 38, 0x1601003F, "超级链接框12", RecordType::kHyperLinker, 534, 368, 88, 30, false},
    {1, 15, 37, 0x16010041, "编辑框1", RecordType::kEditBox, 120, 80, 384, 32, true},
    {1, 16, 36, 0x16010047, "按钮1", RecordType::kButton, 24, 78, 59, 46, false},
    {1, 17, 35, 0x1601004C, "按钮2", RecordType::kButton, 530, 72, 72, 63, true},
    {1, 18, 34, 0x16010052, "选择框1", RecordType::kCheckBox, 120, 127, 80, 16, true},
    {1, 19, 33, 0x16010053, "选择框2", RecordType::kCheckBox, 208, 127, 80, 16, true},
    {1, 20, 32, 0x16010060, "选择框10", RecordType::kCheckBox, 376, 127, 80, 16, true},
    {1, 21, 31, 0x16010062, "标签1", RecordType::kLabel, 14, 177, 608, 131, false},
    {1, 22, 30, 0x16010063, "单选框1", RecordType::kRadioBox, 120, 152, 112, 16, true},
    {1, 23, 29, 0x16010064, "单选框2", RecordType::kRadioBox, 240, 152, 104, 16, true},
    {1, 24, 28, 0x16010069, "选择框3", RecordType::kCheckBox, 288, 127, 80, 16, true},
    {1, 25, 27, 0x1601006A, "单选框3", RecordType::kRadioBox, 360, 152, 104, 16, true},
    {1, 26, 26, 0x1601006C, "超级链接框6", RecordType::kHyperLinker, 14, 320, 88, 30, false},
    {2, 3, 49, 0x1601000E, "图片框3", RecordType::kPicBox, 218, 3, 196, 49, false},
    {2, 28, 24, 0x160100A8, "编辑框2", RecordType::kEditBox, 64, 80, 400, 32, true},
    {2, 29, 23, 0x160100A9, "按钮3", RecordType::kButton, 512, 72, 72, 63, true},
    {2, 30, 22, 0x160100B0, "单选框4", RecordType::kRadioBox, 72, 120, 128, 32, true},
    {2, 31, 21, 0x160100B3, "单选框6", RecordType::kRadioBox, 200, 120, 128, 32, true},
    {2, 32, 20, 0x160100B4, "单选框5", RecordType::kRadioBox, 328, 120, 128, 32, true},
    {2, 35, 17, 0x160100B7, "按钮5", RecordType::kButton, 88, 248, 150, 60, true},
    {2, 36, 16, 0x160100BA, "标签2", RecordType::kLabel, 48, 328, 240, 80, false},
    {2, 37, 15, 0x160100BB, "标签3", RecordType::kLabel, 48, 158, 504, 72, false},
    {2, 38, 14, 0x160100BC, "按钮6", RecordType::kButton, 392, 238, 96, 96, true},
    {2, 39, 13, 0x160100BD, "标签4", RecordType::kLabel, 320, 342, 240, 80, false},
    {3, 27, 25, 0x160100A6, "图片框2", RecordType::kPicBox, 428, 3, 196, 49, false},
    {3, 33, 19, 0x160100B5, "编辑框3", RecordType::kEditBox, 72, 88, 392, 32, true},
    {3, 34, 18, 0x160100B6, "按钮4", RecordType::kButton, 512, 72, 72, 63, true},
    {3, 40, 12, 0x160100C2, "选择框4", RecordType::kCheckBox, 72, 140, 240, 40, true},
    {3, 41, 11, 0x160100C3, "按钮7", RecordType::kButton, 64, 208, 91, 91, true},
    {3, 42, 10, 0x160100C4, "标签5", RecordType::kLabel, 48, 320, 232, 80, false},
    {3, 43, 9, 0x160100D3, "按钮8", RecordType::kButton, 416, 208, 91, 91, true},
    {3, 44, 8, 0x16010139, "标签12", RecordType::kLabel, 341, 320, 240, 72, false},
    {3, 45, 7, 0x1601013A, "标签13", RecordType::kLabel, 224, 148, 360, 24, false},
    {3, 46, 6, 0x1601013B, "超级链接框13", RecordType::kHyperLinker, 184, 216, 80, 30, false},
    {3, 47, 5, 0x1601013D, "超级链接框14", RecordType::kHyperLinker, 184, 264, 80, 30, false},
    {3, 48, 4, 0x1601013F, "超级链接框15", RecordType::kHyperLinker, 320, 216, 80, 30, false},
    {3, 49, 3, 0x16010140, "超级链接框16", RecordType::kHyperLinker, 526, 216, 80, 30, false},
    {3, 50, 2, 0x16010141, "超级链接框17", RecordType::kHyperLinker, 320, 264, 80, 30, false},
    {3, 51, 1, 0x16010142, "超级链接框18", RecordType::kHyperLinker, 526, 264, 80, 30, false},
};
// clang-format on

constexpr std::uint32_t kTabControl = 0x16010003;
constexpr int kRecordCount = 52;

void PrintTo(const LayoutRow& row, std::ostream* os) { *os << row.name; }

class LayoutTable : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutTable, RecordMatchesItsRow) {
  const LayoutRow& row = GetParam();
  const auto& window = BuiltInWindow();
  ASSERT_EQ(window.controls.size(), 51u);
  // Controls are created from the last record back to record 1.
  EXPECT_EQ(row.record, kRecordCount - row.creation);
  const auto& control = window.controls.at(static_cast<std::size_t>(row.record - 1));
  EXPECT_EQ(control.identity, row.identity);
  EXPECT_EQ(control.common.name, Gbk(row.name));
  EXPECT_EQ(control.common.type, static_cast<std::uint32_t>(row.kind));
  EXPECT_EQ(ui::description::RecordTypeOf(control.data), static_cast<std::uint32_t>(row.kind));
  EXPECT_EQ(control.common.left, row.left);
  EXPECT_EQ(control.common.top, row.top);
  EXPECT_EQ(control.common.width, row.width);
  EXPECT_EQ(control.common.height, row.height);
  EXPECT_EQ(control.common.flags, row.tab_stop ? 5u : 1u);
  EXPECT_EQ(control.common.parent, row.page == 0 ? 0u : kTabControl);
  EXPECT_EQ(control.common.tab_order_key, 0);
  EXPECT_TRUE(control.common.comment.empty());
  EXPECT_TRUE(control.common.tag.empty());
  EXPECT_TRUE(control.common.cursor.empty());
  EXPECT_EQ(control.common.cursor_slot, 0u);
  if (row.kind != RecordType::kPageControl) {
    EXPECT_TRUE(control.common.children.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, LayoutTable, ::testing::ValuesIn(kLayout),
                         [](const ::testing::TestParamInfo<LayoutRow>& info) {
                           return "Record" + std::to_string(info.param.record);
                         });

// The tab control's child list split at its 0 entries.
std::vector<std::vector<std::uint32_t>> Pages() {
  const auto& children = BuiltInWindow().controls.back().common.children;
  std::vector<std::vector<std::uint32_t>> pages(1);
  for (std::uint32_t child : children) {
    if (child == 0) pages.emplace_back();
    else pages.back().push_back(child);
  }
  return pages;
}

TEST(PageMembership, ChildListHoldsEachPageInRecordOrderWithZeroSeparators) {
  const auto pages = Pages();
  ASSERT_EQ(pages.size(), 3u);
  for (int page = 1; page <= 3; ++page) {
    std::vector<std::pair<int, std::uint32_t>> expected;
    for (const auto& row : kLayout) {
      if (row.page == page) expected.push_back({row.record, row.identity});
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::uint32_t> identities;
    for (const auto& [record, identity] : expected) identities.push_back(identity);
    EXPECT_EQ(pages[page - 1], identities) << "page " << page;
  }
  EXPECT_EQ(pages[0].size(), 24u);
  EXPECT_EQ(pages[1].size(), 11u);
  EXPECT_EQ(pages[2].size(), 15u);
}

// A page change gives the focus to the first control of the page's part of the child list that
// can take it, so the order of the list decides these three.
TEST(PageMembership, FirstFocusableChildOfEachPage) {
  const std::set<std::uint32_t> unfocusable = {
      static_cast<std::uint32_t>(RecordType::kLabel), static_cast<std::uint32_t>(RecordType::kPicBox),
      static_cast<std::uint32_t>(RecordType::kHyperLinker), static_cast<std::uint32_t>(RecordType::kPageControl)};
  const char* expected[] = {"单选框3", "按钮6", "按钮8"};
  const auto pages = Pages();
  ASSERT_EQ(pages.size(), 3u);
  for (int page = 0; page < 3; ++page) {
    std::string first;
    for (std::uint32_t identity : pages[page]) {
      const auto& controls = BuiltInWindow().controls;
      auto it = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.identity == identity; });
      ASSERT_NE(it, controls.end());
      if (!unfocusable.contains(it->common.type)) {
        first = it->common.name;
        break;
      }
    }
    EXPECT_EQ(first, Gbk(expected[page])) << "page " << page + 1;
  }
}

TEST(WindowEntry, IndexLeadingValuesAndWindowRecord) {
  auto description = ui::description::ReadDescription(ui::description::BuiltInDescription());
  ASSERT_TRUE(description);
  ASSERT_EQ(description->windows.size(), 1u);
  const auto& entry = description->windows[0];
  EXPECT_EQ(entry.identity, 0x52010001u);
  EXPECT_EQ(entry.value1, 11u);
  EXPECT_EQ(entry.value2, 0x19010006u);
  EXPECT_TRUE(entry.text1.empty());
  EXPECT_TRUE(entry.text2.empty());
  ASSERT_EQ(entry.records.size(), 52u);

  const auto& window = entry.records[0];
  EXPECT_EQ(window.identity, 0x06010000u);
  EXPECT_EQ(window.common.type, 0x10001u);
  EXPECT_TRUE(window.common.name.empty());
  EXPECT_EQ(window.common.left, 50);
  EXPECT_EQ(window.common.top, 50);
  EXPECT_EQ(window.common.width, 640);
  EXPECT_EQ(window.common.height, 450);
  EXPECT_EQ(window.common.parent, 0u);
  EXPECT_EQ(window.common.children, std::vector<std::uint32_t>{kTabControl});
  EXPECT_EQ(window.common.events, (std::vector<ui::description::EventBinding>{{0, links::kMainWindowCreated}}));
}

TEST(WindowEntry, StoredFormHeaderBytes) {
  const auto bytes = ui::description::BuiltInDescription();
  const std::vector<std::uint8_t> head(bytes.begin(), bytes.begin() + 36);
  const std::vector<std::uint8_t> expected = {
      8, 0, 0, 0,                   // window index: 8 bytes
      0x01, 0x00, 0x01, 0x52,       // the main window's identity
      0, 0, 0, 0,                   // room for its reference
      11, 0, 0, 0,                  // the two leading values
      0x06, 0x00, 0x01, 0x19,
      0, 0, 0, 0,                   // two empty texts
      0, 0, 0, 0,
      52, 0, 0, 0,                  // record count
  };
  EXPECT_EQ(std::vector<std::uint8_t>(head.begin(), head.begin() + 32), expected);
  // The counted block runs exactly to the end.
  const std::uint32_t block = head[32] | (head[33] << 8) | (head[34] << 16) | (static_cast<std::uint32_t>(head[35]) << 24);
  EXPECT_EQ(block + 36u, bytes.size());
  // Identities first: the window record, then records 1 to 51.
  auto u32_at = [&](std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
  };
  EXPECT_EQ(u32_at(36), 0x06010000u);
  for (const auto& row : kLayout) EXPECT_EQ(u32_at(36 + 4 * static_cast<std::size_t>(row.record)), row.identity);
  // Offsets count from the first byte after them; record 0 comes first.
  EXPECT_EQ(u32_at(36 + 4 * 52), 0u);
}

struct Binding {
  const char* name;
  links::HandlerRef handler;
};

TEST(EventBindings, ButtonsCallTheirHandlersAndNothingElseBindsOne) {
  const Binding kBindings[] = {
      {"按钮1", links::kOpenTaobaoPromotion},   {"按钮2", links::kSearchTaobao},
      {"按钮3", links::kSearchJingdongNewegg},  {"按钮4", links::kSearchAmazonDangdang},
      {"按钮5", links::kOpenJingdongPromotion}, {"按钮6", links::kOpenNeweggPromotion},
      {"按钮7", links::kOpenAmazonPromotion},   {"按钮8", links::kOpenDangdangHome},
  };
  for (const auto& control : BuiltInWindow().controls) {
    const Binding* binding = nullptr;
    for (const auto& b : kBindings) {
      if (control.common.name == Gbk(b.name)) binding = &b;
    }
    if (binding == nullptr) {
      EXPECT_TRUE(control.common.events.empty()) << control.identity;
    } else {
      EXPECT_EQ(control.common.events, (std::vector<ui::description::EventBinding>{{0, binding->handler}}))
          << binding->name;
    }
  }
}

// A few names as their GBK bytes, so that the expectations' own conversion is checked too.
TEST(Names, StoredInGbk) {
  EXPECT_EQ(ControlNamed("标签1").common.name, "\xB1\xEA\xC7\xA9" "1");
  EXPECT_EQ(ControlNamed("按钮2").common.name, "\xB0\xB4\xC5\xA5" "2");
  EXPECT_EQ(ControlNamed("单选框4").common.name, "\xB5\xA5\xD1\xA1\xBF\xF2" "4");
}

}  // namespace
}  // namespace description_tests
