#pragma once
// The constant area: every constant text of the system in one contiguous, read-only object, so
// that ReleaseMemory can tell a constant text from a heap block by its address alone. Each
// address is stored whole, up to the point where keywords are appended.
//
// Header-only on purpose: tools that need the fixed addresses include it without linking the
// program. The area is an inline variable, hence one object in the whole program.
#include <cstddef>
#include <iterator>
#include <string_view>

namespace app {

enum class ConstantTextId : int {
  kEmpty,

  // Endpoints (hosts).
  kTaobaoSearchHost,
  kTaobaoChannelHost,
  kLinkTechClickHost,
  kAmazonChinaHost,
  kDangdangSearchHost,
  kDangdangUnionHost,
  kDangdangHomeHost,
  kDangdangBookHost,
  kDangdangRankingHost,
  kDangdangPromoHost,
  kDangdangShopHost,
  kJingdongSearchHost,
  kNeweggChinaHost,
  kChanetClickHost,

  // Affiliate codes.
  kTaobaoPid,
  kLinkTechAffiliateId,
  kDangdangUnionId,
  kChanetAffiliateId,

  // LinkTech merchant codes.
  kMerchantAmazonChina,
  kMerchantDangdang,
  kMerchantJingdong,
  kMerchantNewegg,

  // Taobao filter fragments, one per filter check box, and the keyword parameter.
  kFilterDescribedAsIs,     // 选择框1 "如实描述"
  kFilterSevenDayReturn,    // 选择框2 "7天退换"
  kFilterTaobaoMall,        // 选择框3 "淘宝商城"
  kFilterWangwangOnline,    // 选择框10 "旺旺在线"
  kTaobaoKeywordParameter,  // "&q="

  // Search addresses up to the keywords.
  kTaobaoSearchPriceAsc,    // 单选框1
  kTaobaoSearchSaleDesc,    // 单选框2
  kTaobaoSearchCreditDesc,  // 单选框3
  kJingdongSearchDefault,   // 单选框4
  kJingdongSearchPriceDesc, // 单选框5
  kJingdongSearchPriceAsc,  // 单选框6
  kNeweggSearchDefault,     // 单选框4
  kNeweggSearchPriceDesc,   // 单选框5
  kNeweggSearchPriceAsc,    // 单选框6
  kAmazonSearchBooks,
  kDangdangSearchBooks,
  kDangdangSearchBooksTail,  // follows the keywords
  kAmazonSearchAll,
  kDangdangSearchAll,

  // Promotion buttons.
  kTaobaoPromotion,    // 按钮1
  kJingdongPromotion,  // 按钮5
  kNeweggPromotion,    // 按钮6
  kAmazonPromotion,    // 按钮7
  kDangdangHome,       // 按钮8

  // Hyperlink boxes 超级链接框1 to 超级链接框18.
  kHyperlink1,
  kHyperlink2,
  kHyperlink3,
  kHyperlink4,
  kHyperlink5,
  kHyperlink6,
  kHyperlink7,
  kHyperlink8,
  kHyperlink9,
  kHyperlink10,
  kHyperlink11,
  kHyperlink12,
  kHyperlink13,
  kHyperlink14,
  kHyperlink15,
  kHyperlink16,
  kHyperlink17,
  kHyperlink18,

  // Opening addresses.
  kOwnerWindowTitle,
  kOpenVerb,
  kMailtoScheme,
  kWebPageClassKey,
  kOpenCommandSubkey,
  kQuotedPlaceholder,
  kPlaceholder,

  kCount
};

namespace constant_area_detail {

struct Entry {
  ConstantTextId id;
  std::string_view text;
};

using enum ConstantTextId;

inline constexpr Entry kEntries[] = {
    {kEmpty, ""},

    {kTaobaoSearchHost, "s8.taobao.com"},
    {kTaobaoChannelHost, "pindao.huoban.taobao.com"},
    {kLinkTechClickHost, "click.linktech.cn"},
    {kAmazonChinaHost, "www.amazon.cn"},
    {kDangdangSearchHost, "search.dangdang.com"},
    {kDangdangUnionHost, "union.dangdang.com"},
    {kDangdangHomeHost, "www.dangdang.com"},
    {kDangdangBookHost, "book.dangdang.com"},
    {kDangdangRankingHost, "bang.dangdang.com"},
    {kDangdangPromoHost, "promo.dangdang.com"},
    {kDangdangShopHost, "shop.dangdang.com"},
    {kJingdongSearchHost, "search.360buy.com"},
    {kNeweggChinaHost, "www.newegg.com.cn"},
    {kChanetClickHost, "count.chanet.com.cn"},

    {kTaobaoPid, "mm_40615293_0_0"},
    {kLinkTechAffiliateId, "A207351946"},
    {kDangdangUnionId, "P-519604"},
    {kChanetAffiliateId, "604725"},

    {kMerchantAmazonChina, "joyo"},
    {kMerchantDangdang, "dangdang"},
    {kMerchantJingdong, "360buy"},
    {kMerchantNewegg, "newegg"},

    {kFilterDescribedAsIs, "&isprepay=1"},
    {kFilterSevenDayReturn, "&promoted_service4=4"},
    {kFilterTaobaoMall, "&user_type=1"},
    {kFilterWangwangOnline, "&olu=yes"},
    {kTaobaoKeywordParameter, "&q="},

    {kTaobaoSearchPriceAsc, "http://s8.taobao.com/search?pid=mm_40615293_0_0&sort=price-asc"},
    {kTaobaoSearchSaleDesc, "http://s8.taobao.com/search?pid=mm_40615293_0_0&sort=sale-desc"},
    {kTaobaoSearchCreditDesc, "http://s8.taobao.com/search?pid=mm_40615293_0_0&sort=credit-desc"},
    {kJingdongSearchDefault,
     "http://click.linktech.cn/?m=360buy&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fsearch.360buy.com%2FSearch%3Fkeyword%3D"},
    {kJingdongSearchPriceDesc,
     "http://click.linktech.cn/?m=360buy&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fsearch.360buy.com%2Fsearch%3Fev%3D%26psort%3D1%26keyword%3D"},
    {kJingdongSearchPriceAsc,
     "http://click.linktech.cn/?m=360buy&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fsearch.360buy.com%2Fsearch%3Fev%3D%26psort%3D2%26keyword%3D"},
    {kNeweggSearchDefault,
     "http://click.linktech.cn/?m=newegg&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.newegg.com.cn%2FSearch.aspx%3Fkeyword%3D"},
    {kNeweggSearchPriceDesc,
     "http://click.linktech.cn/?m=newegg&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.newegg.com.cn%2FSearch.aspx%3Fsort%3D40%26keyword%3D"},
    {kNeweggSearchPriceAsc,
     "http://click.linktech.cn/?m=newegg&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.newegg.com.cn%2FSearch.aspx%3Fsort%3D30%26keyword%3D"},
    {kAmazonSearchBooks,
     "http://click.linktech.cn/?m=joyo&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.amazon.cn%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3Dsearch-alias%253Dbooks"
     "%26x%3D31%26y%3D29%26field-keywords%3D"},
    {kDangdangSearchBooks,
     "http://click.linktech.cn/?m=dangdang&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fsearch.dangdang.com%2Fbook%2Fsearch_pub.php%3Fkey%3D"},
    {kDangdangSearchBooksTail, "%26SearchFromTop%3D1%26catalog%3D01"},
    {kAmazonSearchAll,
     "http://click.linktech.cn/?m=joyo&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.amazon.cn%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3Dsearch-alias%253Daps"
     "%26x%3D34%26y%3D30%26field-keywords%3D"},
    {kDangdangSearchAll,
     "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl="
     "http://search.dangdang.com/search.php?key="},

    {kTaobaoPromotion,
     "http://pindao.huoban.taobao.com/tms/channel/channelcode.htm?pid=mm_40615293_0_0&eventid=101329"},
    {kJingdongPromotion, "http://count.chanet.com.cn/click.cgi?a=604725&d=57319&u=&e="},
    {kNeweggPromotion, "http://count.chanet.com.cn/click.cgi?a=604725&d=83164&u=&e="},
    {kAmazonPromotion,
     "http://click.linktech.cn/?m=joyo&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.amazon.cn"},
    {kDangdangHome,
     "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://www.dangdang.com/"},

    {kHyperlink1,
     "http://pindao.huoban.taobao.com/tms/channel/lady.htm?pid=mm_40615293_0_0&eventid=101345"},
    {kHyperlink2,
     "http://pindao.huoban.taobao.com/tms/channel/beauty.htm?pid=mm_40615293_0_0&eventid=101328"},
    {kHyperlink3,
     "http://pindao.huoban.taobao.com/tms/channel/jewelry.htm?pid=mm_40615293_0_0&eventid=101331"},
    {kHyperlink4,
     "http://pindao.huoban.taobao.com/tms/channel/man.htm?pid=mm_40615293_0_0&eventid=101330"},
    {kHyperlink5,
     "http://pindao.huoban.taobao.com/tms/channel/onsale.htm?pid=mm_40615293_0_0&eventid=101586"},
    {kHyperlink6,
     "http://pindao.huoban.taobao.com/tms/channel/channelmall.htm?pid=mm_40615293_0_0&eventid=101334"},
    {kHyperlink7,
     "http://pindao.huoban.taobao.com/channel/channelfy.htm?pid=mm_40615293_0_0&eventid=101325"},
    {kHyperlink8,
     "http://pindao.huoban.taobao.com/tms/channel/baby.htm?pid=mm_40615293_0_0&eventid=101326"},
    {kHyperlink9,
     "http://pindao.huoban.taobao.com/tms/channel/electric.htm?pid=mm_40615293_0_0&eventid=101333"},
    {kHyperlink10,
     "http://pindao.huoban.taobao.com/tms/channel/food.htm?pid=mm_40615293_0_0&eventid=101327"},
    {kHyperlink11,
     "http://pindao.huoban.taobao.com/tms/channel/digital.htm?pid=mm_40615293_0_0&eventid=101332"},
    {kHyperlink12,
     "http://pindao.huoban.taobao.com/tms/channel/mallhouse.htm?pid=mm_40615293_0_0&eventid=101546"},
    {kHyperlink13,
     "http://click.linktech.cn/?m=joyo&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.amazon.cn%2F%25E5%259B%25BE%25E4%25B9%25A6%2Fb%2Fref%3Dsd_allcat_bo"
     "%3Fie%3DUTF8%26node%3D658390051"},
    {kHyperlink14,
     "http://click.linktech.cn/?m=joyo&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu="
     "http%3A%2F%2Fwww.amazon.cn%2Fgp%2Fbestsellers%2F"},
    {kHyperlink15,
     "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://book.dangdang.com"},
    {kHyperlink16,
     "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://bang.dangdang.com"},
    {kHyperlink17,
     "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://promo.dangdang.com"},
    {kHyperlink18,
     "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://shop.dangdang.com"},

    {kOwnerWindowTitle, "Microsoft Internet Explorer"},
    {kOpenVerb, "open"},
    {kMailtoScheme, "mailto:"},
    {kWebPageClassKey, ".htm"},
    {kOpenCommandSubkey, "\\shell\\open\\command"},
    {kQuotedPlaceholder, "\"%1\""},
    {kPlaceholder, "%1"},
};

inline constexpr int kTextCount = static_cast<int>(kCount);
static_assert(std::size(kEntries) == kTextCount, "one entry per constant text");

constexpr bool EntriesAreWellFormed() {
  for (int i = 0; i < kTextCount; ++i) {
    if (static_cast<int>(kEntries[i].id) != i) return false;          // table in id order
    if (kEntries[i].text.find('\0') != std::string_view::npos) return false;  // a text ends at 0
  }
  return true;
}
static_assert(EntriesAreWellFormed(), "constant texts out of order or with a zero byte inside");

constexpr std::size_t AreaSize() {
  std::size_t size = 0;
  for (const Entry& entry : kEntries) size += entry.text.size() + 1;
  return size;
}

struct Area {
  char bytes[AreaSize()];
  std::size_t offsets[kTextCount];
};

constexpr Area BuildArea() {
  Area area{};
  std::size_t at = 0;
  for (int i = 0; i < kTextCount; ++i) {
    area.offsets[i] = at;
    for (char c : kEntries[i].text) area.bytes[at++] = c;
    area.bytes[at++] = '\0';
  }
  return area;
}

}  // namespace constant_area_detail

inline constexpr constant_area_detail::Area kConstantArea = constant_area_detail::BuildArea();

// The zero-terminated text `id`, inside the constant area.
constexpr const char* ConstantText(ConstantTextId id) {
  return kConstantArea.bytes + kConstantArea.offsets[static_cast<int>(id)];
}

constexpr std::size_t ConstantTextLength(ConstantTextId id) {
  return constant_area_detail::kEntries[static_cast<int>(id)].text.size();
}

// Whether `p` points at a byte of the constant area.
bool IsInConstantArea(const void* p);

}  // namespace app
