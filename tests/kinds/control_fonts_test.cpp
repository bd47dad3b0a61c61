// The copy rule for control fonts and the fall-back to the default GUI font.
#include <gtest/gtest.h>

#include "song_font.h"
#include "ui/control_fonts.h"

namespace {

using kinds_test::SongTi;

TEST(ControlFontRecord, ReplacesCharsetPrecisionsQualityAndPitch) {
  const desktop::LogFont copy = ui::ControlFontRecord(SongTi(-16));
  EXPECT_EQ(copy.char_set, 1);
  EXPECT_EQ(copy.out_precision, 0);
  EXPECT_EQ(copy.clip_precision, 0);
  EXPECT_EQ(copy.quality, 2);
  EXPECT_EQ(copy.pitch_and_family, 0);
}

TEST(ControlFontRecord, KeepsSizeWeightStyleAndFace) {
  desktop::LogFont stored = SongTi(-14);
  stored.width = 7;
  stored.weight = 700;
  stored.italic = 1;
  stored.underline = 1;
  stored.strike_out = 1;
  const desktop::LogFont copy = ui::ControlFontRecord(stored);
  EXPECT_EQ(copy.height, -14);
  EXPECT_EQ(copy.width, 7);
  EXPECT_EQ(copy.weight, 700);
  EXPECT_EQ(copy.italic, 1);
  EXPECT_EQ(copy.underline, 1);
  EXPECT_EQ(copy.strike_out, 1);
  EXPECT_STREQ(copy.face_name, "\xCB\xCE\xCC\xE5");
}

TEST(MakeControlFont, NoStoredRecordGivesTheDefaultGuiFont) {
  auto font = ui::MakeControlFont(std::nullopt);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font, desktop::Font::DefaultGui());
}

TEST(MakeControlFont, StoredRecordGivesAFontOfItsHeight) {
  struct Case {
    int height;
    int pixels;
  };
  for (const Case c : {Case{-14, 14}, Case{-16, 16}}) {
    auto font = ui::MakeControlFont(SongTi(c.height));
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font, desktop::Font::DefaultGui());
    // The line is at least the character height; a 14-pixel font must not come out as 16 or more.
    EXPECT_GE(font->Height(), c.pixels) << c.height;
    EXPECT_LT(font->Height(), c.pixels + 6) << c.height;
  }
}

}  // namespace
