#pragma once
// The text of an edit control and what editing does to it, apart from any window: the GBK bytes,
// the caret and the selection anchor (byte offsets, always on character boundaries, never inside
// a double-byte character), the typing limit, one step of undo, and the character, word and line
// steps the keys and the mouse use. In a multi-line text a CR LF pair counts as one character.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace desktop {

class EditModel {
 public:
  // The most bytes a user may enter: the platform's limit, and what a limit of 0 stands for.
  static constexpr size_t kLargestLimit = 0x7FFE;

  explicit EditModel(bool multi_line = false) : multi_line_(multi_line) {}

  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool multi_line);

  const std::string& Text() const { return text_; }
  // Replaces the whole text, beyond the limit too (as setting a window text does); the caret goes
  // to the start without a selection and the undo step is forgotten.
  void SetText(std::string_view gbk);

  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  size_t SelStart() const { return std::min(anchor_, caret_); }
  size_t SelEnd() const { return std::max(anchor_, caret_); }
  bool HasSelection() const { return anchor_ != caret_; }
  std::string_view SelectedText() const;

  // Selects from `start` to `end`, the caret at `end`; an `end` of -1 or beyond the text means its
  // end; a `start` of -1 removes the selection and keeps the caret. A position inside a character
  // moves to the character's start.
  void SetSelection(long start, long end);
  // Puts the caret at `pos` (snapped to a boundary); with `extend` the anchor stays where it is.
  void MoveTo(size_t pos, bool extend);
  void SelectAll();

  // Character boundaries.
  size_t Snap(size_t pos) const;  // the boundary at or before pos
  size_t NextChar(size_t pos) const;
  size_t PrevChar(size_t pos) const;
  // The start of the next word (after the blanks that follow this one), and of this or the previous
  // word. Words are runs of one kind: single-byte characters, double-byte characters, blanks.
  size_t NextWord(size_t pos) const;
  size_t PrevWord(size_t pos) const;
  // The word holding the character that starts at or covers `pos`, with the blanks after it (a
  // double-click); blanks alone when the character is a blank.
  std::pair<size_t, size_t> WordAt(size_t pos) const;
  // The line holding `pos`: its first byte and the byte of its CR LF (or the end of the text).
  size_t LineStart(size_t pos) const;
  size_t LineEnd(size_t pos) const;

  size_t Limit() const { return limit_; }
  // 0 means kLargestLimit. The text already there is not cut.
  void SetLimit(size_t bytes);

  // Editing: each answers whether the text changed.
  // Puts `gbk` in place of the selection, cut at a character boundary so that the text stays
  // within the limit; nothing happens when none of it fits. Typed text (`typing`) that follows
  // typed text joins its undo step.
  bool Insert(std::string_view gbk, bool typing = false);
  bool DeleteSelection();
  // The selection, or the character before (Backspace) or after (Delete) the caret.
  bool DeleteBack();
  bool DeleteForward();

  // Undo puts back the text and selection from before the last editing step; a second undo redoes it.
  bool CanUndo() const { return undo_.has_value(); }
  bool Undo();
  void ForgetUndo();

 private:
  enum class Step { None, Typing, DeleteBack, DeleteForward };
  enum class Kind { Blank, LineBreak, Wide, Narrow };
  struct Snapshot {
    std::string text;
    size_t anchor = 0;
    size_t caret = 0;
  };

  // Every character start plus the text's end.
  const std::vector<size_t>& Starts() const;
  Kind KindAt(size_t pos) const;
  // Before an editing step: keep the state for undo unless the step continues the last one.
  void BeginStep(Step step);
  void EndStep(Step step);
  void Replace(size_t from, size_t to, std::string_view with);

  std::string text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  size_t limit_ = kLargestLimit;
  bool multi_line_ = false;
  std::optional<Snapshot> undo_;
  Step last_step_ = Step::None;
  size_t last_caret_ = 0;
  mutable std::vector<size_t> starts_;
  mutable bool starts_valid_ = false;
};

}  // namespace desktop
