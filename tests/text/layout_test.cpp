#include <gtest/gtest.h>

#include "desktop/text/text_lines.h"
#include "text_canvas.h"

namespace desktop {
namespace {

using testing::SongFont;
using testing::TextCanvas;

// With the 12-pixel Song face every ASCII character is 6 pixels wide and every Chinese one 12.
const Font& Song12() { return *Font::DefaultGui(); }

std::vector<std::string> LinesOf(const LaidOutText& t) {
  std::vector<std::string> out;
  for (const TextLine& l : t.lines) out.push_back(GbkToUtf8(t.display.substr(l.begin, l.end - l.begin)));
  return out;
}

struct WrapCase {
  const char* name;
  std::string utf8;
  int width;
  unsigned flags;
  std::vector<std::string> lines;
};

class WrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTest, BreaksLikeDrawText) {
  const WrapCase& c = GetParam();
  const LaidOutText t = LayOutText(Song12(), Utf8ToGbk(c.utf8), c.width, c.flags);
  EXPECT_EQ(LinesOf(t), c.lines);
  for (const TextLine& l : t.lines) {
    const std::string_view s(t.display.data() + l.begin, l.end - l.begin);
    // Line widths are the measured widths of their text, and never split a double-byte character.
    if (!(c.flags & DT_EXPANDTABS)) {
      EXPECT_EQ(l.width, Song12().Measure(s).width);
    }
    EXPECT_EQ(GbkBoundaryBefore(t.display, l.begin), l.begin);
    EXPECT_EQ(GbkBoundaryBefore(t.display, l.end), l.end);
  }
}

constexpr unsigned kWrap = DT_WORDBREAK;

INSTANTIATE_TEST_SUITE_P(
    Layout, WrapTest,
    ::testing::Values(
        WrapCase{"FitsOnOneLine", "abc def", 42, kWrap, {"abc def"}},
        WrapCase{"BreaksAtSpace", "abc def", 41, kWrap, {"abc", "def"}},
        WrapCase{"SpacesAtBreakBelongToNoLine", "ab   cd", 24, kWrap, {"ab", "cd"}},
        WrapCase{"TrailingSpacesMayOverhang", "ab   cd", 36, kWrap, {"ab", "cd"}},
        WrapCase{"LastFittingWordStays", "ab cd ef", 30, kWrap, {"ab cd", "ef"}},
        WrapCase{"BetweenChineseCharacters", "中文字符", 30, kWrap, {"中文", "字符"}},
        WrapCase{"ChineseExactFit", "中文字符", 48, kWrap, {"中文字符"}},
        WrapCase{"AsciiThenChinese", "ab中文", 30, kWrap, {"ab中", "文"}},
        WrapCase{"ChineseThenAsciiWord", "中文abc", 40, kWrap, {"中文", "abc"}},
        WrapCase{"WordStaysWholeAfterChinese", "中abcd", 30, kWrap, {"中", "abcd"}},
        WrapCase{"LongWordCutWhereItStopsFitting", "abcdefghij", 30, kWrap, {"abcde", "fghij"}},
        WrapCase{"LongWordAfterShortOne", "a bcdefgh", 30, kWrap, {"a", "bcdef", "gh"}},
        WrapCase{"NarrowerThanOneCharacter", "a宋b", 4, kWrap, {"a", "宋", "b"}},
        WrapCase{"CrLf", "ab\r\ncd", 200, 0, {"ab", "cd"}},
        WrapCase{"LoneLfAndCr", "ab\ncd\ref", 200, 0, {"ab", "cd", "ef"}},
        WrapCase{"EmptyLineBetween", "ab\r\n\r\ncd", 200, 0, {"ab", "", "cd"}},
        WrapCase{"TrailingBreakEndsWithEmptyLine", "ab\r\n", 200, 0, {"ab", ""}},
        WrapCase{"LeadingSpacesOfAParagraphStay", "  ab", 200, kWrap, {"  ab"}},
        WrapCase{"SpacesOnlyLineIsNotMadeByAWrap", "   abcdef", 24, kWrap, {"   a", "bcde", "f"}},
        WrapCase{"NoWrapWithoutWordBreak", "abc def ghi", 10, 0, {"abc def ghi"}},
        WrapCase{"SingleLineKeepsLineBreaksAsCharacters", "ab\r\ncd", 10, DT_SINGLELINE | kWrap, {"ab\r\ncd"}},
        WrapCase{"WrapAndCrLfTogether", "abc def\r\ngh", 30, kWrap, {"abc", "def", "gh"}},
        WrapCase{"FullWidthPunctuationIsWide", "商品100％正品", 60, kWrap, {"商品100％", "正品"}},
        WrapCase{"TabsExpandToEightAverageCharacters", "a\tb", 200, DT_EXPANDTABS, {"a\tb"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, EmptyTextHasNoLines) {
  Rect r{0, 0, 100, 100};
  EXPECT_EQ(DrawTextLayout(nullptr, Song12(), "", r, DT_CALCRECT | kWrap, 0), 0);
  EXPECT_EQ(r, (Rect{0, 0, 0, 0}));
}

TEST(Layout, ExpandedTabReachesTheNextStop) {
  const LaidOutText t = LayOutText(Song12(), "a\tb", 200, DT_EXPANDTABS);
  ASSERT_EQ(t.lines.size(), 1u);
  EXPECT_EQ(t.lines[0].width, 48 + 6);
}

struct CalcCase {
  const char* name;
  std::string utf8;
  Rect rect;
  unsigned flags;
  Rect expected;
  int height;
};

class CalcRectTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcRectTest, SetsExtentAndDrawsNothing) {
  const CalcCase& c = GetParam();
  TextCanvas tc(300, 200);
  Rect r = c.rect;
  EXPECT_EQ(DrawTextLayout(&tc.canvas(), Song12(), Utf8ToGbk(c.utf8), r, c.flags | DT_CALCRECT, Rgb(0, 0, 0)), c.height);
  EXPECT_EQ(r, c.expected);
  EXPECT_TRUE(tc.InkBounds().IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Layout, CalcRectTest,
    ::testing::Values(CalcCase{"OneLine", "ab宋", {5, 7, 500, 500}, DT_SINGLELINE, {5, 7, 29, 19}, 12},
                      CalcCase{"WrappedWidestLine", "abc def", {0, 0, 41, 0}, kWrap, {0, 0, 18, 24}, 24},
                      CalcCase{"WordWiderThanRectIsCut", "abcdefgh", {0, 0, 30, 0}, kWrap, {0, 0, 30, 24}, 24},
                      CalcCase{"Prefixes", "&a&&b", {0, 0, 100, 0}, DT_SINGLELINE, {0, 0, 18, 12}, 12},
                      CalcCase{"NoPrefix", "&a&&b", {0, 0, 100, 0}, DT_SINGLELINE | DT_NOPREFIX, {0, 0, 30, 12}, 12}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the first ink of a drawn "H" lands, against where it lands at the rect's top-left.
struct AlignCase {
  const char* name;
  unsigned flags;
  int dx;
  int dy;
};

class AlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTest, PlacesTheLine) {
  const AlignCase& c = GetParam();
  const Rect box{10, 20, 110, 61};  // 100 x 41; "HH" is 12 x 12
  TextCanvas ref(200, 100), tc(200, 100);
  Rect r = box;
  DrawTextLayout(&ref.canvas(), Song12(), "HH", r, DT_SINGLELINE, Rgb(0, 0, 0));
  r = box;
  const int returned = DrawTextLayout(&tc.canvas(), Song12(), "HH", r, c.flags, Rgb(0, 0, 0));
  const Rect a = ref.InkBounds(), b = tc.InkBounds();
  ASSERT_FALSE(a.IsEmpty());
  EXPECT_EQ(b.left - a.left, c.dx);
  EXPECT_EQ(b.top - a.top, c.dy);
  EXPECT_EQ(returned, c.dy + 12);
  EXPECT_EQ(r, box);
}

INSTANTIATE_TEST_SUITE_P(Layout, AlignTest,
                         ::testing::Values(AlignCase{"LeftTop", DT_SINGLELINE, 0, 0},
                                           AlignCase{"Center", DT_SINGLELINE | DT_CENTER, 44, 0},
                                           AlignCase{"Right", DT_SINGLELINE | DT_RIGHT, 88, 0},
                                           AlignCase{"VCenter", DT_SINGLELINE | DT_VCENTER, 0, 14},
                                           AlignCase{"Bottom", DT_SINGLELINE | DT_BOTTOM, 0, 29},
                                           AlignCase{"RightBottom", DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 88, 29},
                                           AlignCase{"VerticalNeedsSingleLine", DT_VCENTER | DT_BOTTOM, 0, 0},
                                           AlignCase{"WrappedCenter", DT_WORDBREAK | DT_CENTER, 44, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, EachWrappedLineIsAlignedOnItsOwn) {
  TextCanvas tc(200, 100);
  Rect r{0, 0, 30, 100};
  DrawTextLayout(&tc.canvas(), Song12(), "HHHH HH", r, DT_WORDBREAK | DT_RIGHT, Rgb(0, 0, 0));
  // "HHHH" (24) and "HH" (12) both end at the right edge.
  EXPECT_GE(tc.InkBounds({0, 0, 200, 12}).left, 6);
  EXPECT_LT(tc.InkBounds({0, 0, 200, 12}).left, 12);
  EXPECT_GE(tc.InkBounds({0, 12, 200, 24}).left, 18);
  EXPECT_LT(tc.InkBounds({0, 12, 200, 24}).left, 24);
  EXPECT_LE(tc.InkBounds().right, 30);
}

struct MnemonicCase {
  const char* name;
  std::string text;
  unsigned flags;
  int underline_from;  // -1: no underline row
  int underline_to;
  int width;
};

class MnemonicTest : public ::testing::TestWithParam<MnemonicCase> {};

// The 12-pixel Song face leaves the row under the baseline empty in "Save", "&" and "Hx".
TEST_P(MnemonicTest, UnderlinesTheMarkedCharacter) {
  const MnemonicCase& c = GetParam();
  const Font& font = Song12();
  TextCanvas tc(200, 40);
  Rect r{0, 0, 200, 40};
  DrawTextLayout(&tc.canvas(), font, c.text, r, c.flags | DT_SINGLELINE, Rgb(0, 0, 0));
  const int row = font.UnderlineOffset();
  for (int x = 0; x < 200; ++x) {
    const bool expected = x >= c.underline_from && x < c.underline_to;
    EXPECT_EQ(tc.Inked(x, row), expected) << "x " << x;
  }
  Rect calc{0, 0, 200, 40};
  DrawTextLayout(nullptr, font, c.text, calc, c.flags | DT_SINGLELINE | DT_CALCRECT, 0);
  EXPECT_EQ(calc.Width(), c.width);
}

INSTANTIATE_TEST_SUITE_P(Layout, MnemonicTest,
                         ::testing::Values(MnemonicCase{"FirstLetter", "&Save", 0, 0, 6, 24},
                                           MnemonicCase{"MiddleLetter", "Sa&ve", 0, 12, 18, 24},
                                           MnemonicCase{"ChineseCharacter", "a&\xCB\xCE", 0, 6, 18, 18},
                                           MnemonicCase{"DoubleAmpersandIsOne", "a&&e", 0, -1, -1, 18},
                                           MnemonicCase{"LoneAmpersandAtEndVanishes", "ae&", 0, -1, -1, 12},
                                           MnemonicCase{"NoPrefixDrawsAmpersand", "&Save", DT_NOPREFIX, -1, -1, 30},
                                           MnemonicCase{"HidePrefixHidesUnderline", "&Save", DT_HIDEPREFIX, -1, -1, 24}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, ClipsToTheRectUnlessNoClip) {
  for (bool noclip : {false, true}) {
    TextCanvas tc(200, 60);
    Rect r{10, 10, 40, 16};  // narrower and lower than the text
    DrawTextLayout(&tc.canvas(), Song12(), "HHHHHHHHHH", r, DT_SINGLELINE | (noclip ? DT_NOCLIP : 0u), Rgb(0, 0, 0));
    const Rect ink = tc.InkBounds();
    if (noclip) {
      EXPECT_GT(ink.right, 40);
      EXPECT_GT(ink.bottom, 16);
    } else {
      EXPECT_LE(ink.right, 40);
      EXPECT_LE(ink.bottom, 16);
      EXPECT_FALSE(ink.IsEmpty());
    }
    // The caller's clip comes back unchanged.
    EXPECT_EQ(tc.canvas().Clip().Bounds(), (Rect{0, 0, 200, 60}));
  }
}

TEST(Layout, CaptionsWithInnerSpacesAreCentredWhole) {
  // "图  书" is 12 + 6 + 6 + 12 = 36 pixels, as wide as the three-character captions beside it.
  Rect r{0, 0, 100, 20};
  DrawTextLayout(nullptr, Song12(), Utf8ToGbk("图  书"), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX, 0);
  EXPECT_EQ(r.Width(), 36);
}

// The labels' texts, laid out in their widths: every line fits unless it is one character, and
// the lines together with the spaces dropped at wraps give back the text.
TEST(Layout, LabelTextsWrapWithinTheirWidth) {
  const std::vector<std::string> texts = {
      "京东商城是中国专业的网上购物商城。百万种商品，家用电器、手机数码、电脑、服饰、钟表、化妆、母婴等十大类。京东商城承诺：所售商品100％正品行货，全国联保，机打发票，价格更实惠；支持货到付款，送货上门及POS刷卡服务，尽享安全便捷。",
      "新蛋网是全球领先的电脑整机、手机、数码产品、IT配件和家电百货网上购物商城。新蛋中国所有在售商品均100%正品行货，电脑电视机承诺“绝对低价，差价补偿”，提供正规发票，货到付款，满99免运费，订单24小时内出库，更快更省选新蛋。",
      "购物小助手帮助：您只要在上方搜索框内输入相应商品关键词，如“鼠标”等，选择下方相应条件，点击右方搜索（放大镜）按钮，即可找到相应商品。多个关键字要用空格隔开，如您要搜索“ddr3内存”，在搜索框内填入“ddr3 内存”即可。"};
  for (const std::string& utf8 : texts) {
    for (int width : {100, 240, 333}) {
      const std::string gbk = Utf8ToGbk(utf8);
      const LaidOutText t = LayOutText(Song12(), gbk, width, DT_WORDBREAK | DT_NOPREFIX);
      std::string joined;
      for (const TextLine& l : t.lines) {
        EXPECT_TRUE(l.width <= width || DecodeGbkChar(t.display, l.begin).length == l.end - l.begin);
        joined += t.display.substr(l.begin, l.end - l.begin);
      }
      std::string without_spaces = gbk;
      std::erase(without_spaces, ' ');
      std::erase(joined, ' ');
      EXPECT_EQ(joined, without_spaces);
      Rect r{0, 0, width, 0};
      EXPECT_EQ(DrawTextLayout(nullptr, Song12(), gbk, r, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT, 0),
                static_cast<int>(t.lines.size()) * 12);
    }
  }
}

TEST(Layout, DrawnLinesMatchTheirMeasuredWidths) {
  const std::string gbk = Utf8ToGbk("京东商城承诺：所售商品100％正品行货，全国联保");
  TextCanvas tc(300, 100);
  Rect r{0, 0, 100, 100};
  DrawTextLayout(&tc.canvas(), Song12(), gbk, r, DT_WORDBREAK, Rgb(0, 0, 0));
  const LaidOutText t = LayOutText(Song12(), gbk, 100, DT_WORDBREAK);
  for (size_t i = 0; i < t.lines.size(); ++i) {
    const Rect ink = tc.InkBounds({0, static_cast<int>(i) * 12, 300, static_cast<int>(i + 1) * 12});
    EXPECT_LE(ink.right, t.lines[i].width) << i;
    EXPECT_GT(ink.right, t.lines[i].width - 12) << i;
  }
}

}  // namespace
}  // namespace desktop
