#include "desktop/controls/edit_model.h"

#include "desktop/text/gbk.h"

namespace desktop {

void EditModel::SetMultiLine(bool multi_line) {
  multi_line_ = multi_line;
  starts_valid_ = false;
  caret_ = Snap(caret_);
  anchor_ = Snap(anchor_);
}

std::string_view EditModel::SelectedText() const {
  return std::string_view(text_).substr(SelStart(), SelEnd() - SelStart());
}

void EditModel::SetText(std::string_view gbk) {
  text_.assign(gbk);
  starts_valid_ = false;
  caret_ = anchor_ = 0;
  ForgetUndo();
}

const std::vector<size_t>& EditModel::Starts() const {
  if (starts_valid_) return starts_;
  starts_.clear();
  const std::string_view text(text_);
  size_t pos = 0;
  while (pos < text.size()) {
    starts_.push_back(pos);
    if (multi_line_ && text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
      pos += 2;
    else
      pos = std::max(pos + 1, GbkNextBoundary(text, pos));
  }
  starts_.push_back(text.size());
  starts_valid_ = true;
  return starts_;
}

size_t EditModel::Snap(size_t pos) const {
  const std::vector<size_t>& starts = Starts();
  if (pos >= text_.size()) return text_.size();
  auto it = std::upper_bound(starts.begin(), starts.end(), pos);
  return *(it - 1);
}

size_t EditModel::NextChar(size_t pos) const {
  const std::vector<size_t>& starts = Starts();
  auto it = std::upper_bound(starts.begin(), starts.end(), pos);
  return it == starts.end() ? text_.size() : *it;
}

size_t EditModel::PrevChar(size_t pos) const {
  const std::vector<size_t>& starts = Starts();
  auto it = std::lower_bound(starts.begin(), starts.end(), std::min(pos, text_.size()));
  return it == starts.begin() ? 0 : *(it - 1);
}

EditModel::Kind EditModel::KindAt(size_t pos) const {
  const unsigned char b = static_cast<unsigned char>(text_[pos]);
  if (b == ' ' || b == '\t') return Kind::Blank;
  if (multi_line_ && (b == '\r' || b == '\n')) return Kind::LineBreak;
  return NextChar(pos) - pos == 2 && b != '\r' ? Kind::Wide : Kind::Narrow;
}

size_t EditModel::NextWord(size_t pos) const {
  pos = Snap(pos);
  if (pos >= text_.size()) return text_.size();
  const Kind kind = KindAt(pos);
  if (kind == Kind::LineBreak) return NextChar(pos);
  if (kind != Kind::Blank)
    while (pos < text_.size() && KindAt(pos) == kind) pos = NextChar(pos);
  while (pos < text_.size() && KindAt(pos) == Kind::Blank) pos = NextChar(pos);
  return pos;
}

size_t EditModel::PrevWord(size_t pos) const {
  pos = Snap(pos);
  while (pos > 0 && KindAt(PrevChar(pos)) == Kind::Blank) pos = PrevChar(pos);
  if (pos == 0) return 0;
  pos = PrevChar(pos);
  const Kind kind = KindAt(pos);
  if (kind == Kind::LineBreak) return pos;
  while (pos > 0 && KindAt(PrevChar(pos)) == kind) pos = PrevChar(pos);
  return pos;
}

std::pair<size_t, size_t> EditModel::WordAt(size_t pos) const {
  if (text_.empty()) return {0, 0};
  pos = pos >= text_.size() ? PrevChar(text_.size()) : Snap(pos);
  const Kind kind = KindAt(pos);
  if (kind == Kind::LineBreak) return {pos, NextChar(pos)};
  size_t start = pos;
  while (start > 0 && KindAt(PrevChar(start)) == kind) start = PrevChar(start);
  size_t end = pos;
  while (end < text_.size() && KindAt(end) == kind) end = NextChar(end);
  while (end < text_.size() && KindAt(end) == Kind::Blank) end = NextChar(end);
  return {start, end};
}

size_t EditModel::LineStart(size_t pos) const {
  if (!multi_line_) return 0;
  pos = std::min(pos, text_.size());
  while (pos >= 2 && !(text_[pos - 2] == '\r' && text_[pos - 1] == '\n')) --pos;
  return pos < 2 ? 0 : pos;
}

size_t EditModel::LineEnd(size_t pos) const {
  if (!multi_line_) return text_.size();
  const size_t found = text_.find("\r\n", LineStart(pos));
  return found == std::string::npos ? text_.size() : found;
}

void EditModel::SetSelection(long start, long end) {
  const size_t length = text_.size();
  auto clamp = [&](long v) { return v < 0 || static_cast<size_t>(v) > length ? length : static_cast<size_t>(v); };
  last_step_ = Step::None;
  if (start < 0) {
    anchor_ = caret_;
    return;
  }
  anchor_ = Snap(clamp(start));
  caret_ = Snap(clamp(end));
}

void EditModel::MoveTo(size_t pos, bool extend) {
  last_step_ = Step::None;
  caret_ = Snap(pos);
  if (!extend) anchor_ = caret_;
}

void EditModel::SelectAll() {
  last_step_ = Step::None;
  anchor_ = 0;
  caret_ = text_.size();
}

void EditModel::SetLimit(size_t bytes) { limit_ = bytes == 0 ? kLargestLimit : bytes; }

void EditModel::BeginStep(Step step) {
  const bool continues = step != Step::None && step == last_step_ && !HasSelection() && caret_ == last_caret_;
  if (!continues) undo_ = Snapshot{text_, anchor_, caret_};
}

void EditModel::EndStep(Step step) {
  last_step_ = step;
  last_caret_ = caret_;
}

void EditModel::Replace(size_t from, size_t to, std::string_view with) {
  text_.replace(from, to - from, with);
  starts_valid_ = false;
  caret_ = anchor_ = from + with.size();
}

bool EditModel::Insert(std::string_view gbk, bool typing) {
  if (gbk.empty()) return DeleteSelection();
  const size_t kept = text_.size() - (SelEnd() - SelStart());
  const size_t room = kept < limit_ ? limit_ - kept : 0;
  if (gbk.size() > room) {
    size_t cut = GbkBoundaryBefore(gbk, room);
    // A CR LF pair stays whole too.
    if (multi_line_ && cut > 0 && cut < gbk.size() && gbk[cut - 1] == '\r' && gbk[cut] == '\n') --cut;
    gbk = gbk.substr(0, cut);
    if (gbk.empty()) return false;
  }
  const Step step = typing ? Step::Typing : Step::None;
  BeginStep(step);
  Replace(SelStart(), SelEnd(), gbk);
  EndStep(step);
  return true;
}

bool EditModel::DeleteSelection() {
  if (!HasSelection()) return false;
  BeginStep(Step::None);
  Replace(SelStart(), SelEnd(), {});
  EndStep(Step::None);
  return true;
}

bool EditModel::DeleteBack() {
  if (HasSelection()) return DeleteSelection();
  if (caret_ == 0) return false;
  BeginStep(Step::DeleteBack);
  Replace(PrevChar(caret_), caret_, {});
  EndStep(Step::DeleteBack);
  return true;
}

bool EditModel::DeleteForward() {
  if (HasSelection()) return DeleteSelection();
  if (caret_ >= text_.size()) return false;
  BeginStep(Step::DeleteForward);
  Replace(caret_, NextChar(caret_), {});
  EndStep(Step::DeleteForward);
  return true;
}

bool EditModel::Undo() {
  if (!undo_) return false;
  Snapshot now{text_, anchor_, caret_};
  text_ = std::move(undo_->text);
  anchor_ = undo_->anchor;
  caret_ = undo_->caret;
  starts_valid_ = false;
  undo_ = std::move(now);
  last_step_ = Step::None;
  return true;
}

void EditModel::ForgetUndo() {
  undo_.reset();
  last_step_ = Step::None;
}

}  // namespace desktop
