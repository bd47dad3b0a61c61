#include "links/join_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/constant_area.h"
#include "app/heap.h"

namespace {

struct JoinCase {
  const char* name;
  std::vector<const char*> texts;
  std::string expected;
};

void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.name; }

class JoinTextsTest : public testing::TestWithParam<JoinCase> {};

char* Join(const std::vector<const char*>& texts) {
  switch (texts.size()) {
    case 1: return links::JoinTexts({texts[0]});
    case 2: return links::JoinTexts({texts[0], texts[1]});
    case 3: return links::JoinTexts({texts[0], texts[1], texts[2]});
    case 7: return links::JoinTexts({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]});
    default: ADD_FAILURE() << "no case for " << texts.size() << " texts"; return nullptr;
  }
}

TEST_P(JoinTextsTest, JoinsIntoANewBlock) {
  const std::size_t before = app::LiveHeapBlocks();
  char* joined = Join(GetParam().texts);
  ASSERT_NE(joined, nullptr);
  EXPECT_EQ(std::string(joined), GetParam().expected);
  EXPECT_EQ(std::strlen(joined), GetParam().expected.size()) << "ends with one zero byte";
  EXPECT_FALSE(app::IsInConstantArea(joined));
  for (const char* text : GetParam().texts) EXPECT_NE(joined, text);
  EXPECT_EQ(app::LiveHeapBlocks(), before + 1);
  app::ReleaseMemory(joined);
  EXPECT_EQ(app::LiveHeapBlocks(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinTextsTest,
    testing::Values(
        JoinCase{"OneText", {"abc"}, "abc"},
        JoinCase{"OneEmptyText", {""}, ""},
        JoinCase{"OneNullText", {nullptr}, ""},
        JoinCase{"TwoInOrder", {"http://a/?q=", "nokia"}, "http://a/?q=nokia"},
        JoinCase{"NullCountsAsEmpty", {"ab", nullptr, "cd"}, "abcd"},
        JoinCase{"AllNull", {nullptr, nullptr, nullptr}, ""},
        JoinCase{"ConstantEmptyText", {app::ConstantText(app::ConstantTextId::kEmpty), "x"}, "x"},
        JoinCase{"GbkBytesKept", {"q=", "\xd6\xd0\xce\xc4\x81\x5c", " "}, "q=\xd6\xd0\xce\xc4\x81\x5c "},
        JoinCase{"SevenTexts", {"p", "&a", "", nullptr, "&d", "&q=", "k w"}, "p&a&d&q=k w"}),
    [](const testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.name); });

TEST(JoinTextsDeathTest, AsksTheHeapForTheTotalAndOneByte) {
  // The byte count in the fatal message shows what was asked for: 3 + 0 + 2 + 1.
  EXPECT_EXIT(
      {
        app::FailNextAllocation();
        links::JoinTexts({"abc", nullptr, "de"});
      },
      testing::ExitedWithCode(255), testing::HasSubstr("分配 6 字节内存失败!"));
}

}  // namespace
