// The fonts' warm-up on a second thread: the fonts made after it are the ones made without it,
// and starting or waiting for it again is harmless.
#include <gtest/gtest.h>

#include "desktop/text/font_warm_up.h"
#include "desktop/text/freetype_font.h"
#include "text_canvas.h"

namespace desktop {
namespace {

TEST(FontWarmUp, FontsMadeAfterItAreTheSongFaceWithItsStrikes) {
  StartFontWarmUp();
  StartFontWarmUp();  // a second start neither waits nor starts a second thread
  auto font = std::dynamic_pointer_cast<FreeTypeFont>(Font::Create(testing::SongFont(-12)));
  ASSERT_NE(font, nullptr);
  EXPECT_NE(font->FilePath().find("uming"), std::string::npos) << font->FilePath();
  EXPECT_TRUE(font->UsesBitmapStrike());
  EXPECT_EQ(font->Measure("\xCB\xCE" "a").width, 18);  // 宋 full width, a half width
  FinishFontWarmUp();
  FinishFontWarmUp();
  // Other faces still go through fontconfig after it.
  EXPECT_NE(Font::Create(testing::NamedFont("DejaVu Sans", -13)), nullptr);
}

}  // namespace
}  // namespace desktop
