#include "links/handler_table.h"

#include "links/promotion_handlers.h"
#include "links/search_handlers.h"

namespace links {

Handler ResolveHandler(std::uint32_t ref) {
  switch (ref) {
    case kMainWindowCreated: return OnMainWindowCreated;
    case kSearchTaobao: return SearchTaobao;
    case kSearchJingdongNewegg: return SearchJingdongNewegg;
    case kSearchAmazonDangdang: return SearchAmazonDangdang;
    case kOpenTaobaoPromotion: return OpenTaobaoPromotion;
    case kOpenJingdongPromotion: return OpenJingdongPromotion;
    case kOpenNeweggPromotion: return OpenNeweggPromotion;
    case kOpenAmazonPromotion: return OpenAmazonPromotion;
    case kOpenDangdangHome: return OpenDangdangHome;
    default: return nullptr;
  }
}

}  // namespace links
