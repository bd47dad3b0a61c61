// The edit control's text model: character, word and line steps that never split a double-byte
// GBK character, editing within the typing limit, and the one step of undo.
#include "desktop/controls/edit_model.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace desktop {
namespace {

// GBK bytes of a few characters: 中 文 and 丄, whose second byte is the letter 'A'.
#define ZH "\xD6\xD0"
#define WEN "\xCE\xC4"
#define K81 "\x81\x41"

struct ModelCase {
  const char* name;
  std::string text;
  size_t anchor;
  size_t caret;
  size_t limit;  // 0: the largest
  bool multi_line;
  std::function<bool(EditModel&)> action;  // answers whether the text changed
  std::string want_text;
  size_t want_anchor;
  size_t want_caret;
  bool want_changed;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

class EditModelActions : public testing::TestWithParam<ModelCase> {};

TEST_P(EditModelActions, LeavesTextAndSelection) {
  const ModelCase& c = GetParam();
  EditModel model(c.multi_line);
  model.SetText(c.text);
  model.SetLimit(c.limit);
  model.SetSelection(static_cast<long>(c.anchor), static_cast<long>(c.caret));
  const bool changed = c.action(model);
  EXPECT_EQ(model.Text(), c.want_text);
  EXPECT_EQ(model.Anchor(), c.want_anchor);
  EXPECT_EQ(model.Caret(), c.want_caret);
  EXPECT_EQ(changed, c.want_changed);
}

bool Move(EditModel& m, size_t pos, bool extend = false) {
  m.MoveTo(pos, extend);
  return false;
}

const ModelCase kModelCases[] = {
    {"RightStepsOverDoubleByte", "a" ZH "b", 1, 1, 0, false, [](EditModel& m) { return Move(m, m.NextChar(1)); },
     "a" ZH "b", 3, 3, false},
    {"LeftStepsOverDoubleByte", "a" ZH "b", 3, 3, 0, false, [](EditModel& m) { return Move(m, m.PrevChar(3)); },
     "a" ZH "b", 1, 1, false},
    {"TrailByteThatIsALetterIsNoBoundary", "x" K81 "y", 3, 3, 0, false,
     [](EditModel& m) { return Move(m, m.PrevChar(3)); }, "x" K81 "y", 1, 1, false},
    {"SelectionInsideCharacterSnapsToItsStart", "a" ZH "b", 0, 0, 0, false,
     [](EditModel& m) {
       m.SetSelection(2, 4);
       return false;
     },
     "a" ZH "b", 1, 4, false},
    {"ShiftExtendsFromAnchor", "a" ZH "b", 1, 1, 0, false, [](EditModel& m) { return Move(m, 4, true); },
     "a" ZH "b", 1, 4, false},
    {"BackspaceRemovesWholeDoubleByte", "a" ZH "b", 3, 3, 0, false, [](EditModel& m) { return m.DeleteBack(); },
     "ab", 1, 1, true},
    {"DeleteRemovesWholeDoubleByte", "a" ZH "b", 1, 1, 0, false, [](EditModel& m) { return m.DeleteForward(); },
     "ab", 1, 1, true},
    {"BackspaceRemovesCharacterWithLetterTrail", "x" K81, 3, 3, 0, false,
     [](EditModel& m) { return m.DeleteBack(); }, "x", 1, 1, true},
    {"BackspaceAtStartDoesNothing", "ab", 0, 0, 0, false, [](EditModel& m) { return m.DeleteBack(); }, "ab", 0, 0,
     false},
    {"DeleteAtEndDoesNothing", "ab", 2, 2, 0, false, [](EditModel& m) { return m.DeleteForward(); }, "ab", 2, 2,
     false},
    {"BackspaceTakesTheSelection", "abcd", 3, 1, 0, false, [](EditModel& m) { return m.DeleteBack(); }, "ad", 1, 1,
     true},
    {"InsertReplacesSelection", "abcd", 1, 3, 0, false, [](EditModel& m) { return m.Insert(ZH); },
     "a" ZH "d", 3, 3, true},
    {"InsertCutAtCharacterBoundaryByLimit", "abc", 3, 3, 6, false, [](EditModel& m) { return m.Insert(ZH WEN); },
     "abc" ZH, 5, 5, true},
    {"InsertOfWhichNothingFitsIsRefused", "abc", 3, 3, 4, false, [](EditModel& m) { return m.Insert(ZH); }, "abc",
     3, 3, false},
    {"LimitCountsTheReplacedSelectionAsRoom", "abcd", 1, 3, 4, false, [](EditModel& m) { return m.Insert(ZH WEN); },
     "a" ZH "d", 3, 3, true},
    {"TextAboveLimitTakesNothingMore", "abcdef", 6, 6, 4, false, [](EditModel& m) { return m.Insert("x"); },
     "abcdef", 6, 6, false},
    {"LimitZeroMeansLargest", std::string(EditModel::kLargestLimit - 1, 'a'), 0, 0, 0, false,
     [](EditModel& m) { return m.Insert("xy"); }, "x" + std::string(EditModel::kLargestLimit - 1, 'a'), 1, 1, true},
    {"CtrlRightGoesToNextWordPastBlanks", "ab  cd", 0, 0, 0, false,
     [](EditModel& m) { return Move(m, m.NextWord(0)); }, "ab  cd", 4, 4, false},
    {"CtrlRightStopsWhereDoubleBytesStart", "ab" ZH WEN "cd", 0, 0, 0, false,
     [](EditModel& m) { return Move(m, m.NextWord(0)); }, "ab" ZH WEN "cd", 2, 2, false},
    {"CtrlRightOverDoubleByteRun", "ab" ZH WEN "cd", 2, 2, 0, false,
     [](EditModel& m) { return Move(m, m.NextWord(2)); }, "ab" ZH WEN "cd", 6, 6, false},
    {"CtrlLeftGoesToWordStartOverBlanks", "ab  cd", 4, 4, 0, false,
     [](EditModel& m) { return Move(m, m.PrevWord(4)); }, "ab  cd", 0, 0, false},
    {"CtrlLeftFromInsideWord", "ab cde", 5, 5, 0, false, [](EditModel& m) { return Move(m, m.PrevWord(5)); },
     "ab cde", 3, 3, false},
    {"SetSelectionMinusOneEndSelectsToEnd", "abc", 0, 0, 0, false,
     [](EditModel& m) {
       m.SetSelection(1, -1);
       return false;
     },
     "abc", 1, 3, false},
    {"SetSelectionMinusOneStartDropsSelection", "abc", 0, 2, 0, false,
     [](EditModel& m) {
       m.SetSelection(-1, 0);
       return false;
     },
     "abc", 2, 2, false},
    {"SetSelectionBackwardsPutsCaretAtEndArgument", "abcd", 0, 0, 0, false,
     [](EditModel& m) {
       m.SetSelection(3, 1);
       return false;
     },
     "abcd", 3, 1, false},
    {"MultiLineRightStepsOverCrLf", "a\r\nb", 1, 1, 0, true, [](EditModel& m) { return Move(m, m.NextChar(1)); },
     "a\r\nb", 3, 3, false},
    {"MultiLineBackspaceRemovesCrLf", "a\r\nb", 3, 3, 0, true, [](EditModel& m) { return m.DeleteBack(); }, "ab", 1,
     1, true},
    {"MultiLineLimitNeverSplitsCrLf", "ab", 2, 2, 3, true, [](EditModel& m) { return m.Insert("\r\nc"); }, "ab", 2,
     2, false},
    {"MultiLineHomeAndEndOfLine", "ab\r\ncd\r\nef", 5, 5, 0, true,
     [](EditModel& m) {
       m.SetSelection(static_cast<long>(m.LineStart(5)), static_cast<long>(m.LineEnd(5)));
       return false;
     },
     "ab\r\ncd\r\nef", 4, 6, false},
};

INSTANTIATE_TEST_SUITE_P(Table, EditModelActions, testing::ValuesIn(kModelCases),
                         [](const testing::TestParamInfo<ModelCase>& info) { return std::string(info.param.name); });

struct WordCase {
  std::string text;
  size_t at;
  size_t want_start;
  size_t want_end;
};

TEST(EditModelWordAt, SelectsWordWithTrailingBlanks) {
  const WordCase cases[] = {
      {"hello world", 1, 0, 6},
      {"hello world", 8, 6, 11},
      {"hello   world", 6, 5, 8},              // blanks alone
      {"ab" ZH WEN " cd", 4, 2, 7},          // the double-byte run and its blank
      {"ab" ZH WEN " cd", 3, 2, 7},          // inside a character: the character's word
      {"abc", 3, 0, 3},                      // past the end: the last word
      {"", 0, 0, 0},
  };
  for (const WordCase& c : cases) {
    EditModel model;
    model.SetText(c.text);
    const auto [start, end] = model.WordAt(c.at);
    EXPECT_EQ(start, c.want_start) << c.text << " at " << c.at;
    EXPECT_EQ(end, c.want_end) << c.text << " at " << c.at;
  }
}

TEST(EditModelUndo, TypingRunIsOneStepAndUndoTwiceRedoes) {
  EditModel model;
  model.SetText("x");
  model.MoveTo(1, false);
  model.Insert("a", true);
  model.Insert("b", true);
  model.Insert(ZH, true);
  ASSERT_EQ(model.Text(), "xab" ZH);
  ASSERT_TRUE(model.Undo());
  EXPECT_EQ(model.Text(), "x");
  EXPECT_EQ(model.Caret(), 1u);
  ASSERT_TRUE(model.Undo());
  EXPECT_EQ(model.Text(), "xab" ZH);
}

TEST(EditModelUndo, CaretMoveStartsANewStep) {
  EditModel model;
  model.Insert("ab", true);
  model.MoveTo(0, false);
  model.Insert("c", true);
  ASSERT_EQ(model.Text(), "cab");
  model.Undo();
  EXPECT_EQ(model.Text(), "ab");
}

TEST(EditModelUndo, PasteAfterTypingIsItsOwnStep) {
  EditModel model;
  model.Insert("ab", true);
  model.Insert("cd");
  model.Undo();
  EXPECT_EQ(model.Text(), "ab");
}

TEST(EditModelUndo, BackspaceRunIsOneStep) {
  EditModel model;
  model.SetText("abcd");
  model.MoveTo(4, false);
  model.DeleteBack();
  model.DeleteBack();
  ASSERT_EQ(model.Text(), "ab");
  model.Undo();
  EXPECT_EQ(model.Text(), "abcd");
  EXPECT_EQ(model.Caret(), 4u);
}

TEST(EditModelUndo, SetTextForgetsUndo) {
  EditModel model;
  model.Insert("ab", true);
  ASSERT_TRUE(model.CanUndo());
  model.SetText("new");
  EXPECT_FALSE(model.CanUndo());
  EXPECT_FALSE(model.Undo());
  EXPECT_EQ(model.Text(), "new");
}

}  // namespace
}  // namespace desktop
