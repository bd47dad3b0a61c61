// The controls of this unit as the running window shows them: pixels at known places of labels,
// hyperlink boxes, check marks, keyword boxes and picture buttons, and the hyperlink boxes' open.
#include <gtest/gtest.h>

#include "desktop/controls/checkable_button.h"
#include "desktop/controls/push_button.h"
#include "kind_fixture.h"
#include "program_fixture.h"
#include "ui/edit_box.h"
#include "ui/hyperlinker.h"
#include "ui/label.h"

namespace kinds_test {
namespace {

using namespace desktop;

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kDarkRed = Rgb(128, 0, 0);
constexpr ColorRef kNavy = Rgb(10, 36, 106);

class WindowLook : public ProgramTest {
 protected:
  ColorRef PixelAt(const Window& w, Point client) {
    WindowSystem::Get().UpdateAll();
    return backend_->ClientPixel(w, client);
  }
  bool AnyPixel(const Window& w, const Rect& area, ColorRef c) {
    WindowSystem::Get().UpdateAll();
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (backend_->ClientPixel(w, {x, y}) == c) return true;
    return false;
  }
  int CountPixels(const Window& w, ColorRef c) {
    WindowSystem::Get().UpdateAll();
    int n = 0;
    const Rect r = w.ClientRect();
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += backend_->ClientPixel(w, {x, y}) == c;
    return n;
  }
};

TEST_F(WindowLook, LabelsShowBlackTextOnWhite) {
  struct Case {
    int page;
    const char* name;
  };
  const Case cases[] = {{1, "标签1"}, {2, "标签2"}, {2, "标签3"}, {2, "标签4"},
                        {3, "标签5"}, {3, "标签12"}, {3, "标签13"}};
  for (const Case& c : cases) {
    ShowPage(c.page);
    Window& label = WindowOf(c.name);
    ASSERT_NE(dynamic_cast<ui::LabelWindow*>(&label), nullptr) << c.name;
    const Rect client = label.ClientRect();
    EXPECT_EQ(PixelAt(label, {client.right - 1, 0}), kWhite) << c.name;  // 标签4 runs past the window's lower edge
    EXPECT_GT(CountPixels(label, kBlack), 50) << c.name;
  }
}

TEST_F(WindowLook, HelpTextOfPageOneStartsEachOfItsFiveLinesOnANewLine) {
  Window& label = WindowOf("标签1");
  WindowSystem::Get().UpdateAll();
  // The first column of text: each of the five paragraphs begins at the left edge.
  int starts = 0;
  bool in_run = false;
  for (int y = 0; y < label.ClientRect().bottom; ++y) {
    bool ink = false;
    for (int x = 0; x < 20; ++x) ink = ink || backend_->ClientPixel(label, {x, y}) != kWhite;
    if (ink && !in_run) ++starts;
    in_run = ink;
  }
  EXPECT_GE(starts, 5);
}

TEST_F(WindowLook, SunkenEdgeAroundTheHelpText) {
  Window& label = WindowOf("标签1");
  EXPECT_NE(label.ExStyle() & WS_EX_CLIENTEDGE, 0u);
  EXPECT_EQ(label.ClientRect(), Rect::FromSize(0, 0, 604, 127));
  EXPECT_EQ(WindowOf("标签2").ClientRect(), Rect::FromSize(0, 0, 240, 80));
}

TEST_F(WindowLook, HyperlinkBoxesBlueThenNavyUnderThePointerThenDarkRedOnceOpened) {
  Window& link = WindowOf("超级链接框1");
  EXPECT_GT(CountPixels(link, kBlue), 20);
  EXPECT_EQ(PixelAt(link, {1, 1}), kWhite);

  const Point centre{link.ClientRect().Width() / 2, link.ClientRect().Height() / 2};
  backend_->MoveMouse(&link, centre);
  Pump();
  EXPECT_EQ(CountPixels(link, kBlue), 0);
  EXPECT_GT(CountPixels(link, kNavy), 20);

  backend_->MouseDown(&link, centre);
  Pump();
  ASSERT_EQ(HandOvers().size(), 1u);
  EXPECT_EQ(HandOvers()[0].rfind("openlink http://", 0), 0u) << HandOvers()[0];
  backend_->MouseUp(&link, centre);
  backend_->MoveMouse(&WindowOf("标签1"), {5, 5});
  Pump();
  EXPECT_GT(CountPixels(link, kDarkRed), 20);
  EXPECT_EQ(CountPixels(link, kNavy), 0);
  // Its neighbour was never opened.
  EXPECT_GT(CountPixels(WindowOf("超级链接框2"), kBlue), 20);
  EXPECT_EQ(FocusName(), "编辑框1") << "a hyperlink box takes no focus";
}

TEST_F(WindowLook, EveryHyperlinkBoxOpensItsOwnAddress) {
  std::vector<std::string> opened;
  for (int page : {1, 3}) {
    ShowPage(page);
    for (int i = 1; i <= 18; ++i) {
      ui::Control& control = Named("超级链接框" + std::to_string(i));
      if (!control.window->IsShown()) continue;
      ClearHandOvers();
      backend_->MouseDown(control.window, {5, 5});
      backend_->MouseUp(control.window, {5, 5});
      Pump();
      backend_->AdvanceClock(1000);
      ASSERT_EQ(HandOvers().size(), 1u) << i;
      opened.push_back(HandOvers()[0]);
      auto* box = dynamic_cast<ui::HyperLinker*>(control.window);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(HandOvers()[0], "openlink " + box->Data().web_address) << i;
      EXPECT_TRUE(box->Visited()) << i;
    }
  }
  EXPECT_EQ(opened.size(), 18u);
}

TEST_F(WindowLook, CheckMarkOfTheFirstFilterAndOfTheFirstSortOrder) {
  for (const char* name : {"选择框1", "单选框1"}) {
    auto* control = dynamic_cast<CheckableButton*>(&WindowOf(name));
    ASSERT_NE(control, nullptr) << name;
    const Rect mark = control->MarkRect();
    const Rect middle{mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3};
    EXPECT_TRUE(AnyPixel(*control, middle, kBlack)) << name;
    EXPECT_EQ(PixelAt(*control, {control->ClientRect().right - 1, 0}), kWhite) << name;
  }
  for (const char* name : {"选择框2", "单选框2"}) {
    auto* control = dynamic_cast<CheckableButton*>(&WindowOf(name));
    ASSERT_NE(control, nullptr) << name;
    const Rect mark = control->MarkRect();
    const Rect middle{mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3};
    EXPECT_FALSE(AnyPixel(*control, middle, kBlack)) << name;
  }
}

TEST_F(WindowLook, KeywordBoxesHaveTheirBandInTheMiddle) {
  for (int page : {1, 2, 3}) {
    ShowPage(page);
    auto* box = dynamic_cast<ui::EditBox*>(&WindowOf("编辑框" + std::to_string(page)));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->WindowRect().Height(), 32);
    const Rect band = box->ClientInWindow();
    EXPECT_GT(band.top, 2);
    EXPECT_LT(band.bottom, 30);
    EXPECT_LE(std::abs((band.top - 2) - (30 - band.bottom)), 1);
  }
}

TEST_F(WindowLook, PictureButtonsShowTheirPicturesAndNotTheirCaptions) {
  struct Case {
    int page;
    const char* name;
    bool is_default;
  };
  const Case cases[] = {{1, "按钮1", false}, {1, "按钮2", true}, {2, "按钮3", true}, {2, "按钮5", false},
                        {2, "按钮6", false}, {3, "按钮4", true},  {3, "按钮7", false}, {3, "按钮8", false}};
  for (const Case& c : cases) {
    ShowPage(c.page);
    auto* button = dynamic_cast<PushButton*>(&WindowOf(c.name));
    ASSERT_NE(button, nullptr) << c.name;
    EXPECT_TRUE(button->ShowsImage()) << c.name;
    EXPECT_NE(button->Style() & BS_BITMAP, 0u) << c.name;
    EXPECT_EQ(button->IsDefault(), c.is_default) << c.name;
  }
}

}  // namespace
}  // namespace kinds_test
