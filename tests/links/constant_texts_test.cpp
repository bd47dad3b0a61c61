#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/constant_area.h"
#include "app/heap.h"
#include "links/endpoints.h"
#include "links/fixed_links.h"
#include "link_shapes.h"

namespace {

using app::ConstantText;
using app::ConstantTextId;

struct ValueCase {
  const char* name;
  const char* value;
  const char* expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class EndpointValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(EndpointValueTest, HasTheProjectValue) { EXPECT_STREQ(GetParam().value, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Values, EndpointValueTest,
    testing::Values(ValueCase{"TaobaoSearchHost", links::kTaobaoSearchHost, "s8.taobao.com"},
                    ValueCase{"TaobaoChannelHost", links::kTaobaoChannelHost, "pindao.huoban.taobao.com"},
                    ValueCase{"LinkTechClickHost", links::kLinkTechClickHost, "click.linktech.cn"},
                    ValueCase{"AmazonChinaHost", links::kAmazonChinaHost, "www.amazon.cn"},
                    ValueCase{"DangdangSearchHost", links::kDangdangSearchHost, "search.dangdang.com"},
                    ValueCase{"DangdangUnionHost", links::kDangdangUnionHost, "union.dangdang.com"},
                    ValueCase{"DangdangHomeHost", links::kDangdangHomeHost, "www.dangdang.com"},
                    ValueCase{"DangdangBookHost", links::kDangdangBookHost, "book.dangdang.com"},
                    ValueCase{"DangdangRankingHost", links::kDangdangRankingHost, "bang.dangdang.com"},
                    ValueCase{"DangdangPromoHost", links::kDangdangPromoHost, "promo.dangdang.com"},
                    ValueCase{"DangdangShopHost", links::kDangdangShopHost, "shop.dangdang.com"},
                    ValueCase{"JingdongSearchHost", links::kJingdongSearchHost, "search.360buy.com"},
                    ValueCase{"NeweggChinaHost", links::kNeweggChinaHost, "www.newegg.com.cn"},
                    ValueCase{"ChanetClickHost", links::kChanetClickHost, "count.chanet.com.cn"},
                    ValueCase{"TaobaoPid", links::kTaobaoPid, "mm_40615293_0_0"},
                    ValueCase{"LinkTechAffiliateId", links::kLinkTechAffiliateId, "A207351946"},
                    ValueCase{"DangdangUnionId", links::kDangdangUnionId, "P-519604"},
                    ValueCase{"ChanetAffiliateId", links::kChanetAffiliateId, "604725"},
                    ValueCase{"MerchantAmazonChina", links::kMerchantAmazonChina, "joyo"},
                    ValueCase{"MerchantDangdang", links::kMerchantDangdang, "dangdang"},
                    ValueCase{"MerchantJingdong", links::kMerchantJingdong, "360buy"},
                    ValueCase{"MerchantNewegg", links::kMerchantNewegg, "newegg"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

// Every stored address, rebuilt from the named endpoints and codes by the rule of its shape.

struct RebuildCase {
  const char* name;
  const char* stored;
  std::string rebuilt;
};

void PrintTo(const RebuildCase& c, std::ostream* os) { *os << c.name; }

std::string TaobaoSearch(const char* sort) {
  return shapes::TaobaoSearch(links::kTaobaoSearchHost, links::kTaobaoPid, sort);
}
std::string TaobaoChannel(const char* path, const char* event) {
  return shapes::TaobaoChannel(links::kTaobaoChannelHost, path, links::kTaobaoPid, event);
}
std::string LinkTech(const char* merchant, const char* target_host, const char* encoded_path) {
  return shapes::LinkTech(links::kLinkTechClickHost, merchant, links::kLinkTechAffiliateId, target_host,
                          encoded_path);
}
std::string DangdangUnion(const char* target_host, const char* target_path) {
  return shapes::DangdangUnion(links::kDangdangUnionHost, links::kDangdangUnionId, target_host, target_path);
}
std::string Chanet(const char* link) { return shapes::Chanet(links::kChanetClickHost, links::kChanetAffiliateId, link); }

const char* Stored(ConstantTextId id) { return ConstantText(id); }

class StoredAddressTest : public testing::TestWithParam<RebuildCase> {};

TEST_P(StoredAddressTest, EqualsItsShapeByteForByte) { EXPECT_EQ(std::string(GetParam().stored), GetParam().rebuilt); }

using Id = ConstantTextId;
using links::kAmazonChinaHost;
using links::kDangdangSearchHost;
using links::kJingdongSearchHost;
using links::kMerchantAmazonChina;
using links::kMerchantDangdang;
using links::kMerchantJingdong;
using links::kMerchantNewegg;
using links::kNeweggChinaHost;

INSTANTIATE_TEST_SUITE_P(
    SearchPrefixes, StoredAddressTest,
    testing::Values(
        RebuildCase{"TaobaoPriceAsc", Stored(Id::kTaobaoSearchPriceAsc), TaobaoSearch("price-asc")},
        RebuildCase{"TaobaoSaleDesc", Stored(Id::kTaobaoSearchSaleDesc), TaobaoSearch("sale-desc")},
        RebuildCase{"TaobaoCreditDesc", Stored(Id::kTaobaoSearchCreditDesc), TaobaoSearch("credit-desc")},
        RebuildCase{"JingdongDefault", Stored(Id::kJingdongSearchDefault),
                    LinkTech(kMerchantJingdong, kJingdongSearchHost, "%2FSearch%3Fkeyword%3D")},
        RebuildCase{"JingdongPriceDesc", Stored(Id::kJingdongSearchPriceDesc),
                    LinkTech(kMerchantJingdong, kJingdongSearchHost, "%2Fsearch%3Fev%3D%26psort%3D1%26keyword%3D")},
        RebuildCase{"JingdongPriceAsc", Stored(Id::kJingdongSearchPriceAsc),
                    LinkTech(kMerchantJingdong, kJingdongSearchHost, "%2Fsearch%3Fev%3D%26psort%3D2%26keyword%3D")},
        RebuildCase{"NeweggDefault", Stored(Id::kNeweggSearchDefault),
                    LinkTech(kMerchantNewegg, kNeweggChinaHost, "%2FSearch.aspx%3Fkeyword%3D")},
        RebuildCase{"NeweggPriceDesc", Stored(Id::kNeweggSearchPriceDesc),
                    LinkTech(kMerchantNewegg, kNeweggChinaHost, "%2FSearch.aspx%3Fsort%3D40%26keyword%3D")},
        RebuildCase{"NeweggPriceAsc", Stored(Id::kNeweggSearchPriceAsc),
                    LinkTech(kMerchantNewegg, kNeweggChinaHost, "%2FSearch.aspx%3Fsort%3D30%26keyword%3D")},
        RebuildCase{"AmazonBooks", Stored(Id::kAmazonSearchBooks),
                    LinkTech(kMerchantAmazonChina, kAmazonChinaHost,
                             "%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3Dsearch-alias%253Dbooks%26x%3D31%26y%3D29"
                             "%26field-keywords%3D")},
        RebuildCase{"DangdangBooks", Stored(Id::kDangdangSearchBooks),
                    LinkTech(kMerchantDangdang, kDangdangSearchHost, "%2Fbook%2Fsearch_pub.php%3Fkey%3D")},
        RebuildCase{"DangdangBooksTail", Stored(Id::kDangdangSearchBooksTail), "%26SearchFromTop%3D1%26catalog%3D01"},
        RebuildCase{"AmazonAll", Stored(Id::kAmazonSearchAll),
                    LinkTech(kMerchantAmazonChina, kAmazonChinaHost,
                             "%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3Dsearch-alias%253Daps%26x%3D34%26y%3D30"
                             "%26field-keywords%3D")},
        RebuildCase{"DangdangAll", Stored(Id::kDangdangSearchAll), DangdangUnion(kDangdangSearchHost, "/search.php?key=")},
        RebuildCase{"FilterDescribedAsIs", Stored(Id::kFilterDescribedAsIs), "&isprepay=1"},
        RebuildCase{"FilterSevenDayReturn", Stored(Id::kFilterSevenDayReturn), "&promoted_service4=4"},
        RebuildCase{"FilterTaobaoMall", Stored(Id::kFilterTaobaoMall), "&user_type=1"},
        RebuildCase{"FilterWangwangOnline", Stored(Id::kFilterWangwangOnline), "&olu=yes"},
        RebuildCase{"TaobaoKeywordParameter", Stored(Id::kTaobaoKeywordParameter), "&q="}),
    [](const testing::TestParamInfo<RebuildCase>& info) { return std::string(info.param.name); });

// The 23 fixed addresses as the rest of the program sees them.
INSTANTIATE_TEST_SUITE_P(
    FixedAddresses, StoredAddressTest,
    testing::Values(
        RebuildCase{"Button1", links::kTaobaoPromotionAddress,
                    TaobaoChannel("/tms/channel/channelcode.htm", "101329")},
        RebuildCase{"Button5", links::kJingdongPromotionAddress, Chanet("57319")},
        RebuildCase{"Button6", links::kNeweggPromotionAddress, Chanet("83164")},
        RebuildCase{"Button7", links::kAmazonPromotionAddress, LinkTech(kMerchantAmazonChina, kAmazonChinaHost, "")},
        RebuildCase{"Button8", links::kDangdangHomeAddress, DangdangUnion(links::kDangdangHomeHost, "/")},
        RebuildCase{"HyperLinker1", links::kHyperlinkAddresses[0], TaobaoChannel("/tms/channel/lady.htm", "101345")},
        RebuildCase{"HyperLinker2", links::kHyperlinkAddresses[1], TaobaoChannel("/tms/channel/beauty.htm", "101328")},
        RebuildCase{"HyperLinker3", links::kHyperlinkAddresses[2],
                    TaobaoChannel("/tms/channel/jewelry.htm", "101331")},
        RebuildCase{"HyperLinker4", links::kHyperlinkAddresses[3], TaobaoChannel("/tms/channel/man.htm", "101330")},
        RebuildCase{"HyperLinker5", links::kHyperlinkAddresses[4], TaobaoChannel("/tms/channel/onsale.htm", "101586")},
        RebuildCase{"HyperLinker6", links::kHyperlinkAddresses[5],
                    TaobaoChannel("/tms/channel/channelmall.htm", "101334")},
        RebuildCase{"HyperLinker7", links::kHyperlinkAddresses[6], TaobaoChannel("/channel/channelfy.htm", "101325")},
        RebuildCase{"HyperLinker8", links::kHyperlinkAddresses[7], TaobaoChannel("/tms/channel/baby.htm", "101326")},
        RebuildCase{"HyperLinker9", links::kHyperlinkAddresses[8],
                    TaobaoChannel("/tms/channel/electric.htm", "101333")},
        RebuildCase{"HyperLinker10", links::kHyperlinkAddresses[9], TaobaoChannel("/tms/channel/food.htm", "101327")},
        RebuildCase{"HyperLinker11", links::kHyperlinkAddresses[10],
                    TaobaoChannel("/tms/channel/digital.htm", "101332")},
        RebuildCase{"HyperLinker12", links::kHyperlinkAddresses[11],
                    TaobaoChannel("/tms/channel/mallhouse.htm", "101546")},
        RebuildCase{"HyperLinker13", links::kHyperlinkAddresses[12],
                    LinkTech(kMerchantAmazonChina, kAmazonChinaHost,
                             "%2F%25E5%259B%25BE%25E4%25B9%25A6%2Fb%2Fref%3Dsd_allcat_bo%3Fie%3DUTF8"
                             "%26node%3D658390051")},
        RebuildCase{"HyperLinker14", links::kHyperlinkAddresses[13],
                    LinkTech(kMerchantAmazonChina, kAmazonChinaHost, "%2Fgp%2Fbestsellers%2F")},
        RebuildCase{"HyperLinker15", links::kHyperlinkAddresses[14], DangdangUnion(links::kDangdangBookHost, "")},
        RebuildCase{"HyperLinker16", links::kHyperlinkAddresses[15], DangdangUnion(links::kDangdangRankingHost, "")},
        RebuildCase{"HyperLinker17", links::kHyperlinkAddresses[16], DangdangUnion(links::kDangdangPromoHost, "")},
        RebuildCase{"HyperLinker18", links::kHyperlinkAddresses[17], DangdangUnion(links::kDangdangShopHost, "")}),
    [](const testing::TestParamInfo<RebuildCase>& info) { return std::string(info.param.name); });

TEST(FixedAddresses, AmazonHomeEndsRightAfterTheHost) {
  EXPECT_TRUE(std::string(links::kAmazonPromotionAddress).ends_with("&tu=http%3A%2F%2Fwww.amazon.cn"));
}

TEST(FixedAddresses, DangdangHomeEndsWithASlashAndTheSectionLinksAtTheHost) {
  EXPECT_TRUE(std::string(links::kDangdangHomeAddress).ends_with("backurl=http://www.dangdang.com/"));
  for (int i = 14; i < 18; ++i) {
    EXPECT_TRUE(std::string(links::kHyperlinkAddresses[i]).ends_with(".dangdang.com")) << i + 1;
  }
}

// The constant area.

TEST(ConstantArea, HoldsEveryConstantTextWhole) {
  for (int i = 0; i < static_cast<int>(ConstantTextId::kCount); ++i) {
    const auto id = static_cast<ConstantTextId>(i);
    const char* text = ConstantText(id);
    const std::size_t length = ConstantTextLength(id);
    EXPECT_TRUE(app::IsInConstantArea(text)) << i;
    EXPECT_TRUE(app::IsInConstantArea(text + length)) << "the zero byte of text " << i;
    EXPECT_EQ(std::strlen(text), length) << i;
  }
  EXPECT_STREQ(ConstantText(ConstantTextId::kEmpty), "");
}

TEST(ConstantArea, NamedPiecesAndFixedAddressesLieInIt) {
  for (const char* text : {links::kTaobaoSearchHost, links::kChanetAffiliateId, links::kMerchantNewegg,
                           links::kTaobaoPromotionAddress, links::kDangdangHomeAddress}) {
    EXPECT_TRUE(app::IsInConstantArea(text)) << text;
  }
  for (const char* text : links::kHyperlinkAddresses) EXPECT_TRUE(app::IsInConstantArea(text)) << text;
}

TEST(ConstantArea, EqualBytesElsewhereAreNotInIt) {
  const std::string copy = links::kTaobaoSearchHost;
  EXPECT_FALSE(app::IsInConstantArea(copy.c_str()));
  const char literal[] = "&isprepay=1";
  EXPECT_FALSE(app::IsInConstantArea(literal));
  EXPECT_FALSE(app::IsInConstantArea(nullptr));
  EXPECT_FALSE(app::IsInConstantArea(app::kConstantArea.bytes + sizeof(app::kConstantArea.bytes)));
  EXPECT_TRUE(app::IsInConstantArea(app::kConstantArea.bytes + sizeof(app::kConstantArea.bytes) - 1));
}

TEST(ConstantArea, ReleasingAnyConstantTextDoesNothing) {
  const std::size_t before = app::LiveHeapBlocks();
  for (int i = 0; i < static_cast<int>(ConstantTextId::kCount); ++i) {
    const char* text = ConstantText(static_cast<ConstantTextId>(i));
    app::ReleaseMemory(text);
    app::ReleaseMemory(text + 1);  // a reference into the middle of a text is still constant
  }
  EXPECT_EQ(app::LiveHeapBlocks(), before);
  EXPECT_STREQ(links::kTaobaoSearchHost, "s8.taobao.com");
}

}  // namespace
