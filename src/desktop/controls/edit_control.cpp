#include "desktop/controls/edit_control.h"

#include <algorithm>

#include "desktop/text/gbk.h"
#include "desktop/window/window_system.h"

namespace desktop {

namespace {

// The right-button menu's texts, GBK: 撤消(&U), 剪切(&T), 复制(&C), 粘贴(&P), 删除(&D), 全选(&A).
constexpr const char* kUndoText = "\xB3\xB7\xCF\xFB(&U)";
constexpr const char* kCutText = "\xBC\xF4\xC7\xD0(&T)";
constexpr const char* kCopyText = "\xB8\xB4\xD6\xC6(&C)";
constexpr const char* kPasteText = "\xD5\xB3\xCC\xF9(&P)";
constexpr const char* kDeleteText = "\xC9\xBE\xB3\xFD(&D)";
constexpr const char* kSelectAllText = "\xC8\xAB\xD1\xA1(&A)";

Backend* DesktopBackend() {
  WindowSystem& system = WindowSystem::Get();
  return system.HasBackend() ? &system.GetBackend() : nullptr;
}

// The first `count` characters of a UTF-8 text.
std::string_view Utf8Prefix(std::string_view utf8, int count) {
  size_t i = 0;
  for (int n = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (n++ == count) break;
  }
  return utf8.substr(0, i);
}

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

const WindowClass& EditControl::Class() const {
  static const WindowClass kClass{.name = "EDIT", .cursor = CursorShape::IBeam, .double_clicks = true};
  return kClass;
}

void EditControl::GetControlColors(ColorRef& text, ColorRef& background) {
  text = syscolor::kWindowText;
  background = ReadOnly() || !IsEnabled() ? syscolor::kButtonFace : syscolor::kWindow;
}

bool EditControl::OnCreate() {
  model_.SetMultiLine((Style() & ES_MULTILINE) != 0);
  model_.SetText(Text());
  layout_valid_ = false;
  return true;
}

// ----- layout -----

const std::vector<EditControl::LineLayout>& EditControl::Layout() const {
  const Font& font = *GetFont();
  const char password = PasswordChar();
  if (layout_valid_ && layout_font_ == &font && layout_password_ == password) return layout_;
  layout_.clear();
  layout_font_ = &font;
  layout_password_ = password;
  const std::string& text = model_.Text();
  std::vector<std::pair<size_t, size_t>> ranges;
  if (model_.MultiLine()) {
    size_t start = 0;
    for (;;) {
      const size_t found = text.find("\r\n", start);
      if (found == std::string::npos) {
        ranges.emplace_back(start, text.size());
        break;
      }
      ranges.emplace_back(start, found);
      start = found + 2;
    }
  } else {
    ranges.emplace_back(0, text.size());
  }
  for (const auto& [start, end] : ranges) {
    LineLayout line;
    line.start = start;
    line.end = end;
    for (size_t p = start; p < end; p = model_.NextChar(p)) line.pos.push_back(p);
    line.pos.push_back(end);
    if (password) {
      line.shown.assign(line.pos.size() - 1, password);
      for (size_t i = 0; i < line.pos.size(); ++i) line.shown_pos.push_back(i);
    } else {
      line.shown = text.substr(start, end - start);
      for (size_t p : line.pos) line.shown_pos.push_back(p - start);
    }
    const std::vector<int> edges = font.CharacterEdges(line.shown);
    for (size_t sp : line.shown_pos) line.x.push_back(sp < edges.size() ? edges[sp] : (edges.empty() ? 0 : edges.back()));
    layout_.push_back(std::move(line));
  }
  layout_valid_ = true;
  return layout_;
}

int EditControl::LineOf(size_t pos) const {
  const std::vector<LineLayout>& lines = Layout();
  int index = 0;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    if (lines[i].start <= pos) index = i;
  return index;
}

int EditControl::LineHeight() const { return std::max(1, GetFont()->Height()); }

int EditControl::VisibleLines() const { return std::max(1, ClientRect().Height() / LineHeight()); }

int EditControl::TextAreaWidth() const { return std::max(1, ClientRect().Width() - 2 * kMargin); }

int EditControl::LineOriginX(const LineLayout& line) const {
  const int room = TextAreaWidth() - line.Width();
  int x = kMargin;
  if (room > 0) {
    if ((Style() & 3) == ES_CENTER) x += room / 2;
    if ((Style() & 3) == ES_RIGHT) x += room - 1;
  }
  return x - scroll_x_;
}

int EditControl::CompositionCaretWidth() const {
  return composition_before_.empty() ? 0 : GetFont()->Measure(composition_before_).width;
}

int EditControl::XOfPosition(size_t pos) const {
  const LineLayout& line = Layout()[LineOf(pos)];
  const auto it = std::upper_bound(line.pos.begin(), line.pos.end(), pos);
  const size_t index = it == line.pos.begin() ? 0 : static_cast<size_t>(it - line.pos.begin()) - 1;
  return LineOriginX(line) + line.x[index];
}

Rect EditControl::CaretRect() const {
  const int h = LineHeight();
  const int x = XOfPosition(model_.Caret()) + CompositionCaretWidth();
  const int y = (LineOf(model_.Caret()) - first_line_) * h;
  return {x, y, x + 1, y + h};
}

size_t EditControl::PositionAt(Point client) const {
  const std::vector<LineLayout>& lines = Layout();
  const int last = static_cast<int>(lines.size()) - 1;
  const int index = model_.MultiLine() ? std::clamp(first_line_ + FloorDiv(client.y, LineHeight()), 0, last) : 0;
  const LineLayout& line = lines[index];
  const int x = client.x - LineOriginX(line);
  for (size_t i = 0; i + 1 < line.pos.size(); ++i)
    if (2 * x < line.x[i] + line.x[i + 1]) return line.pos[i];
  return line.pos.back();
}

size_t EditControl::CharacterAt(Point client) const {
  const std::vector<LineLayout>& lines = Layout();
  const int last = static_cast<int>(lines.size()) - 1;
  const int index = model_.MultiLine() ? std::clamp(first_line_ + FloorDiv(client.y, LineHeight()), 0, last) : 0;
  const LineLayout& line = lines[index];
  const int x = client.x - LineOriginX(line);
  for (size_t i = 0; i + 1 < line.pos.size(); ++i)
    if (x < line.x[i + 1]) return line.pos[i];
  return line.pos.size() >= 2 ? line.pos[line.pos.size() - 2] : line.pos.back();
}

// ----- scrolling, caret -----

void EditControl::ScrollToCaret() {
  const std::vector<LineLayout>& lines = Layout();
  const int caret_line = LineOf(model_.Caret());
  const LineLayout& line = lines[caret_line];
  const int composition_width = composition_.empty() ? 0 : GetFont()->Measure(composition_).width;
  const int caret_x = XOfPosition(model_.Caret()) - LineOriginX(line) + CompositionCaretWidth();
  int widest = line.Width() + composition_width;
  for (const LineLayout& other : lines) widest = std::max(widest, other.Width());
  const int room = TextAreaWidth();
  if (caret_x < scroll_x_)
    scroll_x_ = std::max(0, caret_x - room / 3);  // some of the text before the caret comes into view
  else if (caret_x > scroll_x_ + room - 1)
    scroll_x_ = caret_x - room + 1;
  // No empty room is left after the end of the text while part of it is scrolled away.
  scroll_x_ = std::max(0, std::min(scroll_x_, widest + 1 - room));

  if (model_.MultiLine()) {
    const int visible = VisibleLines();
    if (caret_line < first_line_) first_line_ = caret_line;
    if (caret_line >= first_line_ + visible) first_line_ = caret_line - visible + 1;
  }
}

void EditControl::RestartBlink() {
  caret_on_ = HasFocus();
  if (caret_on_) SetTimer(kCaretTimer, kCaretBlinkMs);
}

void EditControl::UpdateTextInputRect() {
  Backend* backend = DesktopBackend();
  if (!backend || !HasFocus()) return;
  const Rect caret = CaretRect();
  const Point top_left = ClientToScreen(caret.TopLeft());
  backend->StartTextInput(Rect::FromSize(top_left.x, top_left.y, caret.Width(), caret.Height()));
}

void EditControl::CaretMoved() {
  ScrollToCaret();
  RestartBlink();
  Invalidate(false);
  UpdateTextInputRect();
}

void EditControl::TextEdited() {
  layout_valid_ = false;
  syncing_text_ = true;
  SetText(model_.Text());
  syncing_text_ = false;
  CaretMoved();
  NotifyParent(EN_CHANGE);
}

void EditControl::MoveCaret(size_t pos, bool extend) {
  goal_x_ = -1;
  model_.MoveTo(pos, extend);
  CaretMoved();
}

void EditControl::NotifyParent(int notification) {
  if (Window* parent = Parent()) parent->OnCommand(this, notification);
}

// ----- settings and messages -----

void EditControl::SetReadOnly(bool read_only) {
  SetStyle(read_only ? Style() | ES_READONLY : Style() & ~static_cast<std::uint32_t>(ES_READONLY));
  Invalidate(false);
}

void EditControl::SetPasswordChar(char c) {
  if (c == 0) {
    SetStyle(Style() & ~static_cast<std::uint32_t>(ES_PASSWORD));
  } else {
    // A lead byte would pair up with the next one: such a character is not used.
    if (!IsGbkLeadByte(static_cast<unsigned char>(c))) password_char_ = c;
    SetStyle(Style() | ES_PASSWORD);
  }
  layout_valid_ = false;
  CaretMoved();
}

void EditControl::SetSelection(long start, long end) {
  goal_x_ = -1;
  model_.SetSelection(start, end);
  RestartBlink();
  Invalidate(false);
  UpdateTextInputRect();
}

void EditControl::ScrollCaret() {
  ScrollToCaret();
  Invalidate(false);
  UpdateTextInputRect();
}

void EditControl::SelectAll() {
  goal_x_ = -1;
  model_.SelectAll();
  CaretMoved();
}

std::intptr_t EditControl::OnMessage(std::uint32_t msg, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (msg) {
    case EM_GETSEL: {
      const size_t start = SelStart();
      const size_t end = SelEnd();
      if (wparam) *reinterpret_cast<std::uint32_t*>(wparam) = static_cast<std::uint32_t>(start);
      if (lparam) *reinterpret_cast<std::uint32_t*>(lparam) = static_cast<std::uint32_t>(end);
      if (start > 0xFFFF || end > 0xFFFF) return -1;
      return static_cast<std::intptr_t>(start | (end << 16));
    }
    case EM_SETSEL:
      SetSelection(static_cast<long>(static_cast<std::intptr_t>(wparam)), static_cast<long>(lparam));
      return 0;
    case EM_SCROLLCARET:
      ScrollCaret();
      return 1;
    case EM_LIMITTEXT:
      SetLimit(wparam);
      return 0;
    case EM_SETPASSWORDCHAR:
      SetPasswordChar(static_cast<char>(wparam & 0xFF));
      return 0;
    case EM_SETREADONLY:
      SetReadOnly(wparam != 0);
      return 1;
    default:
      return Window::OnMessage(msg, wparam, lparam);
  }
}

unsigned EditControl::GetDialogCode(const KeyEvent* key) const {
  unsigned code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  // Enter is claimed only by a multi-line control that types it as a line break.
  if (key && key->vk == VK_RETURN && (Style() & ES_MULTILINE) && (Style() & ES_WANTRETURN) && !ReadOnly())
    code |= DLGC_WANTALLKEYS;
  return code;
}

void EditControl::OnSetText() {
  if (syncing_text_) return;
  model_.SetText(Text());
  layout_valid_ = false;
  scroll_x_ = 0;
  first_line_ = 0;
  goal_x_ = -1;
  composition_.clear();
  composition_before_.clear();
  Invalidate(false);
  UpdateTextInputRect();
  if (!model_.MultiLine()) NotifyParent(EN_CHANGE);
}

void EditControl::OnSetFont(Font* font) {
  (void)font;
  layout_valid_ = false;
  ScrollToCaret();
  Invalidate(false);
  UpdateTextInputRect();
}

void EditControl::OnSize() {
  ScrollToCaret();
  Invalidate(false);
}

// ----- painting -----

bool EditControl::OnEraseBackground(Canvas& canvas, const Region& update) {
  (void)update;
  ColorRef text = syscolor::kWindowText;
  ColorRef background = syscolor::kWindow;
  GetControlColors(text, background);
  canvas.FillRect(ClientRect(), background);
  return true;
}

void EditControl::OnPaint(Canvas& canvas, const Region& update) {
  (void)update;
  ColorRef text_color = syscolor::kWindowText;
  ColorRef background = syscolor::kWindow;
  GetControlColors(text_color, background);
  if (!IsEnabled()) text_color = syscolor::kGrayText;
  const Rect client = ClientRect();
  canvas.FillRect(client, background);

  const Font& font = *GetFont();
  const int h = LineHeight();
  const std::vector<LineLayout>& lines = Layout();
  const size_t caret = model_.Caret();
  const int caret_line = LineOf(caret);
  const bool show_selection =
      model_.HasSelection() && composition_.empty() && (HasFocus() || (Style() & ES_NOHIDESEL));

  for (int li = first_line_; li < static_cast<int>(lines.size()); ++li) {
    const int y = (li - first_line_) * h;
    if (y >= client.bottom) break;
    const LineLayout& line = lines[li];
    const int origin = LineOriginX(line);
    auto index_of = [&](size_t pos) {
      return static_cast<size_t>(std::lower_bound(line.pos.begin(), line.pos.end(), pos) - line.pos.begin());
    };

    if (!composition_.empty() && li == caret_line) {
      // The composition sits at the caret, underlined, pushing the rest of the line to the right.
      const size_t at = index_of(caret);
      const std::string_view shown(line.shown);
      const int x = origin + line.x[at];
      const int width = font.Measure(composition_).width;
      font.Draw(canvas, {origin, y}, shown.substr(0, line.shown_pos[at]), text_color);
      font.Draw(canvas, {x, y}, composition_, text_color);
      canvas.HLine(x, x + width, y + h - 1, text_color);
      font.Draw(canvas, {x + width, y}, shown.substr(line.shown_pos[at]), text_color);
      continue;
    }

    font.Draw(canvas, {origin, y}, line.shown, text_color);
    if (!show_selection) continue;
    const size_t from = std::max(model_.SelStart(), line.start);
    const size_t to = std::min(model_.SelEnd(), line.end);
    const bool takes_break = model_.SelEnd() > line.end && model_.SelStart() <= line.end;
    if (from >= to && !takes_break) continue;
    const size_t a = index_of(from);
    const size_t b = index_of(std::max(from, to));
    const int xa = origin + line.x[a];
    int xb = origin + line.x[b];
    // A selected line break shows as a little highlight after the line's text.
    if (takes_break) xb += std::max(1, font.Measure(" ").width);
    canvas.FillRect({xa, y, xb, y + h}, syscolor::kHighlight);
    font.Draw(canvas, {xa, y},
              std::string_view(line.shown).substr(line.shown_pos[a], line.shown_pos[b] - line.shown_pos[a]),
              syscolor::kHighlightText);
  }

  if (HasFocus() && caret_on_ && IsEnabled()) {
    const Rect r = CaretRect();
    canvas.VLine(r.left, r.top, r.bottom, syscolor::kWindowText);
  }
}

// ----- focus, timer, capture -----

void EditControl::OnSetFocus(Window* previous) {
  (void)previous;
  RestartBlink();
  Invalidate(false);
  UpdateTextInputRect();
  NotifyParent(EN_SETFOCUS);
}

void EditControl::OnKillFocus(Window* next) {
  (void)next;
  KillTimer(kCaretTimer);
  caret_on_ = false;
  if (dragging_) {
    dragging_ = false;
    if (HasCapture()) ReleaseCapture();
  }
  composition_.clear();
  composition_before_.clear();
  if (Backend* backend = DesktopBackend()) backend->StopTextInput();
  Invalidate(false);
  NotifyParent(EN_KILLFOCUS);
}

void EditControl::OnTimer(int timer_id) {
  if (timer_id != kCaretTimer) return;
  if (!HasFocus()) {
    KillTimer(kCaretTimer);
    caret_on_ = false;
  } else {
    caret_on_ = !caret_on_;
  }
  InvalidateRect(CaretRect(), false);
}

void EditControl::OnCaptureChanged() {
  if (dragging_ && !HasCapture()) dragging_ = false;
}

// ----- mouse -----

void EditControl::OnMouseDown(const MouseEvent& e) {
  if (!IsEnabled()) return;
  if (!HasFocus()) SetFocus();
  if (e.button != MouseButton::Left) return;
  MoveCaret(PositionAt(e.pos), e.mods.shift);
  dragging_ = true;
  SetCapture();
}

void EditControl::OnMouseMove(const MouseEvent& e) {
  if (!dragging_) return;
  const size_t pos = PositionAt(e.pos);
  if (pos != model_.Caret()) MoveCaret(pos, true);
}

void EditControl::OnMouseUp(const MouseEvent& e) {
  if (e.button != MouseButton::Left || !dragging_) return;
  dragging_ = false;
  if (HasCapture()) ReleaseCapture();
}

void EditControl::OnDoubleClick(const MouseEvent& e) {
  if (e.button != MouseButton::Left) {
    OnMouseDown(e);
    return;
  }
  if (!IsEnabled()) return;
  if (!HasFocus()) SetFocus();
  const auto [start, end] = model_.WordAt(CharacterAt(e.pos));
  goal_x_ = -1;
  model_.SetSelection(static_cast<long>(start), static_cast<long>(end));
  CaretMoved();
}

void EditControl::OnContextMenu(Point screen) {
  if (IsEnabled()) ShowContextMenu(screen);
}

// ----- keyboard -----

size_t EditControl::LineStep(size_t pos, int lines) const {
  const std::vector<LineLayout>& all = Layout();
  const int target = std::clamp(LineOf(pos) + lines, 0, static_cast<int>(all.size()) - 1);
  const int goal = goal_x_ >= 0 ? goal_x_ - scroll_x_ : XOfPosition(pos);
  const int y = (target - first_line_) * LineHeight();
  return PositionAt({goal, y});
}

bool EditControl::OnKeyDown(const KeyEvent& e) {
  if (!IsEnabled() || e.mods.alt) return false;
  const bool shift = e.mods.shift;
  const bool ctrl = e.mods.ctrl;
  const size_t caret = model_.Caret();
  switch (e.vk) {
    case VK_LEFT:
      MoveCaret(ctrl ? model_.PrevWord(caret) : model_.PrevChar(caret), shift);
      return true;
    case VK_RIGHT:
      MoveCaret(ctrl ? model_.NextWord(caret) : model_.NextChar(caret), shift);
      return true;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
      const bool back = e.vk == VK_UP || e.vk == VK_PRIOR;
      if (!model_.MultiLine()) {
        // One line: Up and Down step like Left and Right; the page keys do nothing.
        if (e.vk == VK_UP || e.vk == VK_DOWN) MoveCaret(back ? model_.PrevChar(caret) : model_.NextChar(caret), shift);
        return true;
      }
      const int step = (e.vk == VK_UP || e.vk == VK_DOWN) ? 1 : VisibleLines();
      const int goal = goal_x_ >= 0 ? goal_x_ : XOfPosition(caret) + scroll_x_;
      goal_x_ = goal;
      model_.MoveTo(LineStep(caret, back ? -step : step), shift);
      CaretMoved();
      return true;
    }
    case VK_HOME:
      MoveCaret(model_.MultiLine() && !ctrl ? model_.LineStart(caret) : 0, shift);
      return true;
    case VK_END:
      MoveCaret(model_.MultiLine() && !ctrl ? model_.LineEnd(caret) : model_.Text().size(), shift);
      return true;
    case VK_BACK:
      if (!ReadOnly() && model_.DeleteBack()) TextEdited();
      return true;
    case VK_DELETE:
      if (shift)
        Cut();
      else if (!ReadOnly() && model_.DeleteForward())
        TextEdited();
      return true;
    case VK_INSERT:
      if (shift) Paste();
      if (ctrl) Copy();
      return true;
    case VK_RETURN:
      if (!model_.MultiLine()) return false;
      if (!ReadOnly() && model_.Insert("\r\n", true)) TextEdited();
      return true;
    case VK_APPS: {
      const Rect caret_rect = CaretRect();
      ShowContextMenu(ClientToScreen({caret_rect.left, caret_rect.bottom}));
      return true;
    }
    case VK_F10:
      if (!shift) return false;
      {
        const Rect caret_rect = CaretRect();
        ShowContextMenu(ClientToScreen({caret_rect.left, caret_rect.bottom}));
      }
      return true;
    default:
      break;
  }
  if (!ctrl || shift) return false;
  switch (e.vk) {
    case 'A': SelectAll(); return true;
    case 'C': Copy(); return true;
    case 'X': Cut(); return true;
    case 'V': Paste(); return true;
    case 'Z': Undo(); return true;
    default: return false;
  }
}

std::string EditControl::PrepareInput(std::string_view gbk, bool typed) const {
  std::string out;
  out.reserve(gbk.size());
  const bool upper = (Style() & ES_UPPERCASE) != 0;
  const bool lower = (Style() & ES_LOWERCASE) != 0;
  size_t i = 0;
  while (i < gbk.size()) {
    const size_t next = std::max(i + 1, GbkNextBoundary(gbk, i));
    if (next - i > 1) {
      out.append(gbk.substr(i, next - i));
      i = next;
      continue;
    }
    char c = gbk[i++];
    const bool line_break = c == '\r' || c == '\n';
    if (typed) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) continue;
    } else if (line_break) {
      if (!model_.MultiLine()) break;  // one line takes the first line of what is pasted
      // Any line break (CR LF, CR, LF) becomes CR LF.
      if (c == '\r' && i < gbk.size() && gbk[i] == '\n') ++i;
      out += "\r\n";
      continue;
    }
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (lower && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    out += c;
  }
  return out;
}

void EditControl::OnChar(std::string_view text_gbk) {
  if (!IsEnabled() || ReadOnly()) return;
  const bool was_composing = !composition_.empty();
  composition_.clear();
  composition_before_.clear();
  const std::string input = PrepareInput(text_gbk, true);
  if (!input.empty() && model_.Insert(input, true)) {
    TextEdited();
  } else if (was_composing) {
    CaretMoved();
  }
}

void EditControl::OnTextEditing(std::string_view composition_utf8, int cursor) {
  if (!IsEnabled() || ReadOnly()) return;
  composition_ = Utf8ToGbk(composition_utf8);
  composition_before_ = composition_.empty() ? std::string() : Utf8ToGbk(Utf8Prefix(composition_utf8, std::max(0, cursor)));
  CaretMoved();
}

// ----- clipboard, undo, menu -----

bool EditControl::Copy() {
  Backend* backend = DesktopBackend();
  if (!backend || !model_.HasSelection() || PasswordChar()) return false;
  backend->SetClipboardText(GbkToUtf8(model_.SelectedText()));
  return true;
}

bool EditControl::Cut() {
  if (ReadOnly() || !Copy()) return false;
  model_.DeleteSelection();
  TextEdited();
  return true;
}

bool EditControl::Paste() {
  Backend* backend = DesktopBackend();
  if (!backend || ReadOnly()) return false;
  const std::string input = PrepareInput(Utf8ToGbk(backend->GetClipboardText()), false);
  if (input.empty() || !model_.Insert(input)) return false;
  TextEdited();
  return true;
}

bool EditControl::Clear() {
  if (ReadOnly() || !model_.DeleteSelection()) return false;
  TextEdited();
  return true;
}

bool EditControl::Undo() {
  if (ReadOnly() || !model_.Undo()) return false;
  TextEdited();
  return true;
}

std::vector<MenuItem> EditControl::ContextMenuItems() const {
  const bool selection = model_.HasSelection();
  const bool password = PasswordChar() != 0;
  const bool read_only = ReadOnly();
  Backend* backend = DesktopBackend();
  const bool clipboard = backend && !backend->GetClipboardText().empty();
  const bool all_selected = model_.SelStart() == 0 && model_.SelEnd() == model_.Text().size();
  return {
      {kUndoText, kMenuUndo, model_.CanUndo() && !read_only},
      {"", 0, true},
      {kCutText, kMenuCut, selection && !password && !read_only},
      {kCopyText, kMenuCopy, selection && !password},
      {kPasteText, kMenuPaste, clipboard && !read_only},
      {kDeleteText, kMenuDelete, selection && !read_only},
      {"", 0, true},
      {kSelectAllText, kMenuSelectAll, !all_selected},
  };
}

void EditControl::RunMenuCommand(int id) {
  switch (id) {
    case kMenuUndo: Undo(); break;
    case kMenuCut: Cut(); break;
    case kMenuCopy: Copy(); break;
    case kMenuPaste: Paste(); break;
    case kMenuDelete: Clear(); break;
    case kMenuSelectAll: SelectAll(); break;
    default: break;
  }
}

void EditControl::ShowContextMenu(Point screen) {
  if (!HasFocus()) SetFocus();
  const int chosen = TrackPopupMenu(ContextMenuItems(), screen, this);
  if (!IsAlive()) return;  // the window went while the menu was up
  if (!HasFocus()) SetFocus();
  RunMenuCommand(chosen);
}

}  // namespace desktop
