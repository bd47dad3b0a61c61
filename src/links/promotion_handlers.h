#pragma once
// Click handlers of the five promotion buttons and the main window's created event.

namespace links {

void OpenTaobaoPromotion();    // 按钮1
void OpenJingdongPromotion();  // 按钮5
void OpenNeweggPromotion();    // 按钮6
void OpenAmazonPromotion();    // 按钮7
void OpenDangdangHome();       // 按钮8

// The main window's created event: there is nothing to set up.
void OnMainWindowCreated();

}  // namespace links
