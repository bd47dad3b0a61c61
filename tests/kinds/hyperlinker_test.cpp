// Hyperlink boxes: the caption (or the address) centred on the background, its colour by hover
// and visited, the hand cursor, pointer tracking with capture, and the open at the left press.
#include <gtest/gtest.h>

#include "kind_fixture.h"
#include "ui/hyperlinker.h"

namespace kinds_test {
namespace {

namespace d = ui::description;

constexpr ColorRef kBlue = 0x00FF0000;      // normal
constexpr ColorRef kDarkRed = 0x00000080;   // visited
constexpr ColorRef kNavy = 0x006A240A;      // hover
constexpr ColorRef kWhite = 0x00FFFFFF;
constexpr char kAddress[] = "http://www.example.com/shop?x=1";

// The settings of the window's eighteen boxes.
d::HyperLinkerData WindowLink(std::string_view caption_utf8) {
  d::HyperLinkerData data;
  data.link_kind = 1;
  data.normal_colour = kBlue;
  data.visited_colour = kDarkRed;
  data.hover_colour = kNavy;
  data.background_colour = kWhite;
  data.border = 4;
  data.caption = Gbk(caption_utf8);
  data.web_address = kAddress;
  return data;
}

class HyperLinkerTest : public KindTest {
 protected:
  void SetUp() override {
    KindTest::SetUp();
    link_ = CreateAs<ui::HyperLinker>(WindowLink("女人频道"), Rect::FromSize(118, 320, 88, 30));
    ASSERT_NE(link_, nullptr);
  }
  Point Centre() const { return {link_->ClientRect().Width() / 2, link_->ClientRect().Height() / 2}; }
  // Whether the caption shows in colour `c`, and in no other of the three.
  void ExpectCaptionColour(ColorRef c, const char* when) {
    for (ColorRef other : {kBlue, kDarkRed, kNavy})
      EXPECT_EQ(AnyPixel(*link_, link_->ClientRect(), other), other == c) << when << ", colour " << std::hex << other;
  }
  void MoveOutside() {
    backend_->MoveMouse(host_, {5, 5});
    Pump();
  }
  ui::HyperLinker* link_ = nullptr;
};

TEST_F(HyperLinkerTest, FramedBoxWithItsCaptionCentredInTheNormalColour) {
  // Border 4: the raised double frame around a sunken edge.
  EXPECT_EQ(link_->ClientRect(), Rect::FromSize(0, 0, 88 - 10, 30 - 10));
  EXPECT_EQ(PixelAt(*link_, {0, 0}), kWhite);
  ExpectCaptionColour(kBlue, "at start");
  const Rect ink = InkBounds(*link_, kWhite);
  const Rect client = link_->ClientRect();
  // Centred: as much room on the left as on the right, and above as below, within a few pixels.
  EXPECT_LE(std::abs(ink.left - (client.right - ink.right)), 3);
  EXPECT_LE(std::abs(ink.top - (client.bottom - ink.bottom)), 3);
}

TEST_F(HyperLinkerTest, HoverColourWhileThePointerIsOverItAndBackWhenItLeaves) {
  backend_->MoveMouse(link_, Centre());
  Pump();
  EXPECT_TRUE(link_->Hovered());
  EXPECT_TRUE(link_->HasCapture());
  ExpectCaptionColour(kNavy, "hovered");
  MoveOutside();
  EXPECT_FALSE(link_->Hovered());
  EXPECT_FALSE(link_->HasCapture());
  ExpectCaptionColour(kBlue, "left before any click");
}

TEST_F(HyperLinkerTest, PressOpensAtOnceAndTheCaptionStaysVisitedAfterThePointerLeft) {
  backend_->MouseDown(link_, Centre());
  Pump();
  // Before the release: the address is already handed over, with the show command 5.
  ASSERT_EQ(operations_.ShellOpenedFiles(), std::vector<std::string>{kAddress});
  EXPECT_EQ(operations_.calls.back().show, 5);
  EXPECT_TRUE(link_->Visited());
  ExpectCaptionColour(kNavy, "pressed, pointer still over it");
  // Dragged away and released elsewhere: nothing more opens.
  backend_->MouseUp(host_, {5, 5});
  Pump();
  EXPECT_EQ(operations_.CountCalls(platform::ScriptedPlatformOperations::CallKind::kShellOpen), 1u);
  ExpectCaptionColour(kDarkRed, "visited, pointer gone");
  EXPECT_NE(WindowSystem::Get().Focus(), link_);  // takes no focus
}

TEST_F(HyperLinkerTest, FailedOpenClearsVisitedWithoutRepaintingAtOnce) {
  backend_->MouseDown(link_, Centre());
  backend_->MouseUp(link_, Centre());
  MoveOutside();
  ASSERT_TRUE(link_->Visited());
  ExpectCaptionColour(kDarkRed, "after a good open");

  operations_.shell_result = platform::kFileNotFound;  // and no registry value for the fall-back
  backend_->MoveMouse(link_, Centre());
  Pump();
  WindowSystem::Get().UpdateAll();
  backend_->MouseDown(link_, Centre());
  Pump();
  EXPECT_FALSE(link_->Visited());
  ExpectCaptionColour(kNavy, "the repaint of the hover stays");  // no repaint was asked for
  MoveOutside();
  ExpectCaptionColour(kBlue, "next repaint after the failed open");
}

TEST_F(HyperLinkerTest, CaptureTakenAwayWhileOverItIsTakenBack) {
  backend_->MoveMouse(link_, Centre());
  Pump();
  WindowSystem::Get().SetCapture(host_);
  ASSERT_FALSE(link_->HasCapture());
  // The host holds the mouse, so moves go there; the box hears the next one after a release.
  WindowSystem::Get().ReleaseCapture();
  backend_->MoveMouse(link_, {Centre().x + 1, Centre().y});
  Pump();
  EXPECT_TRUE(link_->Hovered());
  EXPECT_TRUE(link_->HasCapture());
}

TEST_F(HyperLinkerTest, HandCursorOverTheBox) {
  EXPECT_EQ(link_->Class().cursor, CursorShape::Hand);
  backend_->MoveMouse(link_, Centre());
  Pump();
  EXPECT_EQ(link_->OnSetCursor(HTCLIENT), CursorShape::Hand);
}

TEST_F(HyperLinkerTest, RightPressOpensNothing) {
  backend_->MouseDown(link_, Centre(), MouseButton::Right);
  Pump();
  EXPECT_TRUE(operations_.ShellOpenedFiles().empty());
  EXPECT_FALSE(link_->Visited());
}

using HyperLinkerKind = KindTest;

TEST_F(HyperLinkerKind, ShownTextIsTheCaptionElseTheAddressOfItsKind) {
  struct Case {
    std::uint32_t link_kind;
    const char* caption;
    const char* expected;
  };
  const Case cases[] = {
      {1, "图  书", "图  书"},
      {1, "", "http://web.example/"},
      {7, "", "http://web.example/"},
      {0, "", "someone@example.com"},
      {0, "促  销", "促  销"},
  };
  for (const Case& c : cases) {
    d::HyperLinkerData data = WindowLink(c.caption);
    data.link_kind = c.link_kind;
    data.web_address = "http://web.example/";
    data.email_address = "someone@example.com";
    auto* link = CreateAs<ui::HyperLinker>(data, Rect::FromSize(10, 10, 200, 30));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->ShownText(), Gbk(c.expected));
    EXPECT_EQ(link->Text(), Gbk(c.caption));
    EXPECT_TRUE(AnyPixel(*link, link->ClientRect(), kBlue)) << c.expected;
    link->Destroy();
  }
}

TEST_F(HyperLinkerKind, DefaultBackgroundValueIsTheButtonFace) {
  d::HyperLinkerData data = WindowLink("排行榜");
  data.background_colour = kDefaultBackground;
  data.border = 0;
  auto* link = CreateAs<ui::HyperLinker>(data, Rect::FromSize(10, 10, 80, 30));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(PixelAt(*link, {0, 0}), syscolor::kButtonFace);
}

TEST_F(HyperLinkerKind, AmpersandIsDrawnAsItIs) {
  d::HyperLinkerData with = WindowLink("&&");
  d::HyperLinkerData single = WindowLink("&");
  auto* a = CreateAs<ui::HyperLinker>(with, Rect::FromSize(10, 10, 80, 30));
  auto* b = CreateAs<ui::HyperLinker>(single, Rect::FromSize(10, 50, 80, 30));
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  // Two "&" are twice as wide as one: no mnemonic handling folds them into one.
  EXPECT_GT(InkBounds(*a, kWhite).Width(), InkBounds(*b, kWhite).Width() + 2);
}

TEST_F(HyperLinkerKind, MailLinkOpensItsMailAddress) {
  d::HyperLinkerData data = WindowLink("mail");
  data.link_kind = 0;
  data.email_address = "shop@example.com";
  auto* link = CreateAs<ui::HyperLinker>(data, Rect::FromSize(10, 10, 80, 30));
  ASSERT_NE(link, nullptr);
  backend_->MouseDown(link, {10, 10});
  Pump();
  ASSERT_EQ(operations_.ShellOpenedFiles().size(), 1u);
  EXPECT_NE(operations_.ShellOpenedFiles()[0].find("shop@example.com"), std::string::npos);
}

}  // namespace
}  // namespace kinds_test
