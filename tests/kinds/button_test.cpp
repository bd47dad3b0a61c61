// Picture buttons: styles from the data, the default push button, the picture shown instead of
// the caption (bitmap or icon style), and a plain captioned button when the picture is corrupt.
#include <gtest/gtest.h>

#include "desktop/pictures/picture.h"
#include "kind_fixture.h"
#include "picture_bytes.h"
#include "ui/button.h"

namespace kinds_test {
namespace {

namespace d = ui::description;

constexpr ColorRef kOrange = Rgb(255, 120, 0);

TEST(ButtonStyles, FromTheData) {
  struct Case {
    std::uint32_t kind, horizontal, vertical;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0, 1, 1, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER},
      {1, 1, 1, BS_DEFPUSHBUTTON | BS_CENTER | BS_VCENTER},
      {2, 0, 0, BS_PUSHBUTTON | BS_LEFT | BS_TOP},
      {0, 2, 2, BS_PUSHBUTTON | BS_RIGHT | BS_BOTTOM},
      {0, 9, 9, BS_PUSHBUTTON | BS_RIGHT | BS_BOTTOM},
  };
  for (const Case& c : cases) {
    d::ButtonData data;
    data.kind = c.kind;
    data.horizontal_alignment = c.horizontal;
    data.vertical_alignment = c.vertical;
    EXPECT_EQ(ui::PictureButton::ButtonStyles(data, nullptr), c.expected | BS_MULTILINE)
        << c.kind << "/" << c.horizontal << "/" << c.vertical;
  }
}

using ButtonTest = KindTest;

TEST_F(ButtonTest, PictureShownInsteadOfTheCaption) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> picture;
    std::uint32_t content_style;
    int image_type;
  };
  const Case cases[] = {
      {"bitmap", SolidBmp(20, 16, kOrange), BS_BITMAP, IMAGE_BITMAP},
      {"icon", SolidIcon(16, kOrange), BS_ICON, IMAGE_ICON},
  };
  for (const Case& c : cases) {
    d::ButtonData data;
    data.picture = c.picture;
    auto* button = CreateAs<desktop::PushButton>(data, Rect::FromSize(20, 20, 72, 63));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Style() & (BS_BITMAP | BS_ICON), c.content_style) << c.what;
    EXPECT_TRUE(button->ShowsImage()) << c.what;
    EXPECT_NE(button->SendMessage(BM_GETIMAGE, static_cast<std::uintptr_t>(c.image_type)), 0) << c.what;
    EXPECT_EQ(button->Text(), Gbk("按钮")) << c.what;  // kept as the window text
    // The picture in the middle of the face, and no caption text anywhere.
    EXPECT_EQ(PixelAt(*button, {36, 31}), kOrange) << c.what;
    EXPECT_FALSE(AnyPixel(*button, button->ClientRect(), syscolor::kButtonText)) << c.what;
    button->Destroy();
  }
}

TEST_F(ButtonTest, CorruptPictureLeavesAPlainCaptionedButton) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> picture;
  };
  const Case cases[] = {
      {"corrupt GIF", CorruptGif()},
      {"truncated BMP", [] {
         auto b = SolidBmp(20, 16, kOrange);
         b.resize(60);
         return b;
       }()},
      {"no known beginning", {1, 2, 3, 4, 5, 6, 7, 8}},
      {"shorter than six bytes", {'B', 'M', 0, 0}},
  };
  for (const Case& c : cases) {
    d::ButtonData data;
    data.picture = c.picture;
    auto* button = CreateAs<desktop::PushButton>(data, Rect::FromSize(20, 20, 72, 63));
    ASSERT_NE(button, nullptr) << c.what;
    EXPECT_EQ(button->Style() & (BS_BITMAP | BS_ICON), 0u) << c.what;
    EXPECT_FALSE(button->ShowsImage()) << c.what;
    // The caption "按钮" in the button text colour on the face.
    EXPECT_TRUE(AnyPixel(*button, button->ClientRect(), syscolor::kButtonText)) << c.what;
    EXPECT_EQ(PixelAt(*button, {8, 8}), syscolor::kButtonFace) << c.what;
    button->Destroy();
  }
}

TEST_F(ButtonTest, KindOneIsTheDefaultPushButton) {
  d::ButtonData data;
  data.kind = 1;
  auto* button = CreateAs<desktop::PushButton>(data, Rect::FromSize(20, 20, 72, 63));
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->IsDefault());
  EXPECT_NE(button->GetDialogCode(nullptr) & DLGC_DEFPUSHBUTTON, 0u);
  // The default button's extra black frame.
  EXPECT_EQ(PixelAt(*host_, {20, 20}), Rgb(0, 0, 0));
}

TEST_F(ButtonTest, NormalButtonIsNoDefaultButton) {
  auto* button = CreateAs<desktop::PushButton>(d::ButtonData{}, Rect::FromSize(20, 20, 72, 63));
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->IsDefault());
  EXPECT_EQ(button->GetDialogCode(nullptr) & DLGC_DEFPUSHBUTTON, 0u);
}

TEST_F(ButtonTest, StoredCaptionIsTheWindowText) {
  d::ButtonData data;
  data.caption = "";
  auto* empty = CreateAs<desktop::PushButton>(data, Rect::FromSize(20, 20, 72, 63));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->Text(), "");
  EXPECT_FALSE(AnyPixel(*empty, empty->ClientRect(), syscolor::kButtonText));
}

}  // namespace
}  // namespace kinds_test
