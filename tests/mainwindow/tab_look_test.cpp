// Pixels of the tab control's light look and of the picture boxes, read from the window's surface.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desktop/pictures/picture.h"
#include "main_window_fixture.h"
#include "ui/description/reader.h"

namespace mainwindow_test {
namespace {

using namespace desktop;

constexpr ColorRef kPageFill = Rgb(252, 252, 254);
constexpr ColorRef kFrame = Rgb(145, 167, 180);
constexpr ColorRef kAccentTop = Rgb(207, 114, 37);
constexpr ColorRef kAccentBelow = Rgb(227, 150, 88);
constexpr ColorRef kGradientTop = Rgb(255, 255, 246);
constexpr ColorRef kGradientBottom = Rgb(242, 236, 218);

bool Near(ColorRef a, ColorRef b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

class TabLook : public MainWindowTest {
 protected:
  ColorRef At(int x, int y) {
    WindowSystem::Get().UpdateAll();
    return backend_->ClientPixel(Tab(), {x, y});
  }
};

struct PixelCase {
  const char* name;
  Point at;  // tab client coordinates, page 1 shown, pointer away
  ColorRef colour;
};

const PixelCase kPageOnePixels[] = {
    {"PageAreaFill", {620, 415}, kPageFill},
    {"PageFrameLeft", {0, 200}, kFrame},
    {"PageFrameUnderSecondHeader", {300, 47}, kFrame},
    {"ShownHeaderOpenTowardsThePage", {20, 47}, kPageFill},
    {"ShownHeaderFill", {20, 30}, kPageFill},
    {"ShownHeaderAccentTopRow", {20, 2}, kAccentTop},
    {"ShownHeaderAccentSecondRow", {20, 3}, kAccentBelow},
    {"ShownHeaderAccentThirdRow", {20, 4}, kAccentBelow},
    {"ShownHeaderBelowTheAccent", {20, 5}, kPageFill},
    {"OtherHeaderTopOutline", {300, 2}, kFrame},
    {"OtherHeaderLeftOutline", {210, 20}, kFrame},
    {"ThirdHeaderRightOutline", {627, 20}, kFrame},
    {"BesideTheHeaderRow", {629, 20}, syscolor::kButtonFace},
    {"AboveTheHeaderRow", {300, 1}, syscolor::kButtonFace},
};

class TabLookPixels : public TabLook, public testing::WithParamInterface<PixelCase> {};

TEST_P(TabLookPixels, Colour) {
  const PixelCase& c = GetParam();
  EXPECT_EQ(At(c.at.x, c.at.y), c.colour) << std::hex << At(c.at.x, c.at.y);
}

INSTANTIATE_TEST_SUITE_P(PageOne, TabLookPixels, testing::ValuesIn(kPageOnePixels),
                         [](const testing::TestParamInfo<PixelCase>& info) { return info.param.name; });

TEST_F(TabLook, OtherHeadersCarryAVerticalGradient) {
  for (int x : {300, 500}) {
    EXPECT_TRUE(Near(At(x, 3), kGradientTop, 1)) << std::hex << At(x, 3);
    EXPECT_TRUE(Near(At(x, 46), kGradientBottom, 1)) << std::hex << At(x, 46);
    int previous_blue = 255;
    for (int y = 3; y < 47; ++y) {
      const int blue = BlueOf(At(x, y));
      EXPECT_LE(blue, previous_blue) << "y " << y;
      previous_blue = blue;
    }
  }
}

TEST_F(TabLook, HoveredHeaderCarriesTheAccent) {
  EXPECT_EQ(At(500, 2), kFrame);
  MovePointerTo(Tab(), {500, 20});
  EXPECT_EQ(At(500, 2), kAccentTop);
  EXPECT_EQ(At(500, 4), kAccentBelow);
}

TEST_F(TabLook, AfterAPageChangeTheNewHeaderIsOpenAndTheOldOneHasAGradient) {
  ClickHeader(2);
  MovePointerTo(Tab(), {620, 415});
  EXPECT_EQ(At(212, 47), kPageFill);
  EXPECT_EQ(At(212, 2), kAccentTop);
  EXPECT_EQ(At(20, 47), kFrame);
  EXPECT_EQ(At(20, 2), kFrame);
  EXPECT_TRUE(Near(At(20, 3), kGradientTop, 1));
}

// Each logo shows its whole picture at natural size over its page's header.
struct LogoCase {
  const char* name;
  int page;
  const char* box;
};

class Logos : public TabLook, public testing::WithParamInterface<LogoCase> {};

TEST_P(Logos, ShowThePictureOfTheirData) {
  const LogoCase& c = GetParam();
  if (c.page != 1) ClickHeader(c.page);
  MovePointerTo(Tab(), {620, 415});
  const ui::Control& box = Named(c.box);
  const auto data = ui::description::ParsePicBoxData(box.record->kind_data);
  ASSERT_TRUE(data.has_value());
  const Picture picture = DecodePicture(data->picture);
  ASSERT_TRUE(picture.IsValid());
  ASSERT_EQ(picture.image.width, box.window->ClientRect().Width());
  ASSERT_EQ(picture.image.height, box.window->ClientRect().Height());
  WindowSystem::Get().UpdateAll();
  int mismatches = 0;
  for (int y = 0; y < picture.image.height; y += 3)
    for (int x = 0; x < picture.image.width; x += 3)
      if (backend_->ClientPixel(*box.window, {x, y}) != FromPixel(picture.image.At(x, y))) ++mismatches;
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, Logos,
                         testing::Values(LogoCase{"Taobao", 1, "图片框1"}, LogoCase{"JingdongNewegg", 2, "图片框3"},
                                         LogoCase{"AmazonDangdang", 3, "图片框2"}),
                         [](const testing::TestParamInfo<LogoCase>& info) { return info.param.name; });

}  // namespace
}  // namespace mainwindow_test
