#include "links/search_handlers.h"

#include <cstdint>

#include "app/constant_area.h"
#include "app/heap.h"
#include "links/control_ids.h"
#include "links/control_reading.h"
#include "links/join_texts.h"
#include "links/program_texts.h"
#include "platform/open_address.h"

namespace links {
namespace {

using app::ConstantText;
using app::ConstantTextId;

// Opens a joined address and gives it back to the heap. An address that is absent is opened as
// the empty text.
void OpenAndRelease(char* address) {
  platform::OpenAddress(address != nullptr ? address : ConstantText(ConstantTextId::kEmpty));
  app::ReleaseMemory(address);
}

// The keywords of `edit_box` appended to `prefix`, and `tail` after them when given. The keywords
// are read afresh for every address.
void OpenSearch(ConstantTextId prefix, std::uint32_t edit_box, const char* tail = nullptr) {
  char* keywords = ReadControlText(edit_box);
  char* address = tail != nullptr ? JoinTexts({ConstantText(prefix), keywords, tail})
                                  : JoinTexts({ConstantText(prefix), keywords});
  app::ReleaseMemory(keywords);
  OpenAndRelease(address);
}

}  // namespace

void SearchTaobao() {
  struct Sort {
    std::uint32_t radio_box;
    ConstantTextId prefix;
  };
  static constexpr Sort kSorts[] = {
      {control::kRadioBox1, ConstantTextId::kTaobaoSearchPriceAsc},
      {control::kRadioBox2, ConstantTextId::kTaobaoSearchSaleDesc},
      {control::kRadioBox3, ConstantTextId::kTaobaoSearchCreditDesc},
  };
  // Each radio box is asked on its own, not as one choice among three.
  for (const Sort& sort : kSorts) {
    if (ReadCheckedState(sort.radio_box) == 0) continue;
    SetTaobaoFilterTexts();
    char* keywords = ReadControlText(control::kEditBox1);
    char* address = JoinTexts({ConstantText(sort.prefix), TaobaoFilterText(kFilterDescribedAsIs),
                               TaobaoFilterText(kFilterSevenDayReturn), TaobaoFilterText(kFilterTaobaoMall),
                               TaobaoFilterText(kFilterWangwangOnline),
                               ConstantText(ConstantTextId::kTaobaoKeywordParameter), keywords});
    app::ReleaseMemory(keywords);
    OpenAndRelease(address);
  }
}

void SearchJingdongNewegg() {
  struct Sort {
    std::uint32_t radio_box;
    ConstantTextId jingdong_prefix;
    ConstantTextId newegg_prefix;
  };
  static constexpr Sort kSorts[] = {
      {control::kRadioBox4, ConstantTextId::kJingdongSearchDefault, ConstantTextId::kNeweggSearchDefault},
      {control::kRadioBox5, ConstantTextId::kJingdongSearchPriceDesc, ConstantTextId::kNeweggSearchPriceDesc},
      {control::kRadioBox6, ConstantTextId::kJingdongSearchPriceAsc, ConstantTextId::kNeweggSearchPriceAsc},
  };
  for (const Sort& sort : kSorts) {
    if (ReadCheckedState(sort.radio_box) == 0) continue;
    OpenSearch(sort.jingdong_prefix, control::kEditBox2);
    OpenSearch(sort.newegg_prefix, control::kEditBox2);
  }
}

void SearchAmazonDangdang() {
  if (ReadCheckedState(control::kCheckBox4) == 1) {
    OpenSearch(ConstantTextId::kAmazonSearchBooks, control::kEditBox3);
    OpenSearch(ConstantTextId::kDangdangSearchBooks, control::kEditBox3,
               ConstantText(ConstantTextId::kDangdangSearchBooksTail));
  } else {
    OpenSearch(ConstantTextId::kAmazonSearchAll, control::kEditBox3);
    OpenSearch(ConstantTextId::kDangdangSearchAll, control::kEditBox3);
  }
}

}  // namespace links
