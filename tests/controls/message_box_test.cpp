// The message box: its layout, its look (caption, stop icon, text, default OK button), centred on
// the screen, modal, and closed by Enter, Space, Esc, the OK button or the close button.
#include "desktop/controls/message_box.h"

#include <functional>

#include "desktop/controls/stop_icon.h"
#include "desktop/text/gbk.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

// "运行时出错!" CR LF CR LF "错误信息：" "x" CR LF, and the caption "错误".
const std::string kText = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBAx\r\n";
const std::string kCaption = "\xB4\xED\xCE\xF3";

TEST(MessageBoxLayoutTest, IconTextAndButtonPlaces) {
  const auto font = Font::DefaultGui();
  const MessageBoxLayout with_icon = LayOutMessageBox(kText, *font, true, 600);
  EXPECT_EQ(with_icon.icon.GetSize(), (Size{kStopIconSize, kStopIconSize}));
  EXPECT_GT(with_icon.text.left, with_icon.icon.right);
  EXPECT_GE(with_icon.text.Height(), 3 * font->Height());  // three lines and an empty one
  EXPECT_GT(with_icon.button.top, std::max(with_icon.icon.bottom, with_icon.text.bottom));
  EXPECT_EQ(with_icon.button.GetSize(), (Size{75, 23}));
  EXPECT_LE(std::abs(with_icon.button.left - (with_icon.client.width - with_icon.button.right)), 1);
  EXPECT_GT(with_icon.client.width, with_icon.text.right);
  EXPECT_GT(with_icon.client.height, with_icon.button.bottom);

  const MessageBoxLayout plain = LayOutMessageBox(kText, *font, false, 600);
  EXPECT_TRUE(plain.icon.IsEmpty());
  EXPECT_LT(plain.text.left, with_icon.text.left);
}

TEST(MessageBoxLayoutTest, LongLineWrapsAtTheWidthGiven) {
  const auto font = Font::DefaultGui();
  std::string long_text;
  for (int i = 0; i < 60; ++i) long_text += "\xB4\xED\xCE\xF3 ";
  const MessageBoxLayout layout = LayOutMessageBox(long_text, *font, true, 300);
  EXPECT_LE(layout.text.Width(), 300);
  EXPECT_GT(layout.text.Height(), font->Height());
}

class MessageBoxRun : public ControlsTest {
 protected:
  using Step = std::function<void(MessageBoxWindow*)>;
  static MessageBoxWindow* OpenBox() {
    for (Window* top : WindowSystem::Get().TopLevels())
      if (auto* box = dynamic_cast<MessageBoxWindow*>(top)) return box;
    return nullptr;
  }
  // Shows the box; each time the modal loop waits, the next step runs with the box that is open.
  int Show(std::vector<Step> steps, Window* owner = nullptr) {
    size_t next = 0;
    backend_->SetFeeder([steps, next]() mutable {
      if (next >= steps.size()) return false;
      steps[next++](OpenBox());
      return true;
    });
    const int result = ShowMessageBox(owner, kText, kCaption, MB_OK | MB_ICONERROR);
    backend_->SetFeeder(nullptr);
    return result;
  }
};

struct CloseCase {
  const char* name;
  std::function<void(HeadlessBackend&, MessageBoxWindow*)> act;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxCloses : public MessageBoxRun, public testing::WithParamInterface<CloseCase> {};

TEST_P(MessageBoxCloses, AndAnswersOk) {
  bool was_open = false;
  const int result = Show({[&](MessageBoxWindow* box) {
    was_open = box != nullptr;
    if (box) GetParam().act(*backend_, box);
  }});
  EXPECT_TRUE(was_open);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(OpenBox(), nullptr);
}

const CloseCase kCloseCases[] = {
    {"Enter", [](HeadlessBackend& b, MessageBoxWindow*) { b.PressKey(VK_RETURN); }},
    {"Space", [](HeadlessBackend& b, MessageBoxWindow*) { b.PressKey(VK_SPACE); }},
    {"Esc", [](HeadlessBackend& b, MessageBoxWindow*) { b.PressKey(VK_ESCAPE); }},
    {"ClickOnOk", [](HeadlessBackend& b, MessageBoxWindow* box) { b.Click(box->OkButton(), {10, 10}); }},
    {"CloseButton", [](HeadlessBackend& b, MessageBoxWindow* box) { b.CloseWindow(box); }},
};

INSTANTIATE_TEST_SUITE_P(Table, MessageBoxCloses, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(MessageBoxRun, OtherKeysAndPressesOutsideTheButtonLeaveItOpen) {
  bool open_after = false;
  Show({[&](MessageBoxWindow* box) {
          backend_->PressKey('A');
          backend_->PressKey(VK_TAB);
          backend_->Click(box, {2, 2});
        },
        [&](MessageBoxWindow* box) {
          open_after = box != nullptr;
          backend_->PressKey(VK_RETURN);
        }});
  EXPECT_TRUE(open_after);
}

TEST_F(MessageBoxRun, LooksAndSitsAsAnErrorBox) {
  std::string title;
  Rect window;
  bool ok_focused = false;
  bool ok_default = false;
  std::string ok_text;
  ColorRef icon_middle = 0;
  ColorRef icon_red = 0;
  bool text_drawn = false;
  Show({[&](MessageBoxWindow* box) {
    title = backend_->Title(box);
    window = box->WindowRect();
    ok_focused = box->OkButton()->HasFocus();
    ok_default = box->OkButton()->IsDefault();
    ok_text = box->OkButton()->Text();
    const Rect icon = box->Layout().icon;
    icon_middle = backend_->ClientPixel(*box, {icon.left + 15, icon.top + 15});
    icon_red = backend_->ClientPixel(*box, {icon.left + 15, icon.top + 5});
    const Rect text = box->Layout().text;
    for (int y = text.top; y < text.bottom && !text_drawn; ++y)
      for (int x = text.left; x < text.right && !text_drawn; ++x)
        text_drawn = backend_->ClientPixel(*box, {x, y}) == Rgb(0, 0, 0);
    backend_->PressKey(VK_RETURN);
  }});
  EXPECT_EQ(title, GbkToUtf8(kCaption));
  EXPECT_TRUE(ok_focused);
  EXPECT_TRUE(ok_default);
  EXPECT_EQ(ok_text, "\xC8\xB7\xB6\xA8");
  EXPECT_EQ(icon_middle, Rgb(255, 255, 255));  // the crossing of the white X
  EXPECT_GT(RedOf(icon_red), 150);             // the red disc above it
  EXPECT_LT(GreenOf(icon_red), 80);
  EXPECT_TRUE(text_drawn);
  // Centred on the 1024 x 768 screen.
  EXPECT_LE(std::abs(window.left - (1024 - window.right)), 1);
  EXPECT_LE(std::abs(window.top - (768 - window.bottom)), 1);
}

TEST_F(MessageBoxRun, OwnerIsDisabledWhileOpen) {
  bool owner_enabled_while_open = true;
  Show({[&](MessageBoxWindow*) {
          owner_enabled_while_open = host_->IsEnabled();
          backend_->PressKey(VK_ESCAPE);
        }},
       host_);
  EXPECT_FALSE(owner_enabled_while_open);
  EXPECT_TRUE(host_->IsEnabled());
}

TEST_F(MessageBoxRun, QuittingProgramTakesTheBoxAway) {
  const int result = Show({[&](MessageBoxWindow*) { WindowSystem::Get().PostQuit(0); }}, host_);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(OpenBox(), nullptr);
  EXPECT_TRUE(host_->IsEnabled());
}

TEST_F(MessageBoxRun, GoesWithItsOwner) {
  Show({[&](MessageBoxWindow*) { host_->Destroy(); }}, host_);
  EXPECT_EQ(OpenBox(), nullptr);
}

TEST(MessageBoxWithoutDesktop, AnswersZero) {
  WindowSystem::Get().Reset();
  EXPECT_EQ(ShowMessageBox(nullptr, "x", "y", MB_OK | MB_ICONERROR), 0);
  EXPECT_FALSE(WindowSystem::Get().HasBackend());
  EXPECT_TRUE(WindowSystem::Get().TopLevels().empty());
}

}  // namespace
}  // namespace controls_test
