#include "ui/tab_hint.h"

#include <algorithm>
#include <memory>

#include "desktop/text/font.h"
#include "desktop/window/window.h"
#include "desktop/window/window_system.h"

namespace ui {

using namespace desktop;

namespace {

constexpr int kPaddingX = 3;
constexpr int kPaddingY = 2;

class HintPopup : public Window {
 public:
  explicit HintPopup(TabHint* hint) : hint_(hint) {}
  const WindowClass& Class() const override {
    static const WindowClass kClass{.name = "ShopAssistHint", .cursor = CursorShape::Arrow};
    return kClass;
  }
  void OnPaint(Canvas& canvas, const Region& update) override {
    if (update.IsEmpty()) return;
    canvas.FillRect(ClientRect(), syscolor::kInfoBackground);
    GetFont()->Draw(canvas, {kPaddingX, kPaddingY}, Text(), syscolor::kInfoText);
  }
  // The pointer passes through a hint to what lies below it.
  int OnNcHitTest(Point) override { return HTTRANSPARENT; }
  void OnDestroy() override {
    if (hint_ != nullptr) hint_->PopupDestroyed();
  }

 private:
  TabHint* hint_;
};

Size ScreenSize() {
  WindowSystem& ws = WindowSystem::Get();
  return ws.HasBackend() ? ws.GetBackend().ScreenSize() : Size{1024, 768};
}

}  // namespace

TabHint::~TabHint() { Close(); }

void TabHint::Show(const std::string& text_gbk, Point screen) {
  if (popup_ == nullptr || !popup_->IsAlive()) {
    popup_ = Window::Create(std::make_unique<HintPopup>(this), nullptr, {0, 0, 1, 1}, WS_POPUP | WS_BORDER,
                            WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, {}, 0);
    if (popup_ == nullptr) return;
  }
  text_ = text_gbk;
  popup_->SetText(text_gbk);
  const Size text = popup_->GetFont()->Measure(text_gbk);
  const Rect frame = popup_->WindowRect();
  const Rect client = popup_->ClientInWindow();
  const int width = text.width + 2 * kPaddingX + (frame.Width() - client.Width());
  const int height = text.height + 2 * kPaddingY + (frame.Height() - client.Height());
  const Size screen_size = ScreenSize();
  const int x = std::max(0, std::min(screen.x, screen_size.width - width));
  const int y = std::max(0, std::min(screen.y, screen_size.height - height));
  popup_->Move(Rect::FromSize(x, y, width, height));
  popup_->ShowWindow(SW_SHOWNA);
}

void TabHint::Hide() {
  if (popup_ != nullptr && popup_->IsAlive() && popup_->IsVisibleFlag()) popup_->ShowWindow(SW_HIDE);
}

bool TabHint::IsShown() const { return popup_ != nullptr && popup_->IsAlive() && popup_->IsVisibleFlag(); }

Point TabHint::Position() const {
  if (!IsShown()) return {};
  return popup_->WindowRect().TopLeft();
}

void TabHint::Close() {
  Window* popup = popup_;
  popup_ = nullptr;
  if (popup != nullptr && popup->IsAlive()) popup->Destroy();
}

}  // namespace ui
