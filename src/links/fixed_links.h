#pragma once
// The 23 fixed addresses: the five promotion buttons and the eighteen hyperlink boxes. The
// hyperlink addresses are stored in the window description; the description builder takes them
// from here. Header-only, pointing into the constant area.
#include "app/constant_area.h"

namespace links {

inline constexpr int kHyperlinkCount = 18;

// Index 0 is 超级链接框1, index 17 is 超级链接框18.
inline constexpr const char* kHyperlinkAddresses[kHyperlinkCount] = {
    app::ConstantText(app::ConstantTextId::kHyperlink1),
    app::ConstantText(app::ConstantTextId::kHyperlink2),
    app::ConstantText(app::ConstantTextId::kHyperlink3),
    app::ConstantText(app::ConstantTextId::kHyperlink4),
    app::ConstantText(app::ConstantTextId::kHyperlink5),
    app::ConstantText(app::ConstantTextId::kHyperlink6),
    app::ConstantText(app::ConstantTextId::kHyperlink7),
    app::ConstantText(app::ConstantTextId::kHyperlink8),
    app::ConstantText(app::ConstantTextId::kHyperlink9),
    app::ConstantText(app::ConstantTextId::kHyperlink10),
    app::ConstantText(app::ConstantTextId::kHyperlink11),
    app::ConstantText(app::ConstantTextId::kHyperlink12),
    app::ConstantText(app::ConstantTextId::kHyperlink13),
    app::ConstantText(app::ConstantTextId::kHyperlink14),
    app::ConstantText(app::ConstantTextId::kHyperlink15),
    app::ConstantText(app::ConstantTextId::kHyperlink16),
    app::ConstantText(app::ConstantTextId::kHyperlink17),
    app::ConstantText(app::ConstantTextId::kHyperlink18),
};

inline constexpr const char* kTaobaoPromotionAddress = app::ConstantText(app::ConstantTextId::kTaobaoPromotion);      // 按钮1
inline constexpr const char* kJingdongPromotionAddress = app::ConstantText(app::ConstantTextId::kJingdongPromotion);  // 按钮5
inline constexpr const char* kNeweggPromotionAddress = app::ConstantText(app::ConstantTextId::kNeweggPromotion);      // 按钮6
inline constexpr const char* kAmazonPromotionAddress = app::ConstantText(app::ConstantTextId::kAmazonPromotion);      // 按钮7
inline constexpr const char* kDangdangHomeAddress = app::ConstantText(app::ConstantTextId::kDangdangHome);            // 按钮8

}  // namespace links
