#include "desktop/controls/message_box.h"

#include <algorithm>

#include "desktop/controls/stop_icon.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

constexpr int kMargin = 12;
constexpr Size kButtonSize{75, 23};
constexpr const char* kOkText = "\xC8\xB7\xB6\xA8";  // 确定
constexpr Size kFallbackScreen{1024, 768};

}  // namespace

MessageBoxLayout LayOutMessageBox(const std::string& text_gbk, const Font& font, bool with_icon, int max_text_width) {
  Rect calc{0, 0, std::max(1, max_text_width), 0};
  DrawTextLayout(nullptr, font, text_gbk, calc, MessageBoxWindow::kTextFlags | DT_CALCRECT, 0);
  const int text_width = std::max(0, calc.Width());
  const int text_height = std::max(font.Height(), calc.Height());

  MessageBoxLayout layout;
  int text_left = kMargin;
  int content_height = text_height;
  int text_top = kMargin;
  if (with_icon) {
    layout.icon = Rect::FromSize(kMargin, kMargin, kStopIconSize, kStopIconSize);
    text_left = layout.icon.right + kMargin;
    content_height = std::max(kStopIconSize, text_height);
    // A short text stands level with the middle of the icon.
    if (text_height < kStopIconSize) text_top += (kStopIconSize - text_height) / 2;
  }
  layout.text = Rect::FromSize(text_left, text_top, text_width, text_height);
  const int width = std::max(layout.text.right + kMargin, kButtonSize.width + 4 * kMargin);
  const int button_top = kMargin + content_height + kMargin;
  layout.button = Rect::FromSize((width - kButtonSize.width) / 2, button_top, kButtonSize.width, kButtonSize.height);
  layout.client = {width, layout.button.bottom + kMargin};
  return layout;
}

MessageBoxWindow::MessageBoxWindow(std::string text_gbk, unsigned type, int* result)
    : text_(std::move(text_gbk)), type_(type), result_(result) {
  WindowSystem& system = WindowSystem::Get();
  const Size screen = system.HasBackend() ? system.GetBackend().ScreenSize() : kFallbackScreen;
  const int max_text_width = std::max(200, screen.width * 3 / 4 - 4 * kMargin - kStopIconSize);
  layout_ = LayOutMessageBox(text_, *Font::DefaultGui(), (type_ & MB_ICONMASK) == MB_ICONERROR, max_text_width);
}

const WindowClass& MessageBoxWindow::Class() const {
  static const WindowClass kClass{.name = "#32770", .cursor = CursorShape::Arrow};
  return kClass;
}

bool MessageBoxWindow::OnCreate() {
  ok_ = Window::CreateAs(std::make_unique<PushButton>(), this, layout_.button,
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, kOkText, IDOK);
  return ok_ != nullptr;
}

void MessageBoxWindow::OnPaint(Canvas& canvas, const Region& update) {
  (void)update;
  canvas.FillRect(ClientRect(), syscolor::kButtonFace);
  if (!layout_.icon.IsEmpty()) DrawStopIcon(canvas, layout_.icon.TopLeft());
  Rect text = layout_.text;
  DrawTextLayout(&canvas, *GetFont(), text_, text, kTextFlags, syscolor::kWindowText);
}

bool MessageBoxWindow::PreTranslateKey(const KeyEvent& key, Window* target) {
  switch (key.vk) {
    case VK_RETURN:
    case VK_ESCAPE:
      Finish(IDOK);
      return true;
    case VK_SPACE:
      // On the OK button the space bar presses it and its release clicks it.
      if (target == ok_) return false;
      Finish(IDOK);
      return true;
    default:
      return false;
  }
}

void MessageBoxWindow::OnCommand(Window* control, int notification) {
  if (control == ok_ && notification == BN_CLICKED) Finish(IDOK);
}

void MessageBoxWindow::OnClose() { Finish(IDOK); }

void MessageBoxWindow::Finish(int result) {
  if (finished_) return;
  finished_ = true;
  if (result_) *result_ = result;
  Destroy();
}

int ShowMessageBox(Window* owner, const std::string& text_gbk, const std::string& caption_gbk, unsigned type) {
  WindowSystem& system = WindowSystem::Get();
  if (!system.HasBackend()) return 0;
  int result = 0;
  auto box = std::make_unique<MessageBoxWindow>(text_gbk, type, &result);
  const Size client = box->Layout().client;
  MessageBoxWindow* window =
      Window::CreateAs(std::move(box), nullptr, Rect::FromSize(0, 0, client.width, client.height),
                       WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, caption_gbk, 0);
  if (!window) return 0;
  // The frame comes on top of the client area; then the box goes to the middle of the screen.
  const int width = client.width + window->WindowRect().Width() - window->ClientRect().Width();
  const int height = client.height + window->WindowRect().Height() - window->ClientRect().Height();
  const Size screen = system.GetBackend().ScreenSize();
  window->Move(Rect::FromSize((screen.width - width) / 2, (screen.height - height) / 2, width, height), false);

  Window* owner_top = owner ? owner->TopLevel() : nullptr;
  if (owner_top) window->SetOwner(owner_top);
  const bool disable_owner = owner_top && owner_top->IsEnabled();
  if (disable_owner) owner_top->Enable(false);
  window->ShowWindow(SW_SHOW);
  window->OkButton()->SetFocus();
  system.RunModal(window);
  // The loop also ends when the program is quitting: the box does not stay behind.
  if (window->IsAlive()) window->Destroy();
  if (disable_owner && owner_top->IsAlive()) owner_top->Enable(true);
  return result;
}

}  // namespace desktop
