#pragma once
// Handler references as the window description stores them in its event bindings. 0 is none.
// The numbers are part of the stored description: never renumber.
#include <cstdint>

namespace links {

using Handler = void (*)();

enum HandlerRef : std::uint32_t {
  kNoHandler = 0,
  kMainWindowCreated = 1,    // the window's event 0: does nothing
  kSearchTaobao = 2,         // 按钮2
  kSearchJingdongNewegg = 3, // 按钮3
  kSearchAmazonDangdang = 4, // 按钮4
  kOpenTaobaoPromotion = 5,  // 按钮1
  kOpenJingdongPromotion = 6,// 按钮5
  kOpenNeweggPromotion = 7,  // 按钮6
  kOpenAmazonPromotion = 8,  // 按钮7
  kOpenDangdangHome = 9,     // 按钮8
  kHandlerRefCount = 10,
};

// The handler behind a stored reference; null for none or an unknown reference.
Handler ResolveHandler(std::uint32_t ref);

}  // namespace links
