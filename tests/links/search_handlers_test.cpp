#include "links/search_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../platform/fatal_error_capture.h"
#include "../platform/gbk_text.h"
#include "handler_fixture.h"
#include "link_shapes.h"

namespace {

using namespace links::control;
using shapes::project::DangdangUnion;
using shapes::project::LinkTech;
using shapes::project::TaobaoSearch;
using testing_support::FakeLoadedWindow;
using testing_support::Gbk;
using Addresses = std::vector<std::string>;

// Search addresses up to the keywords, in the test's own words.
const std::string kJingdong = "search.360buy.com";
const std::string kNewegg = "www.newegg.com.cn";
const std::string kAmazon = "www.amazon.cn";
const std::string kDangdangSearch = "search.dangdang.com";

std::string JingdongDefault() { return LinkTech("360buy", kJingdong, "%2FSearch%3Fkeyword%3D"); }
std::string JingdongPriceDesc() { return LinkTech("360buy", kJingdong, "%2Fsearch%3Fev%3D%26psort%3D1%26keyword%3D"); }
std::string JingdongPriceAsc() { return LinkTech("360buy", kJingdong, "%2Fsearch%3Fev%3D%26psort%3D2%26keyword%3D"); }
std::string NeweggDefault() { return LinkTech("newegg", kNewegg, "%2FSearch.aspx%3Fkeyword%3D"); }
std::string NeweggPriceDesc() { return LinkTech("newegg", kNewegg, "%2FSearch.aspx%3Fsort%3D40%26keyword%3D"); }
std::string NeweggPriceAsc() { return LinkTech("newegg", kNewegg, "%2FSearch.aspx%3Fsort%3D30%26keyword%3D"); }
std::string AmazonBooks() {
  return LinkTech("joyo", kAmazon,
                  "%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3Dsearch-alias%253Dbooks%26x%3D31%26y%3D29%26field-keywords%3D");
}
std::string AmazonAll() {
  return LinkTech("joyo", kAmazon,
                  "%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3Dsearch-alias%253Daps%26x%3D34%26y%3D30%26field-keywords%3D");
}
std::string DangdangBooks() { return LinkTech("dangdang", kDangdangSearch, "%2Fbook%2Fsearch_pub.php%3Fkey%3D"); }
const std::string kDangdangBooksTail = "%26SearchFromTop%3D1%26catalog%3D01";
std::string DangdangAll() { return DangdangUnion(kDangdangSearch, "/search.php?key="); }

class SearchHandlersTest : public testing_support::HandlerTest {};

// Taobao: every sort with every combination of the four filters.

struct TaobaoCase {
  int sort;     // 0 to 2: 单选框1 to 单选框3
  int filters;  // bit 0 选择框1, bit 1 选择框2, bit 2 选择框3, bit 3 选择框10
};

void PrintTo(const TaobaoCase& c, std::ostream* os) { *os << "sort " << c.sort + 1 << " filters " << c.filters; }

class TaobaoSearchTest : public SearchHandlersTest, public testing::WithParamInterface<TaobaoCase> {};

TEST_P(TaobaoSearchTest, OpensOneAddressWithSortFiltersAndKeywords) {
  const std::uint32_t radios[] = {kRadioBox1, kRadioBox2, kRadioBox3};
  const char* sorts[] = {"price-asc", "sale-desc", "credit-desc"};
  const std::uint32_t boxes[] = {kCheckBox1, kCheckBox2, kCheckBox3, kCheckBox10};
  const char* fragments[] = {"&isprepay=1", "&promoted_service4=4", "&user_type=1", "&olu=yes"};

  window_.SetChecked(radios[GetParam().sort], {1});
  std::string expected = TaobaoSearch(sorts[GetParam().sort]);
  for (int i = 0; i < 4; ++i) {
    const bool on = (GetParam().filters >> i) & 1;
    window_.SetChecked(boxes[i], {on ? 1 : 0});
    if (on) expected += fragments[i];
  }
  expected += "&q=nokia n97";
  window_.SetText(kEditBox1, {"nokia n97"});

  links::SearchTaobao();
  EXPECT_EQ(Opened(), Addresses{expected});
}

std::vector<TaobaoCase> AllTaobaoCases() {
  std::vector<TaobaoCase> cases;
  for (int sort = 0; sort < 3; ++sort) {
    for (int filters = 0; filters < 16; ++filters) cases.push_back({sort, filters});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(SortsAndFilters, TaobaoSearchTest, testing::ValuesIn(AllTaobaoCases()),
                         [](const testing::TestParamInfo<TaobaoCase>& info) {
                           return "Sort" + std::to_string(info.param.sort + 1) + "Filters" +
                                  std::to_string(info.param.filters);
                         });

TEST_F(SearchHandlersTest, TaobaoWithTheSettingsAtStart) {
  window_.SetChecked(kRadioBox1, {1});
  window_.SetChecked(kCheckBox1, {1});
  window_.SetText(kEditBox1, {"mp3"});
  links::SearchTaobao();
  EXPECT_EQ(Opened(), Addresses{"http://s8.taobao.com/search?pid=mm_40615293_0_0&sort=price-asc&isprepay=1&q=mp3"});
}

TEST_F(SearchHandlersTest, TaobaoWithEmptyKeywordsEndsWithTheParameter) {
  window_.SetChecked(kRadioBox1, {1});
  links::SearchTaobao();
  EXPECT_EQ(Opened(), Addresses{"http://s8.taobao.com/search?pid=mm_40615293_0_0&sort=price-asc&q="});
}

TEST_F(SearchHandlersTest, TaobaoReadsInTheOrderOfItsSteps) {
  window_.SetChecked(kRadioBox2, {1});
  links::SearchTaobao();
  const std::vector<FakeLoadedWindow::Read> expected = {
      {kRadioBox1, 18, -1}, {kRadioBox2, 18, -1}, {kCheckBox1, 18, -1}, {kCheckBox2, 18, -1},
      {kCheckBox3, 18, -1}, {kCheckBox10, 18, -1}, {kEditBox1, 8, -1},  {kRadioBox3, 18, -1}};
  EXPECT_EQ(window_.reads(), expected);
}

TEST_F(SearchHandlersTest, TaobaoTestsEverySortOnItsOwnAndReadsAfreshForEach) {
  // Radio buttons are exclusive on screen, but each is asked on its own.
  window_.SetChecked(kRadioBox1, {1});
  window_.SetChecked(kRadioBox3, {1});
  window_.SetChecked(kCheckBox1, {1, 0});
  window_.SetChecked(kCheckBox10, {0, 1});
  window_.SetText(kEditBox1, {"first", "second"});
  links::SearchTaobao();
  EXPECT_EQ(Opened(), (Addresses{TaobaoSearch("price-asc") + "&isprepay=1&q=first",
                                 TaobaoSearch("credit-desc") + "&olu=yes&q=second"}));
}

TEST_F(SearchHandlersTest, IndeterminateStatesCountAsUnchecked) {
  window_.SetChecked(kRadioBox1, {1});
  window_.SetChecked(kRadioBox2, {2});
  window_.SetChecked(kCheckBox2, {2});
  links::SearchTaobao();
  EXPECT_EQ(Opened(), Addresses{TaobaoSearch("price-asc") + "&q="});
}

TEST_F(SearchHandlersTest, NoSortCheckedOpensNothingAndReadsNoKeywords) {
  window_.SetText(kEditBox1, {"x"});
  window_.SetText(kEditBox2, {"x"});
  links::SearchTaobao();
  links::SearchJingdongNewegg();
  EXPECT_TRUE(Opened().empty());
  for (const auto& read : window_.reads()) {
    EXPECT_NE(read.control, kEditBox1);
    EXPECT_NE(read.control, kEditBox2);
  }
}

// 360buy and Newegg.

struct PairCase {
  const char* name;
  std::uint32_t radio;
  std::string jingdong;
  std::string newegg;
};

void PrintTo(const PairCase& c, std::ostream* os) { *os << c.name; }

class JingdongNeweggSearchTest : public SearchHandlersTest, public testing::WithParamInterface<PairCase> {};

TEST_P(JingdongNeweggSearchTest, OpensJingdongThenNeweggWithKeywordsReadAfresh) {
  window_.SetChecked(GetParam().radio, {1});
  window_.SetText(kEditBox2, {"first", "second"});
  links::SearchJingdongNewegg();
  EXPECT_EQ(Opened(), (Addresses{GetParam().jingdong + "first", GetParam().newegg + "second"}));
}

INSTANTIATE_TEST_SUITE_P(Sorts, JingdongNeweggSearchTest,
                         testing::Values(PairCase{"Default", kRadioBox4, JingdongDefault(), NeweggDefault()},
                                         PairCase{"PriceDesc", kRadioBox5, JingdongPriceDesc(), NeweggPriceDesc()},
                                         PairCase{"PriceAsc", kRadioBox6, JingdongPriceAsc(), NeweggPriceAsc()}),
                         [](const testing::TestParamInfo<PairCase>& info) { return std::string(info.param.name); });

TEST_F(SearchHandlersTest, JingdongNeweggEveryCheckedSortOpensItsPair) {
  window_.SetChecked(kRadioBox4, {1});
  window_.SetChecked(kRadioBox6, {1});
  window_.SetText(kEditBox2, {"a", "b", "c", "d"});
  links::SearchJingdongNewegg();
  EXPECT_EQ(Opened(),
            (Addresses{JingdongDefault() + "a", NeweggDefault() + "b", JingdongPriceAsc() + "c", NeweggPriceAsc() + "d"}));
}

TEST_F(SearchHandlersTest, JingdongNeweggEmptyKeywordsOpenThePrefixes) {
  window_.SetChecked(kRadioBox5, {1});
  links::SearchJingdongNewegg();
  EXPECT_EQ(Opened(), (Addresses{JingdongPriceDesc(), NeweggPriceDesc()}));
}

// Amazon China and Dangdang.

TEST_F(SearchHandlersTest, BooksOnlyOpensAmazonBooksThenDangdangBooks) {
  window_.SetChecked(kCheckBox4, {1});
  window_.SetText(kEditBox3, {"first", "second"});
  links::SearchAmazonDangdang();
  EXPECT_EQ(Opened(), (Addresses{AmazonBooks() + "first", DangdangBooks() + "second" + kDangdangBooksTail}));
}

TEST_F(SearchHandlersTest, AllDepartmentsOpensAmazonThenDangdangUnion) {
  window_.SetText(kEditBox3, {"first", "second"});
  links::SearchAmazonDangdang();
  EXPECT_EQ(Opened(), (Addresses{AmazonAll() + "first", DangdangAll() + "second"}));
}

TEST_F(SearchHandlersTest, BooksOnlyNeedsExactlyOne) {
  window_.SetChecked(kCheckBox4, {2});
  links::SearchAmazonDangdang();
  EXPECT_EQ(Opened(), (Addresses{AmazonAll(), DangdangAll()}));
}

TEST_F(SearchHandlersTest, AmazonDangdangEmptyKeywords) {
  window_.SetChecked(kCheckBox4, {1});
  links::SearchAmazonDangdang();
  EXPECT_EQ(Opened(), (Addresses{AmazonBooks(), DangdangBooks() + kDangdangBooksTail}));
}

// Keywords are passed byte for byte by every search.

class KeywordsTest : public SearchHandlersTest, public testing::WithParamInterface<std::string> {};

TEST_P(KeywordsTest, ReachEveryAddressVerbatim) {
  const std::string& k = GetParam();
  window_.SetText(kEditBox1, {k});
  window_.SetText(kEditBox2, {k});
  window_.SetText(kEditBox3, {k});
  window_.SetChecked(kRadioBox2, {1});
  window_.SetChecked(kRadioBox4, {1});
  links::SearchTaobao();
  links::SearchJingdongNewegg();
  links::SearchAmazonDangdang();
  window_.SetChecked(kCheckBox4, {1});
  links::SearchAmazonDangdang();
  EXPECT_EQ(Opened(), (Addresses{TaobaoSearch("sale-desc") + "&q=" + k, JingdongDefault() + k, NeweggDefault() + k,
                                 AmazonAll() + k, DangdangAll() + k, AmazonBooks() + k,
                                 DangdangBooks() + k + kDangdangBooksTail}));
}

INSTANTIATE_TEST_SUITE_P(Keywords, KeywordsTest,
                         testing::Values("a&b=c", "#top", "two words here", "  leading and trailing  ", " ",
                                         Gbk("诺基亚 手机"), Gbk("图书") + " & " + Gbk("杂志"), "100%25 %",
                                         "a+b?c/d", "\x81\x5c\x81\x7c", "$(x) `y` ; | && ' \" *"));

// Failures.

TEST_F(SearchHandlersTest, MainWindowNotLoadedIsFatal) {
  testing_support::ScopedFatalErrorCapture capture;
  platform::UnregisterLoadedWindow(&window_);
  for (void (*handler)() : {links::SearchTaobao, links::SearchJingdongNewegg, links::SearchAmazonDangdang}) {
    try {
      handler();
      ADD_FAILURE() << "no fatal error";
    } catch (const testing_support::FatalErrorRaised& raised) {
      EXPECT_EQ(raised.text, app::ComposeFatalText(Gbk("未载入欲访问窗口组件所在的窗口").c_str(), 0));
    }
  }
  EXPECT_TRUE(Opened().empty());
}

TEST_F(SearchHandlersTest, ClicksLeaveNoHeapBlocks) {
  window_.SetChecked(kRadioBox1, {1});
  window_.SetChecked(kRadioBox3, {1});
  window_.SetChecked(kRadioBox5, {1});
  window_.SetChecked(kCheckBox2, {1});
  window_.SetText(kEditBox1, {"k1"});
  window_.SetText(kEditBox2, {"k2"});
  window_.SetText(kEditBox3, {"k3"});
  const std::size_t before = app::LiveHeapBlocks();
  for (int click = 0; click < 5; ++click) {
    links::SearchTaobao();
    links::SearchJingdongNewegg();
    links::SearchAmazonDangdang();
  }
  EXPECT_EQ(Opened().size(), 5u * (2 + 2 + 2));
  EXPECT_EQ(app::LiveHeapBlocks(), before);
}

TEST_F(SearchHandlersTest, ARefusedOpenDoesNotStopTheNextAddress) {
  operations_.shell_result = 2;
  window_.SetChecked(kRadioBox4, {1});
  links::SearchJingdongNewegg();
  links::SearchAmazonDangdang();
  EXPECT_EQ(Opened().size(), 4u);
}

}  // namespace
