#include "platform/read_control_property.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/heap.h"
#include "fake_loaded_window.h"
#include "fatal_error_capture.h"
#include "gbk_text.h"

namespace {

using platform::PropertyType;
using platform::RawProperty;
using platform::ReadControlProperty;
using testing_support::FakeLoadedWindow;
using testing_support::FatalErrorRaised;
using testing_support::Gbk;

constexpr std::uint32_t kWindow = 0x52010001;
constexpr std::uint32_t kEdit = 0x16010041;
constexpr std::uint32_t kCheck = 0x16010052;

class ReadControlPropertyTest : public testing::Test {
 protected:
  void SetUp() override { blocks_before_ = app::LiveHeapBlocks(); }
  void TearDown() override { EXPECT_EQ(app::LiveHeapBlocks(), blocks_before_); }

  // The fatal error text that reading raises, or empty when it raises none.
  std::string FatalTextOfRead(std::uint32_t window, std::uint32_t control, int property) {
    try {
      platform::PropertyValue value = ReadControlProperty(window, control, property, -1);
      app::ReleaseMemory(value.text);
    } catch (const FatalErrorRaised& raised) {
      return raised.text;
    }
    return {};
  }

  testing_support::ScopedFatalErrorCapture capture_;
  FakeLoadedWindow window_{kWindow};
  std::size_t blocks_before_ = 0;
};

TEST_F(ReadControlPropertyTest, WindowNotLoadedIsFatal) {
  window_.SetChecked(kCheck, {1});
  // Not registered.
  EXPECT_EQ(FatalTextOfRead(kWindow, kCheck, platform::kPropertyChecked),
            app::ComposeFatalText(Gbk("未载入欲访问窗口组件所在的窗口").c_str(), 0));
  EXPECT_TRUE(window_.reads().empty());
}

TEST_F(ReadControlPropertyTest, OtherWindowIdentityIsNotLoaded) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetChecked(kCheck, {1});
  EXPECT_EQ(FatalTextOfRead(kWindow + 1, kCheck, platform::kPropertyChecked),
            app::ComposeFatalText(Gbk("未载入欲访问窗口组件所在的窗口").c_str(), 0));
}

TEST_F(ReadControlPropertyTest, MissingPlatformWindowIsFatalForOwnPropertiesOnly) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.AddControl(kCheck, /*window_exists=*/false);
  window_.SetCommon(kCheck, 0, {PropertyType::kInteger, 120, {}});
  EXPECT_EQ(FatalTextOfRead(kWindow, kCheck, platform::kPropertyChecked),
            app::ComposeFatalText(Gbk("指定窗口尚未载入").c_str(), 0));
  EXPECT_TRUE(window_.reads().empty()) << "the control must not be asked";

  // The left edge comes from the description and needs no platform window.
  EXPECT_EQ(ReadControlProperty(kWindow, kCheck, 0, -1).integer, 120);
}

struct ConversionCase {
  const char* name;
  PropertyType type;
  std::int32_t raw;
  std::int32_t expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class RawConversionTest : public ReadControlPropertyTest,
                          public testing::WithParamInterface<ConversionCase> {};

TEST_P(RawConversionTest, ConvertsByDeclaredType) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetOwn(kCheck, testing_support::kOwnChecked, {{GetParam().type, GetParam().raw, {}}});
  const platform::PropertyValue value = ReadControlProperty(kWindow, kCheck, platform::kPropertyChecked, -1);
  EXPECT_EQ(value.integer, GetParam().expected);
  EXPECT_EQ(value.text, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RawConversionTest,
    testing::Values(ConversionCase{"BooleanChecked", PropertyType::kBoolean, 1, 1},
                    ConversionCase{"BooleanUnchecked", PropertyType::kBoolean, 0, 0},
                    ConversionCase{"BooleanIndeterminateCountsAsUnchecked", PropertyType::kBoolean, 2, 0},
                    ConversionCase{"BooleanMinusOneIsNotOne", PropertyType::kBoolean, -1, 0},
                    ConversionCase{"IntegerUnchanged", PropertyType::kInteger, -7, -7},
                    ConversionCase{"IntegerTwoStaysTwo", PropertyType::kInteger, 2, 2}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return std::string(info.param.name); });

TEST_F(ReadControlPropertyTest, OwnPropertyIsAskedByItsOwnNumberWithTheIndex) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetText(kEdit, {"x"});
  platform::PropertyValue value = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1);
  app::ReleaseMemory(value.text);
  ASSERT_EQ(window_.reads().size(), 1u);
  EXPECT_EQ(window_.reads()[0], (FakeLoadedWindow::Read{kEdit, 8, -1}));
}

TEST_F(ReadControlPropertyTest, EmptyTextReadsAsNoneWithoutABlock) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetText(kEdit, {""});
  const std::size_t before = app::LiveHeapBlocks();
  const platform::PropertyValue value = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1);
  EXPECT_EQ(value.text, nullptr);
  EXPECT_EQ(app::LiveHeapBlocks(), before);
}

TEST_F(ReadControlPropertyTest, TextIsANewBlockEachRead) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  const std::string keywords = Gbk("诺基亚 手机");
  window_.SetText(kEdit, {keywords});
  const std::size_t before = app::LiveHeapBlocks();
  char* first = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1).text;
  char* second = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1).text;
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(std::string(first), keywords);
  EXPECT_EQ(std::string(second), keywords);
  EXPECT_EQ(app::LiveHeapBlocks(), before + 2);
  app::ReleaseMemory(first);
  app::ReleaseMemory(second);
}

TEST_F(ReadControlPropertyTest, TextAsksTheControlAfresh) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetText(kEdit, {"one", "two"});
  char* first = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1).text;
  char* second = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1).text;
  EXPECT_STREQ(first, "one");
  EXPECT_STREQ(second, "two");
  app::ReleaseMemory(first);
  app::ReleaseMemory(second);
}

TEST_F(ReadControlPropertyTest, TextEndsAtAZeroByte) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetText(kEdit, {std::string("ab\0cd", 5)});
  char* text = ReadControlProperty(kWindow, kEdit, platform::kPropertyText, -1).text;
  EXPECT_STREQ(text, "ab");
  app::ReleaseMemory(text);
}

TEST_F(ReadControlPropertyTest, ControlNotInTheWindowReadsZeroAndNone) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  const platform::PropertyValue value = ReadControlProperty(kWindow, 0x16019999, platform::kPropertyText, -1);
  EXPECT_EQ(value.integer, 0);
  EXPECT_EQ(value.text, nullptr);
  EXPECT_TRUE(window_.reads().empty());
}

TEST_F(ReadControlPropertyTest, PropertyTheKindLacksReadsZero) {
  testing_support::ScopedLoadedWindow loaded(&window_);
  window_.SetChecked(kCheck, {1});
  const platform::PropertyValue value = ReadControlProperty(kWindow, kCheck, 12, -1);
  EXPECT_EQ(value.integer, 0);
  EXPECT_EQ(value.text, nullptr);
}

TEST_F(ReadControlPropertyTest, ALaterRegistrationOfTheSameIdentityReplacesTheEarlier) {
  FakeLoadedWindow replacement(kWindow);
  window_.SetChecked(kCheck, {0});
  replacement.SetChecked(kCheck, {1});
  testing_support::ScopedLoadedWindow first(&window_);
  testing_support::ScopedLoadedWindow second(&replacement);
  EXPECT_EQ(ReadControlProperty(kWindow, kCheck, platform::kPropertyChecked, -1).integer, 1);
  EXPECT_TRUE(window_.reads().empty());
}

}  // namespace
