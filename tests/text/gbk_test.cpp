#include <gtest/gtest.h>

#include "desktop/text/gbk.h"

namespace desktop {
namespace {

struct ToUtf8Case {
  const char* name;
  std::string gbk;
  std::string utf8;
};

class GbkToUtf8Test : public ::testing::TestWithParam<ToUtf8Case> {};

TEST_P(GbkToUtf8Test, Converts) { EXPECT_EQ(GbkToUtf8(GetParam().gbk), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Gbk, GbkToUtf8Test,
    ::testing::Values(ToUtf8Case{"Empty", "", ""}, ToUtf8Case{"Ascii", "ab c&1", "ab c&1"},
                      ToUtf8Case{"SongFaceName", "\xCB\xCE\xCC\xE5", "宋体"},
                      ToUtf8Case{"FullWidthPunctuation", "\xA3\xAC\xA1\xA3\xA1\xB0\xA1\xB1\xA3\xA5\xA1\xFC", "，。“”％↑"},
                      ToUtf8Case{"EuroSingleByte", "\x80", "€"},
                      ToUtf8Case{"LoneLeadAtEnd", "a\xB0", "a\xEF\xBF\xBD"},
                      ToUtf8Case{"LeadWithBadSecondByteKeepsIt", "\x81\x20z", "\xEF\xBF\xBD z"},
                      ToUtf8Case{"LeadBeforeDeleteKeepsIt", "\x81\x7F", "\xEF\xBF\xBD\x7F"},
                      ToUtf8Case{"ByteFF", "\xFF" "a", "\xEF\xBF\xBD" "a"},
                      ToUtf8Case{"UnassignedPairIsOneCharacter", "\xA2\xA0" "b", "\xEF\xBF\xBD" "b"},
                      ToUtf8Case{"SecondByteThatLooksLikeALead", "\xB0\xA1\xB0\xA1", "啊啊"},
                      ToUtf8Case{"ZeroByteKept", std::string("a\0b", 3), std::string("a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

struct ToGbkCase {
  const char* name;
  std::string utf8;
  std::string gbk;
};

class Utf8ToGbkTest : public ::testing::TestWithParam<ToGbkCase> {};

TEST_P(Utf8ToGbkTest, Converts) { EXPECT_EQ(Utf8ToGbk(GetParam().utf8), GetParam().gbk); }

INSTANTIATE_TEST_SUITE_P(
    Gbk, Utf8ToGbkTest,
    ::testing::Values(ToGbkCase{"Empty", "", ""}, ToGbkCase{"Ascii", "ddr3 x", "ddr3 x"},
                      ToGbkCase{"Chinese", "宋体", "\xCB\xCE\xCC\xE5"},
                      ToGbkCase{"Euro", "€", "\x80"},
                      ToGbkCase{"EmojiBecomesQuestionMark", "a😀b", "a?b"},
                      ToGbkCase{"HangulBecomesQuestionMark", "한", "?"},
                      ToGbkCase{"EachUnmappableIsOneMark", "😀😀", "??"},
                      ToGbkCase{"LoneContinuationByte", "a\x80z", "a?z"},
                      ToGbkCase{"BadLeadByte", "\xFFz", "?z"},
                      ToGbkCase{"CutShortAtEnd", "a\xE4\xB8", "a?"},
                      ToGbkCase{"CutShortBeforeAscii", "\xE4\xB8z", "?z"},
                      ToGbkCase{"Surrogate", "\xED\xA0\x80z", "???z"},
                      ToGbkCase{"OverlongSlash", "\xC0\xAF", "??"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Gbk, RoundTripOfEveryLabelCharacterClass) {
  const std::string utf8 = "京东商城承诺：所售商品100％正品行货，全国联保；支持POS刷卡↑“ddr3 内存”^_^";
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk(utf8)), utf8);
}

TEST(Gbk, GbkToUnicodeCountsMalformedBytesOneEach) {
  EXPECT_EQ(GbkToUnicode("\xCB\xCE" "a\xFF\x81"), (std::u32string{U'宋', U'a', 0xFFFD, 0xFFFD}));
}

struct DecodeCase {
  const char* name;
  std::string text;
  size_t pos;
  char32_t code;
  size_t length;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DecodesOneCharacter) {
  const DecodeCase& c = GetParam();
  const GbkChar got = DecodeGbkChar(c.text, c.pos);
  EXPECT_EQ(got.code, c.code);
  EXPECT_EQ(got.length, c.length);
}

INSTANTIATE_TEST_SUITE_P(Gbk, DecodeTest,
                         ::testing::Values(DecodeCase{"Ascii", "a", 0, U'a', 1},
                                           DecodeCase{"DoubleByte", "x\xCB\xCE", 1, U'宋', 2},
                                           DecodeCase{"PastTheEnd", "x", 1, 0, 0},
                                           DecodeCase{"LeadAtEnd", "\xCB", 0, 0xFFFD, 1},
                                           DecodeCase{"SecondByteReadAlone", "\xCB\xCE", 1, 0xFFFD, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Op { Before, Next, Prev };

struct BoundaryCase {
  const char* name;
  std::string text;
  Op op;
  size_t pos;
  size_t expected;
};

class BoundaryTest : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(BoundaryTest, NeverInsideADoubleByteCharacter) {
  const BoundaryCase& c = GetParam();
  size_t got = 0;
  switch (c.op) {
    case Op::Before: got = GbkBoundaryBefore(c.text, c.pos); break;
    case Op::Next: got = GbkNextBoundary(c.text, c.pos); break;
    case Op::Prev: got = GbkPrevBoundary(c.text, c.pos); break;
  }
  EXPECT_EQ(got, c.expected);
}

// "a宋b" = 61 CB CE 62; "啊啊" = B0 A1 B0 A1, whose second bytes could start characters too.
INSTANTIATE_TEST_SUITE_P(
    Gbk, BoundaryTest,
    ::testing::Values(BoundaryCase{"BeforeOnBoundary", "a\xCB\xCE" "b", Op::Before, 1, 1},
                      BoundaryCase{"BeforeInsidePair", "a\xCB\xCE" "b", Op::Before, 2, 1},
                      BoundaryCase{"BeforeAfterPair", "a\xCB\xCE" "b", Op::Before, 3, 3},
                      BoundaryCase{"BeforePastEnd", "a\xCB\xCE" "b", Op::Before, 99, 4},
                      BoundaryCase{"NextOverPair", "a\xCB\xCE" "b", Op::Next, 1, 3},
                      BoundaryCase{"NextFromInsidePair", "a\xCB\xCE" "b", Op::Next, 2, 3},
                      BoundaryCase{"NextAtEnd", "a\xCB\xCE" "b", Op::Next, 4, 4},
                      BoundaryCase{"PrevOverPair", "a\xCB\xCE" "b", Op::Prev, 3, 1},
                      BoundaryCase{"PrevFromInsidePair", "a\xCB\xCE" "b", Op::Prev, 2, 1},
                      BoundaryCase{"PrevAtStart", "a\xCB\xCE" "b", Op::Prev, 0, 0},
                      BoundaryCase{"PrevPastEnd", "a\xCB\xCE", Op::Prev, 50, 1},
                      BoundaryCase{"SecondByteLooksLikeLeadBefore", "\xB0\xA1\xB0\xA1", Op::Before, 3, 2},
                      BoundaryCase{"SecondByteLooksLikeLeadPrev", "\xB0\xA1\xB0\xA1", Op::Prev, 4, 2},
                      BoundaryCase{"SecondByteLooksLikeLeadNext", "\xB0\xA1\xB0\xA1", Op::Next, 1, 2},
                      BoundaryCase{"MalformedLeadIsOneByte", "\xB0 a", Op::Next, 0, 1},
                      BoundaryCase{"AsciiLetterCanBeASecondByte", "\xB0" "a", Op::Next, 0, 2},
                      BoundaryCase{"EmptyText", "", Op::Next, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace desktop
