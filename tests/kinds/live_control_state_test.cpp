// Reading the window's controls as the search handlers do: the start states of the eleven choice
// controls, states changed by the user and read while their page is hidden, keyword texts read
// back byte for byte, and the searches from typed keywords end to end.
#include <gtest/gtest.h>

#include "app/heap.h"
#include "kind_fixture.h"
#include "platform/read_control_property.h"
#include "program_fixture.h"
#include "ui/check_radio_kinds.h"
#include "ui/description/stored_form.h"

namespace kinds_test {
namespace {

using namespace desktop;

const std::string kTaobao = "open http://s8.taobao.com/search?pid=mm_40615293_0_0&sort=";

using LiveState = ProgramTest;

TEST_F(LiveState, StartStatesOfTheElevenChoiceControls) {
  struct Case {
    const char* name;
    int checked;
  };
  const Case cases[] = {
      {"单选框1", 1}, {"单选框4", 1}, {"选择框1", 1}, {"单选框2", 0}, {"单选框3", 0}, {"单选框5", 0},
      {"单选框6", 0}, {"选择框2", 0}, {"选择框3", 0}, {"选择框10", 0}, {"选择框4", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Checked(c.name), c.checked) << c.name;
}

TEST_F(LiveState, ChangedStateIsReadWhileItsPageIsHidden) {
  Click("选择框2");
  Click("选择框1");
  Click("单选框3");
  ShowPage(3);
  Click("选择框4");
  ShowPage(2);
  Click("单选框6");
  // Page 2 shown: pages 1 and 3 hidden.
  EXPECT_EQ(Checked("选择框1"), 0);
  EXPECT_EQ(Checked("选择框2"), 1);
  EXPECT_EQ(Checked("单选框1"), 0);
  EXPECT_EQ(Checked("单选框3"), 1);
  EXPECT_EQ(Checked("选择框4"), 1);
  EXPECT_EQ(Checked("单选框4"), 0);
  EXPECT_EQ(Checked("单选框6"), 1);
}

TEST_F(LiveState, ReadStoresTheStateIntoTheControlsData) {
  Click("选择框3");
  auto* box = dynamic_cast<ui::ChoiceCheckBox*>(&WindowOf("选择框3"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Data().checked, 0u) << "stored only when read";
  EXPECT_EQ(Checked("选择框3"), 1);
  EXPECT_EQ(box->Data().checked, 1u);
}

TEST_F(LiveState, ClickOnPageTwoLeavesPageOnesChoice) {
  Click("单选框2");
  EXPECT_EQ(Checked("单选框1"), 0);
  EXPECT_EQ(Checked("单选框3"), 0);
  EXPECT_EQ(Checked("单选框4"), 1);
  ShowPage(2);
  Click("单选框6");
  EXPECT_EQ(Checked("单选框4"), 0);
  EXPECT_EQ(Checked("单选框5"), 0);
  EXPECT_EQ(Checked("单选框2"), 1);
  Click("单选框6");  // already checked: stays so
  EXPECT_EQ(Checked("单选框6"), 1);
}

TEST_F(LiveState, KeywordTextsReadBackExactly) {
  struct Case {
    const char* box;
    int page;
    const char* typed;
  };
  const Case cases[] = {
      {"编辑框1", 1, "  鼠标  无线 "},
      {"编辑框2", 2, "ddr3 内存"},
      {"编辑框3", 3, "a&b#c"},
      {"编辑框1", 1, "一个很长很长的关键词，比这个框子还要长得多，一个很长很长的关键词，比这个框子还要长得多"},
  };
  for (const Case& c : cases) {
    ShowPage(c.page);
    Focus(c.box);
    backend_->PressKey('A', {.ctrl = true});  // select what is there, to replace it
    Pump();
    Type(c.typed);
    EXPECT_EQ(TextOf(c.box), Gbk(c.typed)) << c.typed;
  }
}

TEST_F(LiveState, EmptyBoxReadsAsNoneAndEachReadIsANewBlock) {
  EXPECT_EQ(TextOf("编辑框2"), "<none>");
  Focus("编辑框1");
  Type("鼠标");
  const auto read = [&] {
    return platform::ReadControlProperty(ui::description::kMainWindowIdentity, Named("编辑框1").Identity(),
                                         platform::kPropertyText, platform::kNoIndex)
        .text;
  };
  char* first = read();
  char* second = read();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(std::string(first), Gbk("鼠标"));
  EXPECT_EQ(std::string(second), Gbk("鼠标"));
  app::ReleaseMemory(first);
  app::ReleaseMemory(second);
}

TEST_F(LiveState, EnterTwiceSearchesWithTheTypedKeywords) {
  Type("鼠标");  // 编辑框1 has the focus at start
  Press(VK_RETURN);
  EXPECT_EQ(FocusName(), "按钮2");
  Press(VK_RETURN);
  // 鼠标 in GBK is CA F3 B1 EA, each byte escaped as the desktop receives it.
  EXPECT_EQ(HandOvers(), std::vector<std::string>{kTaobao + "price-asc&isprepay=1&q=%CA%F3%B1%EA"});
}

TEST_F(LiveState, TaobaoSearchWithEveryFilterAndTheThirdOrder) {
  Type("usb");
  for (const char* box : {"选择框2", "选择框3", "选择框10", "单选框3"}) Click(box);
  Click("按钮2");
  EXPECT_EQ(HandOvers(), std::vector<std::string>{kTaobao +
                                                 "credit-desc&isprepay=1&promoted_service4=4&user_type=1&olu=yes&q=usb"});
}

TEST_F(LiveState, BooksOnlySwitchesTheAmazonAndDangdangAddresses) {
  ShowPage(3);
  Focus("编辑框3");
  Type("c++");
  Click("按钮4");
  Click("选择框4");
  Click("按钮4");
  const std::vector<std::string> opened = HandOvers();
  ASSERT_EQ(opened.size(), 4u);
  EXPECT_NE(opened[0].find("search-alias%253Daps"), std::string::npos) << opened[0];
  EXPECT_NE(opened[1].find("union.dangdang.com"), std::string::npos) << opened[1];
  EXPECT_NE(opened[2].find("search-alias%253Dbooks"), std::string::npos) << opened[2];
  EXPECT_NE(opened[3].find("search_pub.php"), std::string::npos) << opened[3];
  for (const std::string& address : opened) EXPECT_NE(address.find("c++"), std::string::npos) << address;
}

TEST_F(LiveState, SearchesLeaveNoHeapBlockBehind) {
  Type("鼠标");
  ShowPage(2);
  Focus("编辑框2");
  Type("ddr3 内存");
  ShowPage(3);
  Focus("编辑框3");
  Type("c++");
  auto search = [&](const char* button) {
    // A click straight through the button's message, so that a thousand of them take no clock time.
    WindowOf(button).SendMessage(BM_CLICK);
  };
  for (const char* b : {"按钮2", "按钮3", "按钮4"}) search(b);  // the filter texts are made once
  const std::size_t before = app::LiveHeapBlocks();
  for (int i = 0; i < 1000; ++i)
    for (const char* b : {"按钮2", "按钮3", "按钮4"}) search(b);
  EXPECT_EQ(app::LiveHeapBlocks(), before);
  EXPECT_EQ(HandOvers().size(), 5u * 1001u);
}

}  // namespace
}  // namespace kinds_test
