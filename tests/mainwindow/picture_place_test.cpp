// Where a picture box draws its picture in each draw mode.
#include <gtest/gtest.h>

#include "ui/picture_box.h"

namespace {

using desktop::Rect;
using desktop::Size;

struct PlaceCase {
  const char* name;
  std::uint32_t mode;
  Size picture;
  Rect area;
  Rect expected;
};

class PicturePlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PicturePlaceTest, Places) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(ui::PicturePlace(c.mode, c.picture, c.area), c.expected);
}

const PlaceCase kCases[] = {
    {"NaturalAtTopLeft", 0, {196, 49}, {0, 0, 196, 49}, {0, 0, 196, 49}},
    {"NaturalLargerThanBoxKeepsItsSize", 0, {300, 100}, {0, 0, 196, 49}, {0, 0, 300, 100}},
    {"StretchedFillsTheBox", 1, {10, 10}, {0, 0, 140, 35}, {0, 0, 140, 35}},
    {"CentredWhenItFits", 2, {100, 20}, {0, 0, 140, 35}, {20, 7, 120, 27}},
    {"CentredExactFit", 2, {140, 35}, {0, 0, 140, 35}, {0, 0, 140, 35}},
    // 280 x 35 into 140 x 35: halved in both directions (35 / 2 = 17), then centred vertically.
    {"ShrunkByWidth", 2, {280, 35}, {0, 0, 140, 35}, {0, 9, 140, 26}},
    {"ShrunkByHeight", 2, {70, 70}, {0, 0, 140, 35}, {52, 0, 87, 35}},
    {"UnknownModeDrawsNothing", 3, {10, 10}, {0, 0, 140, 35}, {}},
    {"NoPictureDrawsNothing", 2, {0, 0}, {0, 0, 140, 35}, {}},
};

INSTANTIATE_TEST_SUITE_P(Modes, PicturePlaceTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

}  // namespace
