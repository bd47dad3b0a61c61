#include "links/program_texts.h"

#include <cstdint>

#include "app/constant_area.h"
#include "app/heap.h"
#include "links/control_ids.h"
#include "links/control_reading.h"

namespace links {
namespace {

struct FilterSource {
  std::uint32_t check_box;
  app::ConstantTextId fragment;
};

constexpr FilterSource kFilterSources[kTaobaoFilterCount] = {
    {control::kCheckBox1, app::ConstantTextId::kFilterDescribedAsIs},
    {control::kCheckBox2, app::ConstantTextId::kFilterSevenDayReturn},
    {control::kCheckBox3, app::ConstantTextId::kFilterTaobaoMall},
    {control::kCheckBox10, app::ConstantTextId::kFilterWangwangOnline},
};

const char* filter_texts[kTaobaoFilterCount] = {};

}  // namespace

const char* TaobaoFilterText(TaobaoFilter filter) { return filter_texts[filter]; }

void SetTaobaoFilterTexts() {
  for (int i = 0; i < kTaobaoFilterCount; ++i) {
    const bool checked = ReadCheckedState(kFilterSources[i].check_box) == 1;
    filter_texts[i] = app::ConstantText(checked ? kFilterSources[i].fragment : app::ConstantTextId::kEmpty);
  }
}

void ReleaseProgramTexts() {
  for (const char* text : filter_texts) {
    if (text != nullptr) app::ReleaseMemory(text);
  }
}

void ResetProgramTextsForTesting() {
  for (const char*& text : filter_texts) text = nullptr;
}

}  // namespace links
