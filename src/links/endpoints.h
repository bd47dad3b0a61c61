#pragma once
// Endpoints, affiliate codes and merchant codes that every address is made of. They point into
// the constant area; the whole addresses built from them are stored there too.
#include "app/constant_area.h"

namespace links {

inline constexpr const char* kTaobaoSearchHost = app::ConstantText(app::ConstantTextId::kTaobaoSearchHost);
inline constexpr const char* kTaobaoChannelHost = app::ConstantText(app::ConstantTextId::kTaobaoChannelHost);
inline constexpr const char* kLinkTechClickHost = app::ConstantText(app::ConstantTextId::kLinkTechClickHost);
inline constexpr const char* kAmazonChinaHost = app::ConstantText(app::ConstantTextId::kAmazonChinaHost);
inline constexpr const char* kDangdangSearchHost = app::ConstantText(app::ConstantTextId::kDangdangSearchHost);
inline constexpr const char* kDangdangUnionHost = app::ConstantText(app::ConstantTextId::kDangdangUnionHost);
inline constexpr const char* kDangdangHomeHost = app::ConstantText(app::ConstantTextId::kDangdangHomeHost);
inline constexpr const char* kDangdangBookHost = app::ConstantText(app::ConstantTextId::kDangdangBookHost);
inline constexpr const char* kDangdangRankingHost = app::ConstantText(app::ConstantTextId::kDangdangRankingHost);
inline constexpr const char* kDangdangPromoHost = app::ConstantText(app::ConstantTextId::kDangdangPromoHost);
inline constexpr const char* kDangdangShopHost = app::ConstantText(app::ConstantTextId::kDangdangShopHost);
inline constexpr const char* kJingdongSearchHost = app::ConstantText(app::ConstantTextId::kJingdongSearchHost);
inline constexpr const char* kNeweggChinaHost = app::ConstantText(app::ConstantTextId::kNeweggChinaHost);
inline constexpr const char* kChanetClickHost = app::ConstantText(app::ConstantTextId::kChanetClickHost);

inline constexpr const char* kTaobaoPid = app::ConstantText(app::ConstantTextId::kTaobaoPid);
inline constexpr const char* kLinkTechAffiliateId = app::ConstantText(app::ConstantTextId::kLinkTechAffiliateId);
inline constexpr const char* kDangdangUnionId = app::ConstantText(app::ConstantTextId::kDangdangUnionId);
inline constexpr const char* kChanetAffiliateId = app::ConstantText(app::ConstantTextId::kChanetAffiliateId);

inline constexpr const char* kMerchantAmazonChina = app::ConstantText(app::ConstantTextId::kMerchantAmazonChina);
inline constexpr const char* kMerchantDangdang = app::ConstantText(app::ConstantTextId::kMerchantDangdang);
inline constexpr const char* kMerchantJingdong = app::ConstantText(app::ConstantTextId::kMerchantJingdong);
inline constexpr const char* kMerchantNewegg = app::ConstantText(app::ConstantTextId::kMerchantNewegg);

}  // namespace links
