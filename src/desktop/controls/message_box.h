#pragma once
// The message box: a modal top-level window with a caption, the stop icon, the text in the default
// GUI font (CR LF breaks lines, long lines wrap) and an OK button, centred on the screen. Enter,
// Space, Esc, the OK button and the close button all close it.
#include <memory>
#include <string>

#include "desktop/controls/push_button.h"
#include "desktop/window/window.h"

namespace desktop {

// The box types and answers used here, with the platform's values.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr int IDOK = 1;

// Where the parts of a box go, for its text and font.
struct MessageBoxLayout {
  Rect icon;  // empty when the box has no icon
  Rect text;
  Rect button;
  Size client;
};
MessageBoxLayout LayOutMessageBox(const std::string& text_gbk, const Font& font, bool with_icon, int max_text_width);

class MessageBoxWindow : public Window {
 public:
  // `result` receives the answer when the box closes.
  MessageBoxWindow(std::string text_gbk, unsigned type, int* result);

  const WindowClass& Class() const override;
  const MessageBoxLayout& Layout() const { return layout_; }
  PushButton* OkButton() const { return ok_; }

  bool OnCreate() override;
  void OnPaint(Canvas& canvas, const Region& update) override;
  bool PreTranslateKey(const KeyEvent& key, Window* target) override;
  void OnCommand(Window* control, int notification) override;
  void OnClose() override;

  // Records the answer and destroys the box.
  void Finish(int result);

  static constexpr unsigned kTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

 private:
  std::string text_;
  unsigned type_;
  int* result_;
  MessageBoxLayout layout_;
  PushButton* ok_ = nullptr;
  bool finished_ = false;
};

// Shows the box modally (RunModal) and answers IDOK once it is closed; 0 when it cannot be shown
// (no desktop). An owner's top-level window is disabled while the box is up.
int ShowMessageBox(Window* owner, const std::string& text_gbk, const std::string& caption_gbk, unsigned type);

}  // namespace desktop
