#include "ui/tab_hint.h"

#include "desktop/popups/hint_window.h"

namespace ui {

using namespace desktop;

TabHint::~TabHint() { Close(); }

void TabHint::Show(const std::string& text_gbk, Point screen) {
  if (popup_ == nullptr || !popup_->IsAlive()) {
    popup_ = HintWindow::Create();
    if (popup_ == nullptr) return;
    popup_->on_destroy = [this] { popup_ = nullptr; };
  }
  text_ = text_gbk;
  popup_->ShowAt(text_gbk, screen);
}

void TabHint::Hide() {
  if (IsShown()) popup_->Hide();
}

bool TabHint::IsShown() const { return popup_ != nullptr && popup_->IsAlive() && popup_->IsVisibleFlag(); }

Point TabHint::Position() const { return IsShown() ? popup_->Position() : Point{}; }

void TabHint::Close() {
  HintWindow* popup = popup_;
  popup_ = nullptr;
  if (popup != nullptr && popup->IsAlive()) {
    popup->on_destroy = nullptr;
    popup->Destroy();
  }
}

}  // namespace ui
