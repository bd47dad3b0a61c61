// Edit boxes: the styles of their data, the least height, the one-line text band with the rest
// painted in the background colour and counting as border, colours, the start selection, the
// typing limit and password character, and the text as the kind reads it.
#include <gtest/gtest.h>

#include "kind_fixture.h"
#include "song_font.h"
#include "ui/control_fonts.h"
#include "ui/edit_box.h"

namespace kinds_test {
namespace {

namespace d = ui::description;

// The settings of the window's keyword boxes.
d::EditBoxData KeywordBox() {
  d::EditBoxData data;
  data.border = 1;
  data.hide_selection = 0;
  data.font = SongTi(-16);
  return data;
}

TEST(EditBoxStyles, FromTheData) {
  struct Case {
    const char* what;
    void (*change)(d::EditBoxData&);
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"new box", [](d::EditBoxData&) {}, ES_AUTOHSCROLL},
      {"hide selection 0", [](d::EditBoxData& x) { x.hide_selection = 0; }, ES_AUTOHSCROLL | ES_NOHIDESEL},
      {"hide selection 2", [](d::EditBoxData& x) { x.hide_selection = 2; }, ES_AUTOHSCROLL},
      {"centred", [](d::EditBoxData& x) { x.alignment = 1; }, ES_AUTOHSCROLL | ES_CENTER},
      {"right", [](d::EditBoxData& x) { x.alignment = 2; }, ES_AUTOHSCROLL | ES_RIGHT},
      {"alignment 3", [](d::EditBoxData& x) { x.alignment = 3; }, ES_AUTOHSCROLL},
      {"read-only", [](d::EditBoxData& x) { x.input_mode = 1; }, ES_AUTOHSCROLL | ES_READONLY},
      {"password", [](d::EditBoxData& x) { x.input_mode = 2; }, ES_AUTOHSCROLL | ES_PASSWORD},
      {"number input", [](d::EditBoxData& x) { x.input_mode = 3; }, ES_AUTOHSCROLL},
      {"lower case", [](d::EditBoxData& x) { x.case_conversion = 1; }, ES_AUTOHSCROLL | ES_LOWERCASE},
      {"upper case", [](d::EditBoxData& x) { x.case_conversion = 2; }, ES_AUTOHSCROLL | ES_UPPERCASE},
      {"multi-line 2 is one line", [](d::EditBoxData& x) { x.multi_line = 2; x.scroll_bars = 3; }, ES_AUTOHSCROLL},
      {"multi-line", [](d::EditBoxData& x) { x.multi_line = 1; },
       ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN},
      {"multi-line, horizontal bar", [](d::EditBoxData& x) { x.multi_line = 1; x.scroll_bars = 1; },
       ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_AUTOHSCROLL | WS_HSCROLL},
      {"multi-line, vertical bar", [](d::EditBoxData& x) { x.multi_line = 1; x.scroll_bars = 2; },
       ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL},
      {"multi-line, both bars", [](d::EditBoxData& x) { x.multi_line = 1; x.scroll_bars = 3; },
       ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL},
  };
  for (const Case& c : cases) {
    d::EditBoxData data;
    c.change(data);
    EXPECT_EQ(ui::EditBox::EditStyles(data), c.expected) << c.what;
  }
}

TEST(EditBoxBand, CentredWithTheOffsetRoundedTowardZero) {
  struct Case {
    Rect client;
    int line;
    Rect band;
  };
  const Case cases[] = {
      {{2, 2, 382, 30}, 16, {2, 8, 382, 24}},   // 28 high: 6 above, 6 below
      {{2, 2, 382, 29}, 16, {2, 7, 382, 23}},   // 27: (27 - 16) / 2 = 5
      {{0, 0, 50, 10}, 16, {0, -3, 50, 13}},    // lower than a line: (10 - 16) / 2 = -3, not -4
      {{0, 0, 50, 9}, 16, {0, -3, 50, 13}},     // (9 - 16) / 2 = -3
  };
  for (const Case& c : cases) EXPECT_EQ(ui::EditBox::TextBand(c.client, c.line), c.band);
}

using EditBoxTest = KindTest;

TEST_F(EditBoxTest, KeywordBoxShowsItsTextInACentredOneLineBand) {
  auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 20, 384, 32));
  ASSERT_NE(box, nullptr);
  const int w_height = box->GetFont()->Measure("W").height;
  const Rect band = box->ClientInWindow();
  EXPECT_EQ(band.Height(), w_height);
  EXPECT_EQ(band.left, 2);
  EXPECT_EQ(band.right, 382);
  EXPECT_EQ(band.top, 2 + (28 - w_height) / 2);
  EXPECT_EQ(box->WindowRect().Height(), 32);  // tall enough already
}

TEST_F(EditBoxTest, LowBoxIsMadeAsHighAsItsFontNeeds) {
  const int least = ui::EditBox::LeastHeight(*ui::MakeControlFont(SongTi(-16)));
  EXPECT_EQ(least, ui::MakeControlFont(SongTi(-16))->Measure(Gbk("吴")).height + 4);
  auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 40, 200, 10));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->WindowRect(), Rect::FromSize(20, 40, 200, least));
}

TEST_F(EditBoxTest, MultiLineBoxKeepsItsHeightAndWholeClientArea) {
  d::EditBoxData data = KeywordBox();
  data.multi_line = 1;
  auto* box = CreateAs<ui::EditBox>(data, Rect::FromSize(20, 40, 200, 10));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->WindowRect().Height(), 10);
  EXPECT_EQ(box->ClientInWindow(), Rect(2, 2, 198, 8));
}

TEST_F(EditBoxTest, OutsideTheBandIsPaintedInTheBackgroundColour) {
  d::EditBoxData data = KeywordBox();
  data.background_colour = Rgb(255, 255, 200);
  data.text_colour = Rgb(200, 0, 0);
  data.content = "WWW";
  auto* box = CreateAs<ui::EditBox>(data, Rect::FromSize(20, 20, 384, 32));
  ASSERT_NE(box, nullptr);
  WindowSystem::Get().UpdateAll();
  const Rect band = box->ClientInWindow();
  // Host coordinates of the box's inside just below its sunken edge, above and below the band.
  EXPECT_EQ(PixelAt(*host_, {20 + 100, 20 + 2}), Rgb(255, 255, 200));
  EXPECT_EQ(PixelAt(*host_, {20 + 100, 20 + band.bottom}), Rgb(255, 255, 200));
  EXPECT_EQ(PixelAt(*host_, {20 + 300, 20 + 32 - 3}), Rgb(255, 255, 200));
  // The sunken edge is drawn over it: its outer top line is the 3-D shadow.
  EXPECT_EQ(PixelAt(*host_, {20 + 100, 20}), syscolor::kButtonShadow);
  // In the band: the background and the typed text in the text colour.
  EXPECT_EQ(PixelAt(*box, {300, band.Height() / 2}), Rgb(255, 255, 200));
  EXPECT_TRUE(AnyPixel(*box, box->ClientRect(), Rgb(200, 0, 0)));
}

TEST_F(EditBoxTest, PressAboveOrBelowTheBandDoesNotMoveTheCaret) {
  auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 20, 384, 32));
  ASSERT_NE(box, nullptr);
  box->SetFocus();
  backend_->TypeText("abcdef");
  Pump();
  ASSERT_EQ(box->Caret(), 6u);
  const Rect band = box->ClientInWindow();
  // Client y of the rows just inside the sunken edge, above and below the band.
  const int above = 2 - band.top;
  const int below = band.Height() + (30 - band.bottom) - 1;
  for (int y : {above, below}) {
    backend_->Click(box, {2, y});
    Pump();
    backend_->AdvanceClock(1000);
    EXPECT_EQ(box->Caret(), 6u) << "press at client y " << y;
    EXPECT_EQ(box->OnNcHitTest({4, band.top + y}), HTBORDER) << y;
  }
  // A press in the band does place it.
  backend_->Click(box, {1, band.Height() / 2});
  Pump();
  EXPECT_EQ(box->Caret(), 0u);
}

TEST_F(EditBoxTest, ColoursAreTheStoredOnes) {
  struct Case {
    ColorRef stored_text, stored_background, text, background;
  };
  const Case cases[] = {
      {Rgb(1, 2, 3), Rgb(250, 240, 230), Rgb(1, 2, 3), Rgb(250, 240, 230)},
      {0, kDefaultBackground, 0, syscolor::kButtonFace},
  };
  for (const Case& c : cases) {
    d::EditBoxData data = KeywordBox();
    data.text_colour = c.stored_text;
    data.background_colour = c.stored_background;
    auto* box = CreateAs<ui::EditBox>(data, Rect::FromSize(20, 20, 100, 32));
    ASSERT_NE(box, nullptr);
    ColorRef text = 0x123456, background = 0x654321;
    box->GetControlColors(text, background);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(background, c.background);
    box->Destroy();
  }
}

TEST_F(EditBoxTest, StartSelectionLimitAndPasswordFromTheData) {
  d::EditBoxData data = KeywordBox();
  data.content = "keywords";
  data.selection_start = 2;
  data.selection_length = 3;
  data.max_length = 10;
  data.input_mode = 2;
  data.password_char = 0x4023;  // only the low byte counts: '#'
  auto* box = CreateAs<ui::EditBox>(data, Rect::FromSize(20, 20, 200, 32));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Text(), "keywords");
  EXPECT_EQ(box->SelStart(), 2u);
  EXPECT_EQ(box->SelEnd(), 5u);
  EXPECT_EQ(box->Limit(), 10u);
  EXPECT_EQ(box->PasswordChar(), '#');
}

TEST_F(EditBoxTest, MaximumLengthZeroIsThePlatformsMaximum) {
  auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 20, 200, 32));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Limit(), desktop::EditModel::kLargestLimit);
  EXPECT_EQ(box->PasswordChar(), 0);
}

TEST_F(EditBoxTest, EnterIsLeftToTheWindow) {
  auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 20, 200, 32));
  ASSERT_NE(box, nullptr);
  KeyEvent enter{.vk = VK_RETURN};
  EXPECT_EQ(box->GetDialogCode(&enter) & DLGC_WANTALLKEYS, 0u);
}

TEST_F(EditBoxTest, TextReadsAsTypedWholeAndUnchanged) {
  struct Case {
    const char* typed_utf8;
  };
  const Case cases[] = {
      {"  ddr3  内存 "},
      {"鼠标"},
      {"a&b#c d"},
      {"一个比框子更长的关键词一个比框子更长的关键词一个比框子更长的关键词一个比框子更长的关键词"},
  };
  for (const Case& c : cases) {
    auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 20, 200, 32));
    ASSERT_NE(box, nullptr);
    box->SetFocus();
    backend_->TypeText(c.typed_utf8);
    Pump();
    const ui::KindOps* kind = ui::FindKind(LastControl().Type());
    ASSERT_NE(kind, nullptr);
    const auto raw = kind->read_property(LastControl(), 0);
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(std::get<std::string>(*raw), Gbk(c.typed_utf8)) << c.typed_utf8;
    box->Destroy();
  }
}

TEST_F(EditBoxTest, EmptyBoxReadsEmptyAndOtherPropertiesAreNotTheKinds) {
  auto* box = CreateAs<ui::EditBox>(KeywordBox(), Rect::FromSize(20, 20, 200, 32));
  ASSERT_NE(box, nullptr);
  const ui::KindOps* kind = ui::FindKind(LastControl().Type());
  const auto text = kind->read_property(LastControl(), 0);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(std::get<std::string>(*text), "");
  EXPECT_FALSE(kind->read_property(LastControl(), 10).has_value());
}

}  // namespace
}  // namespace kinds_test
