// Recognition of a picture by its first bytes.
#include <gtest/gtest.h>

#include "desktop/pictures/picture.h"
#include "picture_checks.h"

namespace {

using desktop::PictureFormat;
using fixtures::Bytes;

struct RecognizeCase {
  const char* name;
  Bytes bytes;
  PictureFormat expected;
};
// gtest names the case instead of dumping its bytes.
void PrintTo(const RecognizeCase& c, std::ostream* os) { *os << c.name; }

Bytes Text(const char* s) { return Bytes(s, s + std::char_traits<char>::length(s)); }

const RecognizeCase kCases[] = {
    {"Empty", {}, PictureFormat::None},
    {"JpegSixBytes", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10}, PictureFormat::Jpeg},
    {"JpegFiveBytesIsTooShort", {0xFF, 0xD8, 0xFF, 0xE0, 0}, PictureFormat::None},
    {"JpegSecondByteWrong", {0xFF, 0xD9, 0, 0, 0, 0}, PictureFormat::None},
    {"BmpSixBytes", {'B', 'M', 0, 0, 0, 0}, PictureFormat::Bmp},
    {"BmpFiveBytesIsTooShort", {'B', 'M', 0, 0, 0}, PictureFormat::None},
    {"BmpLowerCase", {'b', 'm', 0, 0, 0, 0}, PictureFormat::None},
    {"IconOneImage", {0, 0, 1, 0, 1, 0}, PictureFormat::Icon},
    {"IconCountInHighByte", {0, 0, 1, 0, 0, 1}, PictureFormat::Icon},
    {"IconZeroImages", {0, 0, 1, 0, 0, 0}, PictureFormat::None},
    {"IconFiveBytes", {0, 0, 1, 0, 1}, PictureFormat::None},
    {"CursorOneImage", {0, 0, 2, 0, 1, 0}, PictureFormat::Cursor},
    {"CursorZeroImages", {0, 0, 2, 0, 0, 0}, PictureFormat::None},
    {"DirectoryTypeThree", {0, 0, 3, 0, 1, 0}, PictureFormat::None},
    {"DirectoryReservedNotZero", {1, 0, 1, 0, 1, 0}, PictureFormat::None},
    {"Gif87a", Text("GIF87a"), PictureFormat::Gif},
    {"Gif89a", Text("GIF89a"), PictureFormat::Gif},
    {"Gif88aIsNot", Text("GIF88a"), PictureFormat::None},
    {"GifFiveBytes", Text("GIF89"), PictureFormat::None},
    {"PcxVersion5Rle8Bit", {0x0A, 5, 1, 8, 0, 0}, PictureFormat::Pcx},
    {"PcxVersion0Rle8Bit", {0x0A, 0, 1, 8, 0, 0}, PictureFormat::Pcx},
    {"PcxVersion6", {0x0A, 6, 1, 8, 0, 0}, PictureFormat::None},
    {"PcxUncompressed", {0x0A, 5, 0, 8, 0, 0}, PictureFormat::None},
    {"Pcx4Bit", {0x0A, 5, 1, 4, 0, 0}, PictureFormat::None},
    {"PcxVersion3OneBit", {0x0A, 3, 1, 1, 0, 0}, PictureFormat::Pcx},
    {"PcxVersion5OneBit", {0x0A, 5, 1, 1, 0, 0}, PictureFormat::None},
    {"PcxVersion2OneBit", {0x0A, 2, 1, 1, 0, 0}, PictureFormat::None},
    {"PcxFiveBytes", {0x0A, 5, 1, 8, 0}, PictureFormat::None},
    {"PngIsNotRecognised", {0x89, 'P', 'N', 'G', 0x0D, 0x0A}, PictureFormat::None},
    {"Zeros", {0, 0, 0, 0, 0, 0}, PictureFormat::None},
};

class RecognizeTest : public testing::TestWithParam<RecognizeCase> {};

TEST_P(RecognizeTest, FormatByFirstBytes) {
  const RecognizeCase& c = GetParam();
  EXPECT_EQ(desktop::RecognizePicture(fixtures::View(c.bytes)), c.expected);
}

// Six bytes of a signature are not a picture yet: the decoders refuse them too.
TEST_P(RecognizeTest, SignatureAloneDecodesToNothing) {
  const RecognizeCase& c = GetParam();
  const desktop::Picture picture = desktop::DecodePicture(fixtures::View(c.bytes));
  EXPECT_EQ(picture.kind, desktop::Picture::Kind::None);
  EXPECT_EQ(picture.format, PictureFormat::None);
}

INSTANTIATE_TEST_SUITE_P(Table, RecognizeTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RecognizeCase>& info) { return info.param.name; });

// Only the first bytes send data to a decoder: an intact BMP with a damaged signature is nothing.
TEST(RecognizeTest, DecodeFollowsTheFirstBytesOnly) {
  fixtures::DibSpec spec{.width = 1, .height = 1, .bit_count = 24, .values = {0x102030}};
  fixtures::Bytes bmp = fixtures::MakeBmp(spec);
  ASSERT_TRUE(desktop::DecodePicture(fixtures::View(bmp)).IsValid());
  bmp[0] = 'b';
  EXPECT_FALSE(desktop::DecodePicture(fixtures::View(bmp)).IsValid());
}

}  // namespace
