#include "platform/hand_over_escape.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
  const char* name;
  std::string address;
  std::string expected;
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class HandOverEscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(HandOverEscapeTest, EscapesControlSpaceAndHighBytes) {
  EXPECT_EQ(platform::EscapeForHandOver(GetParam().address), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandOverEscapeTest,
    testing::Values(
        EscapeCase{"Empty", "", ""},
        EscapeCase{"PlainAddressUnchanged", "http://s8.taobao.com/search?pid=mm_1&q=a-b_c.d~e",
                   "http://s8.taobao.com/search?pid=mm_1&q=a-b_c.d~e"},
        EscapeCase{"PrintablePunctuationUnchanged", "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
                   "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"},
        EscapeCase{"Space", "a b", "a%20b"},
        EscapeCase{"LeadingAndTrailingSpaces", "  a  ", "%20%20a%20%20"},
        EscapeCase{"ZeroByte", std::string("a\0b", 3), "a%00b"},
        EscapeCase{"ControlBytes", "\x01\t\n\r\x1f", "%01%09%0A%0D%1F"},
        EscapeCase{"Delete", "\x7f", "%7F"},
        EscapeCase{"ExclamationIsTheFirstKeptByte", "\x20\x21", "%20!"},
        EscapeCase{"TildeIsTheLastKeptByte", "\x7e\x7f", "~%7F"},
        EscapeCase{"GbkBytesUpperCaseHex", "\xd6\xd0\xce\xc4", "%D6%D0%CE%C4"},
        EscapeCase{"HighestByte", "\xff\x80", "%FF%80"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

}  // namespace
