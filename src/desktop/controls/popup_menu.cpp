#include "desktop/controls/popup_menu.h"

#include <algorithm>
#include <cctype>

#include "desktop/window/window_system.h"

namespace desktop {

namespace {

constexpr int kFrame = 3;        // raised edge and one pixel of face
constexpr int kTextInset = 18;   // room on both sides of the text
constexpr int kSeparatorHeight = 8;
constexpr unsigned kItemTextFlags = DT_SINGLELINE | DT_VCENTER | DT_LEFT;

int ItemHeight(const Font& font) { return std::max(17, font.Height() + 5); }

int HeightOf(const MenuItem& item, const Font& font) {
  return item.IsSeparator() ? kSeparatorHeight : ItemHeight(font);
}

// The character after a single "&", upper-cased; 0 when there is none.
int MnemonicOf(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return std::toupper(static_cast<unsigned char>(text[i + 1]));
    ++i;
  }
  return 0;
}

}  // namespace

PopupMenu::PopupMenu(std::vector<MenuItem> items, int* chosen) : items_(std::move(items)), chosen_(chosen) {}

const WindowClass& PopupMenu::Class() const {
  static const WindowClass kClass{.name = "#32768", .cursor = CursorShape::Arrow};
  return kClass;
}

Size PopupMenu::MeasureItems(const std::vector<MenuItem>& items, const Font& font) {
  int width = 0;
  int height = 0;
  for (const MenuItem& item : items) {
    height += HeightOf(item, font);
    if (item.IsSeparator()) continue;
    Rect calc{0, 0, 0, 0};
    DrawTextLayout(nullptr, font, item.text_gbk, calc, kItemTextFlags | DT_CALCRECT, 0);
    width = std::max(width, calc.Width());
  }
  return {width + 2 * kTextInset + 2 * kFrame, height + 2 * kFrame};
}

Rect PopupMenu::ItemRect(int index) const {
  if (index < 0 || index >= static_cast<int>(items_.size())) return {};
  const Font& font = *GetFont();
  int top = kFrame;
  for (int i = 0; i < index; ++i) top += HeightOf(items_[i], font);
  return {kFrame, top, ClientRect().right - kFrame, top + HeightOf(items_[index], font)};
}

int PopupMenu::ItemAt(Point client) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (!items_[i].IsSeparator() && ItemRect(i).Contains(client)) return i;
  return -1;
}

void PopupMenu::OnPaint(Canvas& canvas, const Region& update) {
  (void)update;
  const Rect client = ClientRect();
  canvas.FillRect(client, syscolor::kButtonFace);
  canvas.DrawEdge(client, Edge::Raised);
  const Font& font = *GetFont();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const MenuItem& item = items_[i];
    const Rect r = ItemRect(i);
    if (item.IsSeparator()) {
      const int y = r.top + r.Height() / 2 - 1;
      canvas.HLine(r.left + 1, r.right - 1, y, syscolor::kButtonShadow);
      canvas.HLine(r.left + 1, r.right - 1, y + 1, syscolor::kButtonHighlight);
      continue;
    }
    Rect text{r.left + kTextInset, r.top, r.right - kTextInset, r.bottom};
    if (i == highlighted_) {
      canvas.FillRect(r, syscolor::kHighlight);
      DrawTextLayout(&canvas, font, item.text_gbk, text, kItemTextFlags,
                     item.enabled ? syscolor::kHighlightText : syscolor::kGrayText);
    } else if (item.enabled) {
      DrawTextLayout(&canvas, font, item.text_gbk, text, kItemTextFlags, syscolor::kButtonText);
    } else {
      Rect light = text.Offset(1, 1);
      DrawTextLayout(&canvas, font, item.text_gbk, light, kItemTextFlags, syscolor::kButtonHighlight);
      DrawTextLayout(&canvas, font, item.text_gbk, text, kItemTextFlags, syscolor::kGrayText);
    }
  }
}

void PopupMenu::Highlight(int index) {
  if (index == highlighted_) return;
  InvalidateRect(ItemRect(highlighted_), false);
  highlighted_ = index;
  InvalidateRect(ItemRect(highlighted_), false);
}

void PopupMenu::Step(int direction) {
  const int count = static_cast<int>(items_.size());
  int index = highlighted_;
  for (int tries = 0; tries < count; ++tries) {
    if (index < 0) index = direction > 0 ? -1 : count;
    index = (index + direction + count) % count;
    if (!items_[index].IsSeparator()) {
      Highlight(index);
      return;
    }
  }
}

bool PopupMenu::OnKeyDown(const KeyEvent& e) {
  switch (e.vk) {
    case VK_UP: Step(-1); return true;
    case VK_DOWN: Step(1); return true;
    case VK_RETURN:
      if (highlighted_ >= 0 && items_[highlighted_].enabled) Finish(highlighted_);
      return true;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
      Finish(-1);
      return true;
    default: break;
  }
  const bool letter = (e.vk >= 'A' && e.vk <= 'Z') || (e.vk >= '0' && e.vk <= '9');
  if (!letter || e.mods.ctrl || e.mods.alt) return true;
  // One item with that mnemonic is chosen at once; several take turns at the highlight.
  std::vector<int> matches;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (!items_[i].IsSeparator() && MnemonicOf(items_[i].text_gbk) == e.vk) matches.push_back(i);
  if (matches.empty()) return true;
  if (matches.size() == 1) {
    if (items_[matches[0]].enabled) {
      Finish(matches[0]);
    } else {
      Highlight(matches[0]);
    }
    return true;
  }
  auto next = std::upper_bound(matches.begin(), matches.end(), highlighted_);
  Highlight(next == matches.end() ? matches.front() : *next);
  return true;
}

void PopupMenu::OnMouseMove(const MouseEvent& e) { Highlight(ItemAt(e.pos)); }

void PopupMenu::OnMouseDown(const MouseEvent& e) {
  if (!ClientRect().Contains(e.pos)) Finish(-1);
}

void PopupMenu::OnMouseUp(const MouseEvent& e) {
  const int index = ItemAt(e.pos);
  if (index >= 0 && items_[index].enabled) Finish(index);
}

void PopupMenu::OnActivate(bool active) {
  if (!active) Finish(-1);
}

void PopupMenu::OnCaptureChanged() {
  if (!HasCapture()) Finish(-1);
}

void PopupMenu::OnClose() { Finish(-1); }

void PopupMenu::Finish(int index) {
  if (finished_) return;
  finished_ = true;
  if (index >= 0 && index < static_cast<int>(items_.size()) && items_[index].enabled && chosen_)
    *chosen_ = items_[index].id;
  if (HasCapture()) ReleaseCapture();
  Destroy();
}

int TrackPopupMenu(const std::vector<MenuItem>& items, Point screen, Window* owner) {
  WindowSystem& system = WindowSystem::Get();
  if (!system.HasBackend() || items.empty()) return 0;
  const Size size = PopupMenu::MeasureItems(items, *Font::DefaultGui());
  const Size screen_size = system.GetBackend().ScreenSize();
  // Past the right or bottom edge of the screen the menu opens to the other side of the point.
  int x = screen.x;
  int y = screen.y;
  if (x + size.width > screen_size.width) x = std::max(0, x - size.width);
  if (y + size.height > screen_size.height) y = std::max(0, y - size.height);
  int chosen = 0;
  PopupMenu* menu = Window::CreateAs(std::make_unique<PopupMenu>(items, &chosen), nullptr,
                                     Rect::FromSize(x, y, size.width, size.height), WS_POPUP,
                                     WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "", 0);
  if (!menu) return 0;
  if (owner) menu->SetOwner(owner);
  menu->ShowWindow(SW_SHOW);
  menu->SetFocus();
  menu->SetCapture();
  system.RunModal(menu);
  // The loop also ends when the program is quitting; the menu does not outlive it.
  if (menu->IsAlive()) menu->Finish(-1);
  return chosen;
}

}  // namespace desktop
