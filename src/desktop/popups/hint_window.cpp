#include "desktop/popups/hint_window.h"

#include <algorithm>
#include <memory>
#include <string>

#include "desktop/window/window_system.h"

namespace desktop {

HintWindow* HintWindow::Create(Window* owner) {
  HintWindow* hint = Window::CreateAs(std::make_unique<HintWindow>(), nullptr, {0, 0, 1, 1}, WS_POPUP | WS_BORDER,
                                      WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, {}, 0);
  if (hint != nullptr && owner != nullptr) hint->SetOwner(owner);
  return hint;
}

const WindowClass& HintWindow::Class() const {
  static const WindowClass kClass{.name = "HintWindow",
                                  .cursor = CursorShape::Arrow,
                                  .has_background = true,
                                  .background = syscolor::kInfoBackground};
  return kClass;
}

Size HintWindow::SizeFor(std::string_view text_gbk) const {
  const Font* font = GetFont();
  const Size text = font != nullptr ? font->Measure(text_gbk) : Size{};
  // The frame is the one-pixel black line of WS_BORDER on each side.
  const int frame = 2 * kCxBorder;
  return {text.width + 2 * kHintPaddingX + frame, text.height + 2 * kHintPaddingY + frame};
}

void HintWindow::ShowAt(std::string_view text_gbk, Point screen) {
  if (!IsAlive()) return;
  if (Text() != text_gbk) SetText(std::string(text_gbk));
  const Size size = SizeFor(text_gbk);
  const Size screen_size = WindowSystem::Get().GetBackend().ScreenSize();
  const int x = std::max(0, std::min(screen.x, screen_size.width - size.width));
  const int y = std::max(0, std::min(screen.y, screen_size.height - size.height));
  const Rect place = Rect::FromSize(x, y, size.width, size.height);
  if (place != WindowRect()) Move(place);
  ShowWindow(SW_SHOWNA);
}

void HintWindow::Hide() { ShowWindow(SW_HIDE); }

void HintWindow::OnDestroy() {
  if (on_destroy) on_destroy();
}

void HintWindow::OnPaint(Canvas& canvas, const Region& update) {
  if (update.IsEmpty()) return;
  if (const Font* font = GetFont()) font->Draw(canvas, {kHintPaddingX, kHintPaddingY}, Text(), syscolor::kInfoText);
}

int HintWindow::OnNcHitTest(Point) { return HTTRANSPARENT; }

void HintWindow::OnSetText() { Invalidate(); }

}  // namespace desktop
