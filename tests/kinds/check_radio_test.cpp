// Check boxes and radio buttons: styles from the data, the start state, colours, the marks as
// drawn, and the checked state as the kind reads it (stored back into the control's data).
#include <gtest/gtest.h>

#include "kind_fixture.h"
#include "picture_bytes.h"
#include "song_font.h"
#include "ui/check_radio_kinds.h"

namespace kinds_test {
namespace {

namespace d = ui::description;

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr int kOwnChecked = 10;

// The settings of the window's eleven choice controls.
template <class Data>
Data WindowChoice(std::string_view caption_utf8, std::uint32_t checked) {
  Data data;
  data.horizontal_alignment = 0;
  data.vertical_alignment = 1;
  data.text_colour = kBlack;
  data.background_colour = kWhite;
  data.checked = checked;
  data.font = SongTi(-14);
  data.caption = Gbk(caption_utf8);
  return data;
}

TEST(ChoiceStyles, FromTheData) {
  struct Case {
    std::uint32_t push_like, flat, caption_left, horizontal, vertical;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 1, BS_LEFT | BS_VCENTER},
      {1, 0, 0, 0, 1, BS_PUSHLIKE | BS_LEFT | BS_VCENTER},
      {2, 1, 0, 1, 0, BS_FLAT | BS_CENTER | BS_TOP},
      {0, 0, 1, 2, 2, BS_LEFTTEXT | BS_RIGHT | BS_BOTTOM},
      {0, 3, 3, 5, 5, BS_RIGHT | BS_BOTTOM},  // switches are on only for 1
  };
  for (const Case& c : cases) {
    d::ChoiceData data;
    data.push_like = c.push_like;
    data.flat = c.flat;
    data.caption_left = c.caption_left;
    data.horizontal_alignment = c.horizontal;
    data.vertical_alignment = c.vertical;
    EXPECT_EQ(ui::ChoiceStyles(data, nullptr), c.expected | BS_MULTILINE)
        << c.push_like << c.flat << c.caption_left << c.horizontal << c.vertical;
  }
}

TEST(ChoiceStyles, PictureGivesBitmapOrIconStyle) {
  d::ChoiceData data;
  desktop::Picture bitmap;
  bitmap.kind = desktop::Picture::Kind::Bitmap;
  bitmap.image = {1, 1, {0xFF000000u}};
  desktop::Picture icon = bitmap;
  icon.kind = desktop::Picture::Kind::Icon;
  EXPECT_EQ(ui::ChoiceStyles(data, &bitmap) & (BS_BITMAP | BS_ICON), std::uint32_t{BS_BITMAP});
  EXPECT_EQ(ui::ChoiceStyles(data, &icon) & (BS_BITMAP | BS_ICON), std::uint32_t{BS_ICON});
  EXPECT_EQ(ui::ChoiceStyles(data, nullptr) & (BS_BITMAP | BS_ICON), 0u);
}

using ChoiceTest = KindTest;

TEST_F(ChoiceTest, CheckedAtCreationOnlyForOne) {
  for (std::uint32_t stored : {0u, 1u, 2u, 0xFFFFFFFFu}) {
    Window* check = Create(WindowChoice<d::CheckBoxData>("如实描述", stored), Rect::FromSize(10, 10, 80, 16));
    Window* radio = Create(WindowChoice<d::RadioBoxData>("价格从低到高", stored), Rect::FromSize(10, 40, 112, 16));
    ASSERT_NE(check, nullptr);
    ASSERT_NE(radio, nullptr);
    const int expected = stored == 1 ? BST_CHECKED : BST_UNCHECKED;
    EXPECT_EQ(check->SendMessage(BM_GETCHECK), expected) << stored;
    EXPECT_EQ(radio->SendMessage(BM_GETCHECK), expected) << stored;
    check->Destroy();
    radio->Destroy();
  }
}

TEST_F(ChoiceTest, BackgroundAndCaptionInTheirColours) {
  struct Case {
    ColorRef stored_background, background;
  };
  const Case cases[] = {{Rgb(255, 250, 205), Rgb(255, 250, 205)}, {kDefaultBackground, syscolor::kButtonFace}};
  for (const Case& c : cases) {
    auto data = WindowChoice<d::CheckBoxData>("淘宝商城", 0);
    data.background_colour = c.stored_background;
    data.text_colour = Rgb(0, 0, 180);
    Window* box = Create(data, Rect::FromSize(10, 10, 100, 20));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(PixelAt(*box, {99, 0}), c.background);
    EXPECT_TRUE(AnyPixel(*box, Rect{17, 0, 100, 20}, Rgb(0, 0, 180)));
    box->Destroy();
  }
}

TEST_F(ChoiceTest, MarksShowTheState) {
  auto* check = CreateAs<desktop::CheckableButton>(WindowChoice<d::CheckBoxData>("如实描述", 1),
                                                   Rect::FromSize(10, 10, 80, 16));
  auto* radio = CreateAs<desktop::CheckableButton>(WindowChoice<d::RadioBoxData>("按默认排序", 1),
                                                   Rect::FromSize(10, 40, 128, 32));
  ASSERT_NE(check, nullptr);
  ASSERT_NE(radio, nullptr);
  for (auto* control : {check, radio}) {
    const Rect mark = control->MarkRect();
    const Rect middle{mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3};
    EXPECT_TRUE(AnyPixel(*control, middle, kBlack)) << control->Text();
    control->SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_FALSE(AnyPixel(*control, middle, kBlack)) << control->Text();
    // Inside the unchecked mark: the window colour.
    EXPECT_EQ(PixelAt(*control, {(mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2}), syscolor::kWindow);
  }
}

TEST_F(ChoiceTest, CheckedReadAsOneOrZeroAndStoredIntoTheData) {
  auto* box = CreateAs<ui::ChoiceCheckBox>(WindowChoice<d::CheckBoxData>("旺旺在线", 0), Rect::FromSize(10, 10, 80, 16));
  ASSERT_NE(box, nullptr);
  ui::Control& control = LastControl();
  const ui::KindOps* kind = ui::FindKind(control.Type());
  ASSERT_NE(kind, nullptr);

  struct Step {
    int set;
    std::int32_t read;
  };
  for (const Step s : {Step{BST_CHECKED, 1}, Step{BST_UNCHECKED, 0}, Step{BST_CHECKED, 1}}) {
    box->SendMessage(BM_SETCHECK, static_cast<std::uintptr_t>(s.set));
    const auto raw = kind->read_property(control, kOwnChecked);
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(std::get<std::int32_t>(*raw), s.read);
    EXPECT_EQ(box->Data().checked, static_cast<std::uint32_t>(s.read));
  }
  EXPECT_FALSE(kind->read_property(control, 0).has_value());  // no text property
}

TEST_F(ChoiceTest, RadioCheckedReadWhileHidden) {
  auto* radio = CreateAs<ui::ChoiceRadioButton>(WindowChoice<d::RadioBoxData>("按价格降序", 0),
                                                Rect::FromSize(10, 10, 128, 32));
  ASSERT_NE(radio, nullptr);
  ui::Control& control = LastControl();
  radio->SendMessage(BM_SETCHECK, BST_CHECKED);
  radio->ShowWindow(SW_HIDE);
  const auto raw = ui::FindKind(control.Type())->read_property(control, kOwnChecked);
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(std::get<std::int32_t>(*raw), 1);
  EXPECT_EQ(radio->Data().checked, 1u);
}

TEST_F(ChoiceTest, ClickTogglesACheckBox) {
  auto* box = CreateAs<ui::ChoiceCheckBox>(WindowChoice<d::CheckBoxData>("7天退换", 0), Rect::FromSize(10, 10, 80, 16));
  ASSERT_NE(box, nullptr);
  backend_->Click(box, {5, 8});
  Pump();
  EXPECT_EQ(box->SendMessage(BM_GETCHECK), BST_CHECKED);
  backend_->AdvanceClock(1000);
  backend_->Click(box, {5, 8});
  Pump();
  EXPECT_EQ(box->SendMessage(BM_GETCHECK), BST_UNCHECKED);
}

TEST_F(ChoiceTest, CorruptPictureShowsTheCaption) {
  auto data = WindowChoice<d::CheckBoxData>("仅搜索图书", 0);
  data.picture = CorruptGif();
  auto* box = CreateAs<desktop::CheckableButton>(data, Rect::FromSize(10, 10, 240, 40));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Style() & (BS_BITMAP | BS_ICON), 0u);
  EXPECT_FALSE(box->ShowsImage());
  EXPECT_TRUE(AnyPixel(*box, box->CaptionArea(), kBlack));
}

TEST_F(ChoiceTest, PictureShownInsteadOfTheCaption) {
  auto data = WindowChoice<d::RadioBoxData>("单选框", 0);
  data.picture = SolidBmp(10, 10, Rgb(255, 0, 0));
  auto* radio = CreateAs<desktop::CheckableButton>(data, Rect::FromSize(10, 10, 120, 30));
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->Style() & (BS_BITMAP | BS_ICON), std::uint32_t{BS_BITMAP});
  EXPECT_TRUE(radio->ShowsImage());
  EXPECT_TRUE(AnyPixel(*radio, radio->CaptionArea(), Rgb(255, 0, 0)));
  EXPECT_FALSE(AnyPixel(*radio, radio->CaptionArea(), kBlack));
}

}  // namespace
}  // namespace kinds_test
