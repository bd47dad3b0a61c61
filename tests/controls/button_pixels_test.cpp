// The classic look of the "BUTTON" class at known pixels: the default button's black frame, the
// raised and pushed faces, the focus rectangle, the check and radio marks, the colours asked of the
// control, the left-text and push-like styles, pictures in place of the caption, disabled looks.
#include "desktop/controls/button_painting.h"
#include "desktop/controls/check_box.h"
#include "desktop/controls/push_button.h"
#include "desktop/controls/radio_button.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kWhite = Rgb(255, 255, 255);
const ColorRef kFace = syscolor::kButtonFace;

std::uint32_t Styles(std::uint32_t a, std::uint32_t b = 0) { return a | b; }

Picture SolidPicture(int w, int h, ColorRef c) {
  Picture p;
  p.kind = Picture::Kind::Bitmap;
  p.image.width = w;
  p.image.height = h;
  p.image.pixels.assign(static_cast<size_t>(w) * h, ToPixel(c));
  return p;
}

using ButtonPixels = ControlsTest;

struct FramePixel {
  const char* name;
  std::uint32_t style;
  bool pushed;
  Point at;
  ColorRef want;
};

TEST_F(ButtonPixels, FaceEdgesByKindAndState) {
  const FramePixel cases[] = {
      {"default outer frame top-left", BS_DEFPUSHBUTTON, false, {0, 0}, kBlack},
      {"default outer frame right", BS_DEFPUSHBUTTON, false, {79, 15}, kBlack},
      {"default raised light inside frame", BS_DEFPUSHBUTTON, false, {1, 1}, kWhite},
      {"normal raised light at the corner", BS_PUSHBUTTON, false, {0, 0}, kWhite},
      {"normal raised dark shadow at the bottom", BS_PUSHBUTTON, false, {40, 29}, syscolor::kDarkShadow},
      {"normal pushed frame", BS_PUSHBUTTON, true, {0, 0}, kBlack},
      {"normal pushed shadow inside", BS_PUSHBUTTON, true, {1, 1}, syscolor::kButtonShadow},
      {"default pushed keeps black frame", BS_DEFPUSHBUTTON, true, {0, 0}, kBlack},
      {"default pushed shadow inside", BS_DEFPUSHBUTTON, true, {1, 1}, syscolor::kButtonShadow},
      {"flat frame", Styles(BS_PUSHBUTTON, BS_FLAT), false, {0, 0}, kBlack},
      {"flat inside is face", Styles(BS_PUSHBUTTON, BS_FLAT), false, {1, 1}, kFace},
  };
  for (const FramePixel& c : cases) {
    PushButton* b = Make<PushButton>(c.style, Rect::FromSize(10, 10, 80, 30), "");
    b->SetPushed(c.pushed);
    EXPECT_EQ(PixelAt(*b, c.at), c.want) << c.name;
    b->Destroy();
  }
}

TEST_F(ButtonPixels, FocusRectangleOnlyWhenFocused) {
  for (std::uint32_t style : {std::uint32_t{BS_PUSHBUTTON}, std::uint32_t{BS_DEFPUSHBUTTON}}) {
    PushButton* b = Make<PushButton>(style, Rect::FromSize(10, 10, 80, 30), "");
    const Rect focus = FaceFocusRect(b->ClientRect(), {.is_default = style == BS_DEFPUSHBUTTON});
    const Point corner = focus.TopLeft();
    EXPECT_EQ(PixelAt(*b, corner), kFace) << "style " << style;
    b->SetFocus();
    b->Invalidate();
    // The dotted line inverts every other pixel: the face turns to its inverse at the corner.
    EXPECT_EQ(PixelAt(*b, corner), Rgb(255 - 212, 255 - 208, 255 - 200)) << "style " << style;
    b->Destroy();
  }
}

TEST_F(ButtonPixels, CaptionBlackWhenEnabledGreyWhenDisabled) {
  PushButton* b = Make<PushButton>(BS_PUSHBUTTON, Rect::FromSize(10, 10, 80, 30), "Wide");
  const Rect inside = b->ClientRect().Inflate(-3, -3);
  EXPECT_TRUE(AnyPixel(*b, inside, kBlack));
  b->Enable(false);
  EXPECT_FALSE(AnyPixel(*b, inside, kBlack));
  EXPECT_TRUE(AnyPixel(*b, inside, syscolor::kGrayText));
}

// The first and last rows of `area` that hold a pixel of colour c; {-1, -1} when none does.
std::pair<int, int> RowsWith(HeadlessBackend& backend, const Window& w, const Rect& area, ColorRef c) {
  WindowSystem::Get().UpdateAll();
  int first = -1;
  int last = -1;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (backend.ClientPixel(w, {x, y}) == c) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

std::pair<int, int> ColumnsWith(HeadlessBackend& backend, const Window& w, const Rect& area, ColorRef c) {
  WindowSystem::Get().UpdateAll();
  int first = -1;
  int last = -1;
  for (int x = area.left; x < area.right; ++x)
    for (int y = area.top; y < area.bottom; ++y)
      if (backend.ClientPixel(w, {x, y}) == c) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

TEST_F(ButtonPixels, MultiLineCaptionWrapsAndIsPlacedByStyles) {
  const Rect rect = Rect::FromSize(10, 10, 60, 80);
  const Rect inside{3, 3, 57, 77};
  const int line = Font::DefaultGui()->Height();
  PushButton* one = Make<PushButton>(BS_PUSHBUTTON, rect, "aaa bbb ccc");
  const auto [one_top, one_bottom] = RowsWith(*backend_, *one, inside, kBlack);
  EXPECT_LT(one_bottom - one_top, line);
  one->Destroy();

  struct Case {
    std::uint32_t valign;
    const char* name;
  };
  int tops[3] = {};
  const Case cases[] = {{BS_TOP, "top"}, {BS_VCENTER, "middle"}, {BS_BOTTOM, "bottom"}};
  for (int i = 0; i < 3; ++i) {
    PushButton* b = Make<PushButton>(Styles(BS_MULTILINE, cases[i].valign), rect, "aaa bbb ccc");
    const auto [top, bottom] = RowsWith(*backend_, *b, inside, kBlack);
    EXPECT_GT(bottom - top, line) << cases[i].name;  // more than one line
    tops[i] = top;
    b->Destroy();
  }
  EXPECT_LT(tops[0], tops[1]);
  EXPECT_LT(tops[1], tops[2]);
}

TEST_F(ButtonPixels, CaptionPlacedAcrossByStyles) {
  struct Case {
    std::uint32_t halign;
    bool near_left;
    bool near_right;
  };
  const Case cases[] = {{BS_LEFT, true, false}, {BS_RIGHT, false, true}, {BS_CENTER, false, false}};
  for (const Case& c : cases) {
    PushButton* b = Make<PushButton>(c.halign, Rect::FromSize(10, 10, 120, 30), "ab");
    const auto [left, right] = ColumnsWith(*backend_, *b, {3, 3, 117, 27}, kBlack);
    EXPECT_EQ(left < 10, c.near_left) << "align " << c.halign;
    EXPECT_EQ(right > 110, c.near_right) << "align " << c.halign;
    b->Destroy();
  }
}

TEST_F(ButtonPixels, BitmapDrawnInsteadOfCaptionAndShiftedWhenPushed) {
  PushButton* b = Make<PushButton>(Styles(BS_PUSHBUTTON, BS_BITMAP), Rect::FromSize(10, 10, 80, 40), "Wide");
  {
    const Picture red = SolidPicture(20, 10, Rgb(255, 0, 0));
    b->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<std::intptr_t>(&red));
  }  // the button keeps its own copy
  // Centred: columns 30..49, rows 15..24.
  EXPECT_EQ(PixelAt(*b, {30, 15}), Rgb(255, 0, 0));
  EXPECT_EQ(PixelAt(*b, {29, 15}), kFace);
  EXPECT_FALSE(AnyPixel(*b, b->ClientRect().Inflate(-3, -3), kBlack));  // no caption
  b->SetPushed(true);
  EXPECT_EQ(PixelAt(*b, {30, 15}), kFace);
  EXPECT_EQ(PixelAt(*b, {31, 16}), Rgb(255, 0, 0));
  b->SetPushed(false);
  b->Enable(false);
  EXPECT_FALSE(AnyPixel(*b, b->ClientRect(), Rgb(255, 0, 0)));
}

TEST_F(ButtonPixels, BitmapAlignedByStyles) {
  struct Case {
    std::uint32_t align;
    Point red;
  };
  // 80 x 40 button: the area inside the edges runs from 2 to 78 across and 2 to 38 down.
  const Case cases[] = {{Styles(BS_LEFT, BS_TOP), {2, 2}}, {Styles(BS_RIGHT, BS_BOTTOM), {77, 37}},
                        {Styles(BS_LEFT, BS_BOTTOM), {2, 37}}};
  for (const Case& c : cases) {
    PushButton* b = Make<PushButton>(Styles(BS_BITMAP, c.align), Rect::FromSize(10, 10, 80, 40), "");
    const Picture red = SolidPicture(4, 4, Rgb(255, 0, 0));
    b->SetImage(&red);
    EXPECT_EQ(PixelAt(*b, c.red), Rgb(255, 0, 0)) << "align " << c.align;
    b->Destroy();
  }
}

TEST_F(ButtonPixels, LargePictureIsCutInsideTheEdges) {
  PushButton* b = Make<PushButton>(Styles(BS_DEFPUSHBUTTON, BS_BITMAP), Rect::FromSize(10, 10, 72, 63), "");
  const Picture big = SolidPicture(80, 70, Rgb(0, 0, 255));
  b->SetImage(&big);
  EXPECT_EQ(PixelAt(*b, {0, 0}), kBlack);
  EXPECT_EQ(PixelAt(*b, {1, 1}), kWhite);
  EXPECT_EQ(PixelAt(*b, {36, 31}), Rgb(0, 0, 255));
}

class CheckPixels : public ControlsTest {
 protected:
  // A pixel of the mark box, relative to its top-left corner.
  ColorRef MarkPixel(CheckableButton* c, Point p) { return PixelAt(*c, c->MarkRect().TopLeft() + p); }
};

TEST_F(CheckPixels, CheckMarkOnlyWhenChecked) {
  CheckBox* box = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 10, 120, 20), "box");
  // The tick's lowest point is column 5 of the box, rows 7 to 9; its right arm ends at row 3.
  EXPECT_EQ(MarkPixel(box, {5, 8}), kWhite);
  EXPECT_EQ(MarkPixel(box, {9, 4}), kWhite);
  box->SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(MarkPixel(box, {5, 8}), kBlack);
  EXPECT_EQ(MarkPixel(box, {9, 4}), kBlack);
  // The sunken box around it.
  EXPECT_EQ(MarkPixel(box, {0, 0}), syscolor::kButtonShadow);
  EXPECT_EQ(MarkPixel(box, {1, 1}), syscolor::kDarkShadow);
  EXPECT_EQ(MarkPixel(box, {12, 12}), kWhite);
}

TEST_F(CheckPixels, MarkCentredVerticallyByDefaultAndByStyles) {
  struct Case {
    std::uint32_t valign;
    int want_top;
  };
  const Case cases[] = {{0, (30 - 13) / 2}, {BS_TOP, 0}, {BS_BOTTOM, 30 - 13}, {BS_VCENTER, (30 - 13) / 2}};
  for (const Case& c : cases) {
    CheckBox* box = Make<CheckBox>(Styles(BS_AUTOCHECKBOX, c.valign), Rect::FromSize(10, 10, 120, 30), "box");
    EXPECT_EQ(box->MarkRect().top, c.want_top) << "valign " << c.valign;
    EXPECT_EQ(MarkPixel(box, {0, 0}), syscolor::kButtonShadow) << "valign " << c.valign;
    box->Destroy();
  }
}

TEST_F(CheckPixels, LeftTextPutsMarkOnTheRight) {
  CheckBox* box = Make<CheckBox>(Styles(BS_AUTOCHECKBOX, BS_LEFTTEXT), Rect::FromSize(10, 10, 120, 20), "box");
  EXPECT_EQ(box->MarkRect().left, 120 - kCheckMarkSize);
  EXPECT_EQ(MarkPixel(box, {0, 0}), syscolor::kButtonShadow);
  EXPECT_LT(box->CaptionArea().right, box->MarkRect().left);
}

TEST_F(CheckPixels, PressedMarkTurnsToFace) {
  CheckBox* box = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 10, 120, 20), "box");
  backend_->MouseDown(box, {5, 10});
  Pump();
  EXPECT_EQ(MarkPixel(box, {3, 3}), kFace);
}

TEST_F(CheckPixels, RadioDotOnlyWhenChecked) {
  RadioButton* radio = Make<RadioButton>(BS_AUTORADIOBUTTON, Rect::FromSize(10, 10, 120, 20), "radio");
  EXPECT_EQ(MarkPixel(radio, {5, 5}), kWhite);
  radio->SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(MarkPixel(radio, {5, 5}), kBlack);
  EXPECT_EQ(MarkPixel(radio, {6, 6}), kBlack);
  // The round rim: shadow at the top, highlight at the bottom, nothing in the corners.
  EXPECT_EQ(MarkPixel(radio, {5, 0}), syscolor::kButtonShadow);
  EXPECT_EQ(MarkPixel(radio, {5, 11}), kWhite);
  EXPECT_EQ(MarkPixel(radio, {0, 0}), kFace);
}

class ColouredCheckBox : public CheckBox {
 public:
  void GetControlColors(ColorRef& text, ColorRef& background) override {
    text = Rgb(255, 0, 0);
    background = Rgb(0, 0, 255);
  }
};

TEST_F(CheckPixels, ColoursComeFromTheControl) {
  CheckBox* plain = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 10, 120, 20), "Wide");
  ColouredCheckBox* coloured = Make<ColouredCheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 40, 120, 20), "Wide");
  EXPECT_EQ(PixelAt(*plain, {119, 0}), kFace);
  EXPECT_TRUE(AnyPixel(*plain, plain->CaptionArea(), kBlack));
  EXPECT_EQ(PixelAt(*coloured, {119, 0}), Rgb(0, 0, 255));
  EXPECT_TRUE(AnyPixel(*coloured, coloured->CaptionArea(), Rgb(255, 0, 0)));
  EXPECT_FALSE(AnyPixel(*coloured, coloured->CaptionArea(), kBlack));
}

TEST_F(CheckPixels, CaptionStartsBesideTheMarkOrSitsRight) {
  CheckBox* left = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 10, 150, 20), "ab");
  CheckBox* right = Make<CheckBox>(Styles(BS_AUTOCHECKBOX, BS_RIGHT), Rect::FromSize(10, 40, 150, 20), "ab");
  const auto [left_first, left_last] = ColumnsWith(*backend_, *left, {14, 0, 150, 20}, kBlack);
  const auto [right_first, right_last] = ColumnsWith(*backend_, *right, {14, 0, 150, 20}, kBlack);
  EXPECT_LT(left_first, kCheckMarkSize + kMarkGap + 4);
  EXPECT_GT(right_last, 140);
  EXPECT_GT(right_first, left_last);
}

TEST_F(CheckPixels, FocusRectangleAroundTheCaption) {
  CheckBox* box = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 10, 150, 24), "Wide");
  const Rect area = box->CaptionArea();
  const auto inverted = Rgb(255 - 212, 255 - 208, 255 - 200);
  EXPECT_FALSE(AnyPixel(*box, area, inverted));
  box->SetFocus();
  box->Invalidate();
  EXPECT_TRUE(AnyPixel(*box, area, inverted));
  // Around the caption only: the far right of the control stays plain.
  EXPECT_FALSE(AnyPixel(*box, {area.right - 20, 0, area.right, 24}, inverted));
}

TEST_F(CheckPixels, PushLikeLooksPressedWhileChecked) {
  CheckBox* box = Make<CheckBox>(Styles(BS_AUTOCHECKBOX, BS_PUSHLIKE), Rect::FromSize(10, 10, 80, 30), "");
  EXPECT_EQ(PixelAt(*box, {0, 0}), kWhite);  // raised
  box->SendMessage(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(PixelAt(*box, {0, 0}), syscolor::kButtonShadow);  // sunken
  EXPECT_TRUE(AnyPixel(*box, {2, 2, 78, 28}, kWhite));         // the checked face's pattern
}

TEST_F(CheckPixels, FlatMarkHasOneLineFrame) {
  CheckBox* box = Make<CheckBox>(Styles(BS_AUTOCHECKBOX, BS_FLAT), Rect::FromSize(10, 10, 120, 20), "box");
  EXPECT_EQ(MarkPixel(box, {0, 0}), syscolor::kButtonShadow);
  EXPECT_EQ(MarkPixel(box, {1, 1}), kWhite);
  EXPECT_EQ(MarkPixel(box, {12, 12}), syscolor::kButtonShadow);
}

TEST_F(CheckPixels, DisabledMarkAndTickAreGrey) {
  CheckBox* box = Make<CheckBox>(BS_AUTOCHECKBOX, Rect::FromSize(10, 10, 120, 20), "Wide");
  box->SendMessage(BM_SETCHECK, BST_CHECKED);
  box->Enable(false);
  EXPECT_EQ(MarkPixel(box, {3, 3}), kFace);
  EXPECT_EQ(MarkPixel(box, {5, 8}), syscolor::kGrayText);
  EXPECT_FALSE(AnyPixel(*box, box->CaptionArea(), kBlack));
}

}  // namespace
}  // namespace controls_test
