#include "links/program_texts.h"

#include <gtest/gtest.h>

#include "app/constant_area.h"
#include "handler_fixture.h"
#include "links/search_handlers.h"

namespace {

using namespace links::control;
using links::TaobaoFilterText;

class ProgramTextsTest : public testing_support::HandlerTest {
 protected:
  std::vector<std::string> FilterTexts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < links::kTaobaoFilterCount; ++i) {
      const char* text = TaobaoFilterText(static_cast<links::TaobaoFilter>(i));
      texts.push_back(text != nullptr ? text : "<unset>");
    }
    return texts;
  }
};

TEST_F(ProgramTextsTest, UnsetBeforeTheFirstTaobaoSearch) {
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>(4, "<unset>")));
  links::ReleaseProgramTexts();
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>(4, "<unset>")));
}

TEST_F(ProgramTextsTest, SetFromTheCheckBoxesToConstantTexts) {
  window_.SetChecked(kRadioBox1, {1});
  window_.SetChecked(kCheckBox1, {1});
  window_.SetChecked(kCheckBox3, {1});
  links::SearchTaobao();
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>{"&isprepay=1", "", "&user_type=1", ""}));
  for (int i = 0; i < links::kTaobaoFilterCount; ++i) {
    EXPECT_TRUE(app::IsInConstantArea(TaobaoFilterText(static_cast<links::TaobaoFilter>(i)))) << i;
  }
}

TEST_F(ProgramTextsTest, SetAnewBeforeEachUse) {
  window_.SetChecked(kRadioBox1, {1});
  window_.SetChecked(kCheckBox2, {1, 0});
  window_.SetChecked(kCheckBox10, {0, 1});
  links::SearchTaobao();
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>{"", "&promoted_service4=4", "", ""}));
  links::SearchTaobao();
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>{"", "", "", "&olu=yes"}));
}

TEST_F(ProgramTextsTest, OtherSearchesLeaveThemUnset) {
  window_.SetChecked(kRadioBox4, {1});
  links::SearchJingdongNewegg();
  links::SearchAmazonDangdang();
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>(4, "<unset>")));
}

TEST_F(ProgramTextsTest, ReleasingGivesNothingBackAndKeepsTheValues) {
  window_.SetChecked(kRadioBox2, {1});
  window_.SetChecked(kCheckBox1, {1});
  window_.SetChecked(kCheckBox2, {1});
  window_.SetChecked(kCheckBox3, {1});
  window_.SetChecked(kCheckBox10, {1});
  links::SearchTaobao();
  const std::size_t before = app::LiveHeapBlocks();
  links::ReleaseProgramTexts();
  EXPECT_EQ(app::LiveHeapBlocks(), before);
  EXPECT_EQ(FilterTexts(), (std::vector<std::string>{"&isprepay=1", "&promoted_service4=4", "&user_type=1", "&olu=yes"}));
}

}  // namespace
