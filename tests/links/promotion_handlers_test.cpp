#include "links/promotion_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "handler_fixture.h"
#include "link_shapes.h"
#include "links/handler_table.h"
#include "links/search_handlers.h"

namespace {

using shapes::project::Chanet;
using shapes::project::DangdangUnion;
using shapes::project::LinkTech;
using shapes::project::TaobaoChannel;

struct PromotionCase {
  const char* name;
  std::uint32_t ref;  // as the window description stores it
  void (*handler)();
  std::string address;
};

void PrintTo(const PromotionCase& c, std::ostream* os) { *os << c.name; }

class PromotionHandlerTest : public testing_support::HandlerTest,
                             public testing::WithParamInterface<PromotionCase> {};

TEST_P(PromotionHandlerTest, OpensItsAddressAndReadsNothing) {
  GetParam().handler();
  EXPECT_EQ(Opened(), std::vector<std::string>{GetParam().address});
  EXPECT_EQ(operations_.calls.back().show, platform::kShowNormal);
  EXPECT_TRUE(window_.reads().empty());
}

TEST_P(PromotionHandlerTest, StoredReferenceResolvesToIt) {
  const links::Handler handler = links::ResolveHandler(GetParam().ref);
  ASSERT_NE(handler, nullptr);
  handler();
  EXPECT_EQ(Opened(), std::vector<std::string>{GetParam().address});
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PromotionHandlerTest,
    testing::Values(
        PromotionCase{"Button1", 5, links::OpenTaobaoPromotion,
                      TaobaoChannel("/tms/channel/channelcode.htm", "101329")},
        PromotionCase{"Button5", 6, links::OpenJingdongPromotion, Chanet("57319")},
        PromotionCase{"Button6", 7, links::OpenNeweggPromotion, Chanet("83164")},
        PromotionCase{"Button7", 8, links::OpenAmazonPromotion, LinkTech("joyo", "www.amazon.cn", "")},
        PromotionCase{"Button8", 9, links::OpenDangdangHome, DangdangUnion("www.dangdang.com", "/")}),
    [](const testing::TestParamInfo<PromotionCase>& info) { return std::string(info.param.name); });

TEST(HandlerTable, SearchReferencesResolveToTheSearchHandlers) {
  EXPECT_EQ(links::ResolveHandler(2), &links::SearchTaobao);
  EXPECT_EQ(links::ResolveHandler(3), &links::SearchJingdongNewegg);
  EXPECT_EQ(links::ResolveHandler(4), &links::SearchAmazonDangdang);
}

TEST(HandlerTable, NoneAndUnknownReferencesResolveToNothing) {
  for (std::uint32_t ref : {0u, 10u, 11u, 0x16010047u, 0xFFFFFFFFu}) {
    EXPECT_EQ(links::ResolveHandler(ref), nullptr) << ref;
  }
}

class MainWindowCreatedTest : public testing_support::HandlerTest {};

TEST_F(MainWindowCreatedTest, DoesNothing) {
  const links::Handler handler = links::ResolveHandler(1);
  ASSERT_NE(handler, nullptr);
  handler();
  EXPECT_TRUE(operations_.calls.empty());
  EXPECT_TRUE(window_.reads().empty());
  EXPECT_EQ(links::TaobaoFilterText(links::kFilterDescribedAsIs), nullptr);
}

}  // namespace
