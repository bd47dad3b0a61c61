// JPEG decoding through libjpeg: colour and grey, baseline and progressive, odd sizes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"

namespace {

using desktop::Picture;
using fixtures::Bytes;

// Four flat quadrants; lossy coding keeps the middle of each close to its colour.
constexpr std::uint32_t kQuadrants[4] = {0xE02010, 0x10C040, 0x2040D0, 0xF0F0F0};

std::vector<std::uint32_t> Quadrants(int width, int height) {
  std::vector<std::uint32_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) rgb.push_back(kQuadrants[(y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1)]);
  }
  return rgb;
}

void ExpectNear(desktop::Pixel actual, std::uint32_t rgb, int tolerance, int x, int y) {
  EXPECT_EQ(actual >> 24, 0xFFu);
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((rgb >> shift) & 0xFF);
    EXPECT_LE(std::abs(a - e), tolerance) << "channel at shift " << shift << " of pixel (" << x << ", " << y << ")";
  }
}

struct JpegCase {
  const char* name;
  int width;
  int height;
  bool grey;
  bool progressive;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const JpegCase& c, std::ostream* os) { *os << c.name; }

const JpegCase kCases[] = {
    {"BaselineColour", 32, 32, false, false},
    {"BaselineGrey", 32, 16, true, false},
    {"ProgressiveColour", 24, 40, false, true},
    {"OddSizeColour", 37, 21, false, false},
    {"WindowButtonSize", 150, 60, false, false},
};

class JpegTest : public testing::TestWithParam<JpegCase> {};

TEST_P(JpegTest, DecodesQuadrants) {
  const JpegCase& c = GetParam();
  const Bytes file = fixtures::MakeJpeg(c.width, c.height, Quadrants(c.width, c.height), c.grey, c.progressive);
  const Picture picture = desktop::DecodePicture(fixtures::View(file));
  ASSERT_EQ(picture.kind, Picture::Kind::Bitmap);
  EXPECT_EQ(picture.format, desktop::PictureFormat::Jpeg);
  EXPECT_TRUE(picture.palette.empty());
  ASSERT_EQ(picture.image.width, c.width);
  ASSERT_EQ(picture.image.height, c.height);
  for (int q = 0; q < 4; ++q) {
    const int x = (q % 2) ? c.width * 3 / 4 : c.width / 4;
    const int y = (q / 2) ? c.height * 3 / 4 : c.height / 4;
    std::uint32_t expected = kQuadrants[q];
    if (c.grey) expected = ((expected >> 8) & 0xFF) * 0x010101u;  // the writer keeps the green byte
    ExpectNear(picture.image.At(x, y), expected, 8, x, y);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, JpegTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<JpegCase>& info) { return info.param.name; });

// A fatal libjpeg error goes through its error exit: the decoder must come back with nothing
// instead of letting the process end.
TEST(JpegErrorTest, UnsupportedFrameIsNoPicture) {
  Bytes file = fixtures::MakeJpeg(16, 16, Quadrants(16, 16), false, false);
  // Replace the start-of-frame marker with an unknown one: libjpeg refuses the file.
  bool patched = false;
  for (std::size_t i = 2; i + 1 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 1] = 0xCF;  // a lossless arithmetic frame, which this libjpeg does not decode
      patched = true;
      break;
    }
  }
  ASSERT_TRUE(patched);
  EXPECT_EQ(desktop::DecodePicture(fixtures::View(file)).kind, Picture::Kind::None);
}

TEST(JpegErrorTest, GarbageAfterStartIsNoPicture) {
  Bytes file = {0xFF, 0xD8};
  for (int i = 0; i < 64; ++i) file.push_back(static_cast<std::uint8_t>(i * 37));
  EXPECT_EQ(desktop::DecodePicture(fixtures::View(file)).kind, Picture::Kind::None);
}

}  // namespace
