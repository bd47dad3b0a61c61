// Labels as drawn: the background, where the text goes (alignment, wrapping, CR LF, one line),
// the cut at the lower edge, the text effects, the border and the gradient frame.
#include <gtest/gtest.h>

#include "kind_fixture.h"
#include "song_font.h"
#include "ui/control_fonts.h"
#include "ui/label.h"

namespace kinds_test {
namespace {

namespace d = ui::description;

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kRed = Rgb(255, 0, 0);

// The settings every label of the window shares, with a text.
d::LabelData WindowLabel(std::string_view text_utf8) {
  d::LabelData data;
  data.text_colour = kBlack;
  data.background_colour = kWhite;
  data.vertical_alignment = 1;
  data.caption = Gbk(text_utf8);
  return data;
}

// The rows of the client area that hold a pixel other than `background`.
std::vector<int> InkRows(const std::vector<std::vector<ColorRef>>& pixels, ColorRef background) {
  std::vector<int> rows;
  for (int y = 0; y < static_cast<int>(pixels.size()); ++y)
    for (ColorRef c : pixels[static_cast<std::size_t>(y)])
      if (c != background) {
        rows.push_back(y);
        break;
      }
  return rows;
}

// Runs of consecutive rows: each a line of text.
int CountRuns(const std::vector<int>& rows) {
  int runs = 0;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (i == 0 || rows[i] != rows[i - 1] + 1) ++runs;
  return runs;
}

using LabelTest = KindTest;

TEST(LabelTextFlags, AlignmentAndWrapping) {
  struct Case {
    std::uint32_t horizontal, vertical, wrap;
    unsigned flags;
  };
  const Case cases[] = {
      {0, 1, 1, DT_LEFT | DT_WORDBREAK},
      {1, 1, 1, DT_CENTER | DT_WORDBREAK},
      {2, 2, 1, DT_RIGHT | DT_WORDBREAK},  // the vertical alignment has no effect when wrapping
      {7, 0, 1, DT_LEFT | DT_WORDBREAK},
      {2, 1, 0, DT_RIGHT | DT_SINGLELINE | DT_VCENTER},
      {0, 2, 0, DT_LEFT | DT_SINGLELINE | DT_BOTTOM},
      {0, 0, 0, DT_LEFT | DT_SINGLELINE | DT_TOP},
      {1, 9, 2, DT_CENTER | DT_SINGLELINE | DT_TOP},  // word wrap is on only for 1
  };
  for (const Case& c : cases) {
    d::LabelData data;
    data.horizontal_alignment = c.horizontal;
    data.vertical_alignment = c.vertical;
    data.word_wrap = c.wrap;
    // Mnemonics are on, and the text is never clipped by the layout itself.
    EXPECT_EQ(ui::LabelWindow::TextFlags(data), c.flags | DT_NOCLIP)
        << c.horizontal << "/" << c.vertical << "/" << c.wrap;
  }
}

TEST_F(LabelTest, OneLineRightAlignedAndVerticallyCentred) {
  // As 标签13: 360 x 24, sunken edge, 宋体 16, right-aligned, one line.
  const std::string text = Gbk("多个关键词请用空格隔开，点上方按钮即可搜索↑");
  d::LabelData data = WindowLabel("");
  data.caption = text;
  data.border = 1;
  data.horizontal_alignment = 2;
  data.word_wrap = 0;
  data.font = SongTi(-16);
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(20, 20, 360, 24));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->ClientRect(), Rect::FromSize(0, 0, 356, 20));  // inside the 2-pixel sunken edge
  EXPECT_EQ(PixelAt(*label, {0, 0}), kWhite);

  // The line ends at the right edge: it starts where its width, taken from the right, says.
  const int width = label->TextFont().Measure(text).width;
  ASSERT_LT(width, 356);
  const Rect ink = InkBounds(*label, kWhite);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.left, 356 - width);
  EXPECT_LE(ink.left, 356 - width + 3);
  EXPECT_GT(ink.right, 356 - 8);
  // One line, centred: the same room above and below the line's cell, give or take a pixel.
  const int line = label->TextFont().Height();
  const int top = (20 - line) / 2;
  EXPECT_GE(ink.top, top - 1);
  EXPECT_LE(ink.bottom, top + line + 1);
  EXPECT_EQ(CountRuns(InkRows(Pixels(*label), kWhite)), 1);
}

TEST_F(LabelTest, ShortTextAlignsAcross) {
  struct Case {
    std::uint32_t horizontal;
    int expected_left;  // -1 for "width from the right", -2 for "centred"
  };
  const Case cases[] = {{0, 0}, {1, -2}, {2, -1}, {5, 0}};
  for (const Case& c : cases) {
    d::LabelData data = WindowLabel("搜索");
    data.horizontal_alignment = c.horizontal;
    data.word_wrap = 0;
    data.font = SongTi(-16);
    auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(20, 20, 200, 24));
    ASSERT_NE(label, nullptr);
    const int width = label->TextFont().Measure(Gbk("搜索")).width;
    const int left = c.expected_left == -1 ? 200 - width : c.expected_left == -2 ? (200 - width) / 2 : 0;
    const Rect ink = InkBounds(*label, kWhite);
    EXPECT_GE(ink.left, left) << c.horizontal;
    EXPECT_LE(ink.left, left + 3) << c.horizontal;
    label->Destroy();
  }
}

TEST_F(LabelTest, CarriageReturnLineFeedStartsNewLinesWhenWrapping) {
  d::LabelData data = WindowLabel("第一行\r\n第二行\r\n第三行");
  data.word_wrap = 1;
  data.font = SongTi(-14);
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 300, 100));
  ASSERT_NE(label, nullptr);
  const std::vector<int> rows = InkRows(Pixels(*label), kWhite);
  EXPECT_EQ(CountRuns(rows), 3);
  ASSERT_FALSE(rows.empty());
  EXPECT_LT(rows.front(), label->TextFont().Height());  // from the top, not centred
  // Each line starts at the left edge.
  const Rect ink = InkBounds(*label, kWhite);
  EXPECT_LE(ink.left, 2);
}

TEST_F(LabelTest, WithoutWrappingLineBreaksStayOnOneLine) {
  d::LabelData data = WindowLabel("第一行\r\n第二行");
  data.word_wrap = 0;
  data.vertical_alignment = 0;
  data.font = SongTi(-14);
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 300, 100));
  ASSERT_NE(label, nullptr);
  const std::vector<int> rows = InkRows(Pixels(*label), kWhite);
  EXPECT_EQ(CountRuns(rows), 1);
  ASSERT_FALSE(rows.empty());
  EXPECT_LT(rows.back(), label->TextFont().Height() + 1);
}

TEST_F(LabelTest, LongTextWrapsBetweenChineseCharacters) {
  d::LabelData data = WindowLabel("卓越亚马逊网上商城，销售包括图书、音像、软件、玩具、钟表、首饰、服饰箱包、鞋靴");
  data.word_wrap = 1;
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 120, 200));
  ASSERT_NE(label, nullptr);
  EXPECT_GE(CountRuns(InkRows(Pixels(*label), kWhite)), 3);
  EXPECT_LE(InkBounds(*label, kWhite).right, 120);
}

TEST_F(LabelTest, TextTooLongIsCutAtTheLowerEdge) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "购物小助手帮助";
  d::LabelData data = WindowLabel(text);
  data.word_wrap = 1;
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(50, 50, 200, 40));
  ASSERT_NE(label, nullptr);
  // Text reaches the last row of the label, but not one pixel of the host below it.
  EXPECT_GE(InkBounds(*label, kWhite).bottom, 40 - 4);
  for (int x = 0; x < 200; ++x)
    for (int y = 40; y < 60; ++y) ASSERT_EQ(PixelAt(*host_, {50 + x, 50 + y}), kHostColour) << x << "," << y;
}

TEST_F(LabelTest, EmptyTextPaintsOnlyTheBackground) {
  d::LabelData data = WindowLabel("");
  data.background_colour = kRed;
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 60, 30));
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(InkBounds(*label, kRed).IsEmpty());
}

TEST_F(LabelTest, DefaultBackgroundValueIsTheButtonFace) {
  d::LabelData data = WindowLabel("");
  data.background_colour = kDefaultBackground;
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 60, 30));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(PixelAt(*label, {30, 15}), syscolor::kButtonFace);
}

TEST_F(LabelTest, TextInItsColourOnItsBackground) {
  d::LabelData data = WindowLabel("京东商城");
  data.text_colour = Rgb(0, 0, 200);
  data.background_colour = Rgb(255, 255, 200);
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 120, 30));
  ASSERT_NE(label, nullptr);
  const Rect client = label->ClientRect();
  EXPECT_EQ(PixelAt(*label, {client.right - 1, client.bottom - 1}), Rgb(255, 255, 200));
  EXPECT_TRUE(AnyPixel(*label, client, Rgb(0, 0, 200)));
}

TEST_F(LabelTest, TextEffectsDrawTheirExtraCopy) {
  struct Case {
    std::uint32_t effect;
    ColorRef copy;  // the colour of the extra copy, or the background for none
  };
  const ColorRef grey = Rgb(128, 128, 128);
  const Case cases[] = {{0, grey}, {1, kWhite}, {2, kWhite}, {3, kBlack}, {4, grey}};
  for (const Case& c : cases) {
    d::LabelData data = WindowLabel("新蛋网");
    data.effect = c.effect;
    data.text_colour = kRed;
    data.background_colour = grey;
    data.font = SongTi(-16);
    auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 100, 30));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(AnyPixel(*label, label->ClientRect(), kRed)) << c.effect;
    if (c.copy != grey) {
      EXPECT_TRUE(AnyPixel(*label, label->ClientRect(), c.copy)) << "effect " << c.effect;
    } else {
      EXPECT_FALSE(AnyPixel(*label, label->ClientRect(), kWhite)) << "effect " << c.effect;
      EXPECT_FALSE(AnyPixel(*label, label->ClientRect(), kBlack)) << "effect " << c.effect;
    }
    label->Destroy();
  }
}

TEST_F(LabelTest, MnemonicAmpersandIsNotDrawn) {
  d::LabelData with = WindowLabel("&A");
  d::LabelData without = WindowLabel("A");
  auto* a = CreateAs<ui::LabelWindow>(with, Rect::FromSize(10, 10, 60, 30));
  auto* b = CreateAs<ui::LabelWindow>(without, Rect::FromSize(10, 50, 60, 30));
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  // "&A" draws an underlined A where "A" draws the A: same start, no "&" in front of it.
  EXPECT_EQ(InkBounds(*a, kWhite).left, InkBounds(*b, kWhite).left);
  EXPECT_GT(InkBounds(*a, kWhite).bottom, InkBounds(*b, kWhite).bottom - 1);
}

TEST_F(LabelTest, BordersShrinkTheClientArea) {
  struct Case {
    std::uint32_t border;
    int inset;
  };
  const Case cases[] = {{0, 0}, {1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 1}, {6, 0}, {9, 0}};
  for (const Case& c : cases) {
    d::LabelData data = WindowLabel("");
    data.border = c.border;
    auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 100, 50));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->ClientRect(), Rect::FromSize(0, 0, 100 - 2 * c.inset, 50 - 2 * c.inset)) << c.border;
    label->Destroy();
  }
}

TEST_F(LabelTest, SingleBlackLineBorder) {
  d::LabelData data = WindowLabel("");
  data.border = 5;
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 100, 50));
  ASSERT_NE(label, nullptr);
  WindowSystem::Get().UpdateAll();
  EXPECT_EQ(PixelAt(*host_, {10, 10}), kBlack);
  EXPECT_EQ(PixelAt(*host_, {109, 59}), kBlack);
  EXPECT_EQ(PixelAt(*host_, {11, 11}), kWhite);
}

TEST_F(LabelTest, GradientFrameRunsThroughItsColoursAndTheTextStaysInside) {
  d::LabelData data = WindowLabel("当当网");
  data.border = 6;
  data.gradient_border_width = 5;
  data.gradient_border_colours = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)};
  data.horizontal_alignment = 0;
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 100, 40));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(PixelAt(*label, {0, 0}), Rgb(255, 0, 0));    // outer ring: colour 1
  EXPECT_EQ(PixelAt(*label, {2, 20}), Rgb(0, 255, 0));   // middle ring: colour 2
  EXPECT_EQ(PixelAt(*label, {4, 20}), Rgb(0, 0, 255));   // inner ring: colour 3
  EXPECT_EQ(PixelAt(*label, {5, 5}), kWhite);            // the background inside
  const Rect ink = InkBounds(*label, kWhite);
  (void)ink;
  // The text starts inside the frame.
  bool text_in_frame = false;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool in_frame = x < 5 || y < 5 || x >= 95 || y >= 35;
      if (in_frame && PixelAt(*label, {x, y}) == kBlack) text_in_frame = true;
    }
  EXPECT_FALSE(text_in_frame);
}

TEST_F(LabelTest, GradientFrameLeavesOutColoursMarkedSo) {
  d::LabelData data = WindowLabel("");
  data.border = 6;
  data.gradient_border_width = 3;
  data.gradient_border_colours = {Rgb(255, 0, 0), 0xFF000000u, Rgb(255, 0, 0)};
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 60, 30));
  ASSERT_NE(label, nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(PixelAt(*label, {i, 15}), Rgb(255, 0, 0)) << i;
}

TEST_F(LabelTest, GradientBackgroundRunsFromTopToBottom) {
  d::LabelData data = WindowLabel("");
  data.gradient_background_mode = 1;
  data.gradient_background_colours = {Rgb(0, 0, 0), 0xFF000000u, Rgb(200, 200, 200)};
  auto* label = CreateAs<ui::LabelWindow>(data, Rect::FromSize(10, 10, 60, 51));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(PixelAt(*label, {30, 0}), Rgb(0, 0, 0));
  EXPECT_EQ(PixelAt(*label, {30, 50}), Rgb(200, 200, 200));
  EXPECT_EQ(PixelAt(*label, {30, 25}), Rgb(100, 100, 100));
}

}  // namespace
}  // namespace kinds_test
