#pragma once
// Click handlers of the three search buttons. Each reads its page's controls at click time,
// builds the search addresses and opens each with OpenAddress.

namespace links {

void SearchTaobao();           // 按钮2
void SearchJingdongNewegg();   // 按钮3
void SearchAmazonDangdang();   // 按钮4

}  // namespace links
