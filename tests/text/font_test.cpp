#include <gtest/gtest.h>

#include <climits>

#include "desktop/text/freetype_font.h"
#include "text_canvas.h"

namespace desktop {
namespace {

using testing::NamedFont;
using testing::SongFont;
using testing::TextCanvas;

const std::string kSong = "\xCB\xCE";        // 宋
const std::string kComma = "\xA3\xAC";       // ，
const std::string kPercent = "\xA3\xA5";     // ％
const std::string kUpArrow = "\xA1\xFC";     // ↑

struct SongSizeCase {
  int height;        // the record's height
  int pixel_size;    // character height it means
};

class SongSizeTest : public ::testing::TestWithParam<SongSizeCase> {};

// The Song face at the sizes its strikes cover: crisp, the cell is the em square, ASCII is half
// and Chinese full width.
TEST_P(SongSizeTest, StrikeCellsAreHalfAndFullWidth) {
  const auto [height, px] = GetParam();
  auto font = std::dynamic_pointer_cast<FreeTypeFont>(Font::Create(SongFont(height)));
  ASSERT_NE(font, nullptr);
  EXPECT_NE(font->FilePath().find("uming"), std::string::npos) << font->FilePath();
  EXPECT_TRUE(font->UsesBitmapStrike());
  EXPECT_EQ(font->PixelSize(), px);
  EXPECT_EQ(font->Height(), px);
  EXPECT_GT(font->Ascent(), px / 2);
  EXPECT_LT(font->Ascent(), px);
  // Half width: exactly half an even size; the strikes round odd sizes either way (11 and 15 up,
  // 13 down), but every ASCII cell of a size is the same.
  const int half = font->Measure(" ").width;
  if (px % 2 == 0) {
    EXPECT_EQ(half, px / 2);
  }
  EXPECT_TRUE(half == px / 2 || half == (px + 1) / 2) << half;
  EXPECT_EQ(font->Measure("W").width, half);
  EXPECT_EQ(font->Measure("i1%").width, 3 * half);
  for (const std::string& wide : {kSong, kComma, kPercent, kUpArrow}) EXPECT_EQ(font->Measure(wide).width, px);
  EXPECT_EQ(font->AverageCharWidth(), half);
}

INSTANTIATE_TEST_SUITE_P(Font, SongSizeTest,
                         ::testing::Values(SongSizeCase{-11, 11}, SongSizeCase{-12, 12}, SongSizeCase{-13, 13},
                                           SongSizeCase{-14, 14}, SongSizeCase{-15, 15}, SongSizeCase{-16, 16},
                                           SongSizeCase{16, 16}, SongSizeCase{0, 12}),
                         [](const auto& info) {
                           const int h = info.param.height;
                           return (h < 0 ? "Minus" + std::to_string(-h) : "Plus" + std::to_string(h));
                         });

TEST(Font, ThirtyThreeSpacesOfTheDefaultGuiFontSpan198Pixels) {
  auto font = Font::DefaultGui();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Height(), 12);
  EXPECT_EQ(font->Measure(std::string(33, ' ')).width, 198);
}

TEST(Font, DefaultGuiFontDrawsAsTheTwelvePixelSongFace) {
  const std::string text = "\xBE\xA9\xB6\xAB" "100" + kPercent;  // 京东100％
  TextCanvas a(100, 20), b(100, 20);
  Font::DefaultGui()->Draw(a.canvas(), {0, 0}, text, Rgb(0, 0, 0));
  Font::Create(SongFont(-12))->Draw(b.canvas(), {0, 0}, text, Rgb(0, 0, 0));
  ASSERT_FALSE(a.InkBounds().IsEmpty());
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(a.Inked(x, y), b.Inked(x, y)) << x << "," << y;
}

TEST(Font, SameRecordGivesTheSameFontAndLeftoversAreIgnored) {
  LogFont a = SongFont(-14);
  LogFont b = a;
  b.face_name[5] = 'x';  // after the terminating zero
  auto fa = Font::Create(a);
  ASSERT_NE(fa, nullptr);
  EXPECT_EQ(fa.get(), Font::Create(a).get());
  EXPECT_EQ(fa.get(), Font::Create(b).get());
  LogFont c = a;
  c.underline = 1;
  EXPECT_NE(fa.get(), Font::Create(c).get());
  // Fields that do not change the drawing do not make another font: the controls' copies of a
  // stored record (character set 1, precisions 0, quality 2, pitch 0) share the stored one.
  LogFont d = a;
  d.char_set = 134;
  d.out_precision = 3;
  d.clip_precision = 2;
  d.quality = 1;
  d.pitch_and_family = 2;
  EXPECT_EQ(fa.get(), Font::Create(d).get());
  EXPECT_EQ(Font::DefaultGui().get(), Font::Create(SongFont(-12)).get());
}

struct RefusedCase {
  const char* name;
  int height;
  int width;
};

class RefusedSizeTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSizeTest, GivesNoFont) {
  LogFont lf = SongFont(GetParam().height);
  lf.width = GetParam().width;
  EXPECT_EQ(Font::Create(lf), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Font, RefusedSizeTest,
                         ::testing::Values(RefusedCase{"Huge", 100000, 0}, RefusedCase{"HugeNegative", -5000, 0},
                                           RefusedCase{"MostNegative", INT_MIN, 0},
                                           RefusedCase{"NegativeWidth", -12, -3},
                                           RefusedCase{"HugeWidth", -12, INT_MAX}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Font, FaceNameWithoutTerminatorIsReadToItsEnd) {
  LogFont lf;
  lf.height = -12;
  std::memset(lf.face_name, 'Q', sizeof lf.face_name);
  auto font = Font::Create(lf);  // fontconfig's best match for an unknown name
  ASSERT_NE(font, nullptr);
  EXPECT_GT(font->Measure("ab").width, 0);
}

// What is drawn lies within what is measured: from the pen position to the measured width, and
// from the line's top down by the font height.
TEST(Font, DrawnInkLiesWithinTheMeasuredBox) {
  const std::vector<std::string> texts = {
      "Wg|_", kSong + kComma + kPercent, "100" + kPercent + kSong, kUpArrow, "(j)", "\xA1\xB0" "ddr3" "\xA1\xB1"};
  for (int h : {-12, -14, -16, -20}) {
    auto font = Font::Create(SongFont(h));
    ASSERT_NE(font, nullptr);
    for (const std::string& text : texts) {
      TextCanvas tc(200, 60);
      const Point at{7, 9};
      font->Draw(tc.canvas(), at, text, Rgb(0, 0, 0));
      const Size size = font->Measure(text);
      const Rect ink = tc.InkBounds();
      ASSERT_FALSE(ink.IsEmpty()) << GbkToUtf8(text);
      EXPECT_GE(ink.left, at.x) << h << " " << GbkToUtf8(text);
      EXPECT_GE(ink.top, at.y) << h << " " << GbkToUtf8(text);
      EXPECT_LE(ink.right, at.x + size.width) << h << " " << GbkToUtf8(text);
      EXPECT_LE(ink.bottom, at.y + size.height) << h << " " << GbkToUtf8(text);
      // And it fills the box: the last character's ink reaches into the last em of the text.
      EXPECT_GT(ink.right, at.x + size.width - font->Height()) << GbkToUtf8(text);
    }
  }
}

TEST(Font, StrikeGlyphsAreMonochromeAndOtherSizesSmooth) {
  TextCanvas crisp(100, 30);
  Font::Create(SongFont(-12))->Draw(crisp.canvas(), {0, 0}, kSong + "Ag" + kComma, Rgb(0, 0, 0));
  EXPECT_TRUE(crisp.AllCoverageIsSolid());
  TextCanvas smooth(100, 40);
  auto big = std::dynamic_pointer_cast<FreeTypeFont>(Font::Create(SongFont(-23)));
  ASSERT_NE(big, nullptr);
  EXPECT_FALSE(big->UsesBitmapStrike());
  big->Draw(smooth.canvas(), {0, 0}, kSong + "Ag", Rgb(0, 0, 0));
  EXPECT_FALSE(smooth.AllCoverageIsSolid());
  // From outlines the cell is the em plus the ink that reaches past it.
  EXPECT_GE(big->Height(), 23);
  EXPECT_LE(big->Height(), 25);
}

TEST(Font, CharacterEdgesAgreeWithMeasure) {
  auto font = Font::DefaultGui();
  const std::string text = "a" + kSong + " " + kComma + "\xFF" + "b";
  const std::vector<int> edges = font->CharacterEdges(text);
  ASSERT_EQ(edges.size(), text.size() + 1);
  EXPECT_EQ(edges[0], 0);
  EXPECT_EQ(edges[1], 6);    // after "a"
  EXPECT_EQ(edges[2], 6);    // second byte of 宋: its character's start
  EXPECT_EQ(edges[3], 18);   // the space
  EXPECT_EQ(edges[4], 24);   // ，
  EXPECT_EQ(edges[6], 36);   // the malformed byte
  EXPECT_EQ(edges.back(), font->Measure(text).width);
  for (size_t i = 0; i <= text.size(); ++i) EXPECT_EQ(edges[i] >= 0, true);
  for (size_t cut : {size_t{1}, size_t{3}, size_t{4}, size_t{6}})
    EXPECT_EQ(edges[cut], font->Measure(text.substr(0, cut)).width) << cut;
}

TEST(Font, MissingGlyphKeepsTheCharactersWidth) {
  auto font = Font::DefaultGui();
  // A double-byte code of the user-defined area: the code page leaves it unassigned.
  EXPECT_EQ(font->Measure("\xAA\xA1").width, 12);
  EXPECT_EQ(font->Measure("\xFF").width, 6);  // a malformed byte is half width
  EXPECT_EQ(font->Measure("\x01").width, 6);
  TextCanvas tc(40, 20);
  font->Draw(tc.canvas(), {0, 0}, "\xAA\xA1x", Rgb(0, 0, 0));
  EXPECT_LE(tc.InkBounds().right, 18);
}

TEST(Font, BoldIsOnePixelWiderPerCharacterAndInkier) {
  auto normal = Font::Create(SongFont(-12, 400));
  auto bold = Font::Create(SongFont(-12, 700));
  ASSERT_NE(bold, nullptr);
  EXPECT_EQ(bold->Measure("ab" + kSong).width, normal->Measure("ab" + kSong).width + 3);
  EXPECT_EQ(Font::Create(SongFont(-12, 599))->Measure("ab").width, 12);
  TextCanvas a(40, 20), b(40, 20);
  normal->Draw(a.canvas(), {0, 0}, kSong, Rgb(0, 0, 0));
  bold->Draw(b.canvas(), {0, 0}, kSong, Rgb(0, 0, 0));
  int ink_a = 0, ink_b = 0;
  for (int y = 0; y < 20; ++y) ink_a += a.InkInRow(y, 0, 40), ink_b += b.InkInRow(y, 0, 40);
  EXPECT_GT(ink_b, ink_a);
}

TEST(Font, ItalicLeansTheTopRight) {
  LogFont lf = SongFont(-16);
  auto upright = Font::Create(lf);
  lf.italic = 1;
  auto italic = Font::Create(lf);
  ASSERT_NE(italic, nullptr);
  EXPECT_EQ(italic->Measure("l").width, upright->Measure("l").width);
  TextCanvas a(40, 20), b(40, 20);
  upright->Draw(a.canvas(), {5, 0}, "|", Rgb(0, 0, 0));
  italic->Draw(b.canvas(), {5, 0}, "|", Rgb(0, 0, 0));
  const Rect ia = a.InkBounds(), ib = b.InkBounds();
  auto first_ink_x = [](const TextCanvas& tc, int y) {
    for (int x = 0; x < 40; ++x)
      if (tc.Inked(x, y)) return x;
    return -1;
  };
  EXPECT_EQ(first_ink_x(a, ia.top), first_ink_x(a, ia.bottom - 1));  // upright stroke
  EXPECT_GT(first_ink_x(b, ib.top), first_ink_x(b, ib.bottom - 1));  // leaning
}

TEST(Font, UnderlineAndStrikeOutSpanTheText) {
  for (bool strike : {false, true}) {
    LogFont lf = SongFont(-12);
    (strike ? lf.strike_out : lf.underline) = 1;
    auto font = Font::Create(lf);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Underline(), !strike);
    TextCanvas tc(100, 20);
    const std::string text = "a  " + kSong;  // 30 pixels, with a gap of spaces
    font->Draw(tc.canvas(), {3, 2}, text, Rgb(0, 0, 0));
    int full_rows = 0;
    for (int y = 2; y < 14; ++y) {
      if (tc.InkInRow(y, 3, 33) == 30) {
        ++full_rows;
        EXPECT_EQ(tc.InkInRow(y, 0, 3) + tc.InkInRow(y, 33, 100), 0);
        if (strike) {
          EXPECT_LT(y, 2 + font->Ascent());
        } else {
          EXPECT_EQ(y, 2 + font->UnderlineOffset());
        }
      }
    }
    EXPECT_EQ(full_rows, 1) << (strike ? "strike-out" : "underline");
  }
}

TEST(Font, OtherFacesUseFontconfigAndBorrowChineseFromTheSongFace) {
  auto font = std::dynamic_pointer_cast<FreeTypeFont>(Font::Create(NamedFont("DejaVu Sans", -14)));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->FilePath().find("uming"), std::string::npos);
  EXPECT_GE(font->Height(), 14);
  EXPECT_EQ(font->Measure(kSong).width, 14);
  TextCanvas tc(40, 30);
  font->Draw(tc.canvas(), {0, 0}, kSong, Rgb(0, 0, 0));
  EXPECT_FALSE(tc.InkBounds().IsEmpty());
}

TEST(Font, PositiveHeightIsTheCellHeight) {
  for (int cell : {10, 17, 25, 40}) {
    auto font = Font::Create(NamedFont("DejaVu Sans", cell));
    ASSERT_NE(font, nullptr);
    EXPECT_LE(font->Height(), cell);
    EXPECT_GE(font->Height(), cell - 2);
  }
}

TEST(Font, WidthFieldScalesTheSongFace) {
  LogFont lf = SongFont(-12);
  lf.width = 12;  // twice the natural average width
  auto wide = Font::Create(lf);
  ASSERT_NE(wide, nullptr);
  EXPECT_GE(wide->Height(), 12);
  EXPECT_LE(wide->Height(), 14);
  EXPECT_GE(wide->Measure("aaaa").width, 44);
}

TEST(Font, DrawIsClippedAndUsesTheOrigin) {
  auto font = Font::DefaultGui();
  TextCanvas tc(60, 30);
  tc.canvas().SetOrigin({10, 5});
  tc.canvas().IntersectClip({0, 0, 12, 12});
  font->Draw(tc.canvas(), {0, 0}, kSong + kSong, Rgb(0, 0, 0));
  const Rect ink = tc.InkBounds();
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 22);
  EXPECT_GE(ink.top, 5);
  EXPECT_FALSE(ink.IsEmpty());
}

}  // namespace
}  // namespace desktop
