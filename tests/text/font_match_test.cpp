// Where the Song face comes from: its package's file, recognised by its family name, and without
// fontconfig reading its configuration; other faces still go through fontconfig.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "desktop/text/font_match.h"
#include "desktop/text/freetype_font.h"
#include "text_canvas.h"

namespace desktop {
namespace {

constexpr const char* kUming = "/usr/share/fonts/truetype/arphic/uming.ttc";

struct FaceFileCase {
  const char* path;
  int index;
  bool song;
};

class SongFaceFileTest : public ::testing::TestWithParam<FaceFileCase> {};

TEST_P(SongFaceFileTest, OnlyTheFirstFaceOfTheUmingFileIsTheSongFace) {
  const auto& c = GetParam();
  EXPECT_EQ(IsSongFaceFile(c.path, c.index), c.song) << c.path << " #" << c.index;
}

INSTANTIATE_TEST_SUITE_P(
    FontMatch, SongFaceFileTest,
    ::testing::Values(FaceFileCase{kUming, 0, true},
                      FaceFileCase{kUming, 1, false},   // AR PL UMing HK
                      FaceFileCase{kUming, 3, false},   // AR PL UMing TW MBE
                      FaceFileCase{kUming, 9, false},   // no such face in the collection
                      FaceFileCase{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0, false},
                      FaceFileCase{"/nonexistent/uming.ttc", 0, false},
                      FaceFileCase{__FILE__, 0, false}));  // not a font at all

// Whether fontconfig has read its configuration in this process: it maps its font caches then.
bool FontconfigCachesMapped() {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find("fontconfig") != std::string::npos && line.find(".cache-") != std::string::npos) return true;
  return false;
}

// In a process of its own, so that no other test has started fontconfig before.
TEST(FontMatch, TheWindowsSongFontsNeedNoFontconfigOtherFacesDo) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        for (int height : {-12, -14, 16, 0}) {
          auto font = std::dynamic_pointer_cast<FreeTypeFont>(Font::Create(testing::SongFont(height)));
          if (!font || font->FilePath() != kUming || !font->UsesBitmapStrike()) std::_Exit(2);
        }
        if (Font::DefaultGui()->Measure("\xCB\xCE" "a").width != 18) std::_Exit(3);  // 宋 and a
        if (FontconfigCachesMapped()) std::_Exit(4);
        // The probe sees fontconfig when it does start.
        if (Font::Create(testing::NamedFont("DejaVu Sans", -13)) == nullptr) std::_Exit(5);
        std::_Exit(FontconfigCachesMapped() ? 0 : 6);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace desktop
