#include "links/promotion_handlers.h"

#include "links/fixed_links.h"
#include "platform/open_address.h"

namespace links {

void OpenTaobaoPromotion() { platform::OpenAddress(kTaobaoPromotionAddress); }

void OpenJingdongPromotion() { platform::OpenAddress(kJingdongPromotionAddress); }

void OpenNeweggPromotion() { platform::OpenAddress(kNeweggPromotionAddress); }

void OpenAmazonPromotion() { platform::OpenAddress(kAmazonPromotionAddress); }

void OpenDangdangHome() { platform::OpenAddress(kDangdangHomeAddress); }

void OnMainWindowCreated() {}

}  // namespace links
