#pragma once
// The standard edit control ("EDIT"), single line or, more simply, multi-line (CR LF line breaks,
// no wrapping). Typing and input-method composition at the caret, a blinking caret, selection by
// mouse and Shift+keys, word steps, the clipboard (UTF-8 on the desktop, GBK inside), one step of
// undo, the right-button menu, horizontal scrolling that keeps the caret in view, the typing limit,
// password, read-only, case conversion, alignment and ES_NOHIDESEL.
//
// The text is drawn from the top of the client area, one line per font height, and every point
// is taken in client coordinates, so a subclass may shrink the client area to a one-line band
// (OnNcCalcSize) and a press outside the band never reaches the text.
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/controls/edit_model.h"
#include "desktop/controls/popup_menu.h"
#include "desktop/window/window.h"

namespace desktop {

class EditControl : public Window {
 public:
  static constexpr int kCaretTimer = 1;
  static constexpr int kCaretBlinkMs = 530;
  static constexpr int kMargin = 1;  // between the client edges and the text
  // Ids of the right-button menu's items: the platform's message numbers for the same actions.
  enum MenuCommand { kMenuCut = 0x300, kMenuCopy = 0x301, kMenuPaste = 0x302, kMenuDelete = 0x303,
                     kMenuUndo = 0x304, kMenuSelectAll = 0x00B1 };

  EditControl() = default;

  const WindowClass& Class() const override;
  // Text and background colours; the default is window text on the window colour, or on the button
  // face when the control is read-only or disabled. The ui layer overrides it.
  virtual void GetControlColors(ColorRef& text, ColorRef& background);

  const EditModel& Model() const { return model_; }
  size_t SelStart() const { return model_.SelStart(); }
  size_t SelEnd() const { return model_.SelEnd(); }
  size_t Caret() const { return model_.Caret(); }
  bool MultiLine() const { return (Style() & ES_MULTILINE) != 0; }
  bool ReadOnly() const { return (Style() & ES_READONLY) != 0; }
  void SetReadOnly(bool read_only);
  // The character shown for each character of the text in password mode; 0 ends password mode.
  char PasswordChar() const { return (Style() & ES_PASSWORD) ? password_char_ : 0; }
  void SetPasswordChar(char c);
  size_t Limit() const { return model_.Limit(); }
  void SetLimit(size_t bytes) { model_.SetLimit(bytes); }

  // EM_SETSEL (no scrolling) and EM_SCROLLCARET.
  void SetSelection(long start, long end);
  void ScrollCaret();
  void SelectAll();
  // The clipboard and undo; each answers whether it did something.
  bool Copy();
  bool Cut();
  bool Paste();
  bool Clear();
  bool Undo();

  // The right-button menu's items, enabled as things stand now, and running one of them.
  std::vector<MenuItem> ContextMenuItems() const;
  void RunMenuCommand(int id);
  // Shows the right-button menu at a screen point and runs the chosen item.
  void ShowContextMenu(Point screen);

  // Where things are, in client coordinates.
  int ScrollX() const { return scroll_x_; }
  int FirstVisibleLine() const { return first_line_; }
  Rect CaretRect() const;                 // one pixel wide, the font's height
  size_t PositionAt(Point client) const;  // the nearest character boundary
  size_t CharacterAt(Point client) const; // the start of the character under the point
  int XOfPosition(size_t pos) const;      // client x of a boundary on its line
  bool CaretBlinkOn() const { return caret_on_; }
  // The input-method composition being typed (GBK), empty when none.
  const std::string& Composition() const { return composition_; }

  unsigned GetDialogCode(const KeyEvent* key) const override;
  bool OnCreate() override;
  void OnPaint(Canvas& canvas, const Region& update) override;
  bool OnEraseBackground(Canvas& canvas, const Region& update) override;
  void OnMouseDown(const MouseEvent& e) override;
  void OnMouseMove(const MouseEvent& e) override;
  void OnMouseUp(const MouseEvent& e) override;
  void OnDoubleClick(const MouseEvent& e) override;
  void OnContextMenu(Point screen) override;
  bool OnKeyDown(const KeyEvent& e) override;
  void OnChar(std::string_view text_gbk) override;
  void OnTextEditing(std::string_view composition_utf8, int cursor) override;
  void OnSetFocus(Window* previous) override;
  void OnKillFocus(Window* next) override;
  void OnCaptureChanged() override;
  void OnTimer(int timer_id) override;
  void OnSetFont(Font* font) override;
  void OnSetText() override;
  void OnSize() override;
  std::intptr_t OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) override;

 protected:
  // Tells the parent (EN_CHANGE, EN_SETFOCUS, EN_KILLFOCUS).
  void NotifyParent(int notification);

 private:
  // One line as drawn: the model's boundaries on it, their x from the line's start, and the text
  // shown (the password characters in password mode) with the byte of each boundary in it.
  struct LineLayout {
    size_t start = 0;
    size_t end = 0;
    std::string shown;
    std::vector<size_t> pos;
    std::vector<size_t> shown_pos;
    std::vector<int> x;
    int Width() const { return x.empty() ? 0 : x.back(); }
  };

  const std::vector<LineLayout>& Layout() const;
  int LineOf(size_t pos) const;
  int LineOriginX(const LineLayout& line) const;
  int LineHeight() const;
  int VisibleLines() const;
  int TextAreaWidth() const;
  // The width of the composition up to its cursor (zero when none).
  int CompositionCaretWidth() const;

  // After the text changed by editing: the window text follows, the view scrolls, the parent hears.
  void TextEdited();
  // After the caret or the selection moved.
  void CaretMoved();
  void ScrollToCaret();
  void RestartBlink();
  void UpdateTextInputRect();
  // Puts the caret at `pos`, keeping the anchor with `extend`.
  void MoveCaret(size_t pos, bool extend);
  // Text for the control as typed or pasted: case conversion, and (single line) the first line only.
  std::string PrepareInput(std::string_view gbk, bool typed) const;
  size_t LineStep(size_t pos, int lines) const;

  EditModel model_;
  char password_char_ = '*';
  int scroll_x_ = 0;
  int first_line_ = 0;
  bool caret_on_ = false;
  bool dragging_ = false;
  bool syncing_text_ = false;
  std::string composition_;         // GBK
  std::string composition_before_;  // the part before its cursor, GBK
  int goal_x_ = -1;                  // where Up and Down aim, in a multi-line control
  mutable std::vector<LineLayout> layout_;
  mutable bool layout_valid_ = false;
  // What the layout was made with, so a change of font or password style made from outside is seen.
  mutable const Font* layout_font_ = nullptr;
  mutable char layout_password_ = 0;
};

}  // namespace desktop
