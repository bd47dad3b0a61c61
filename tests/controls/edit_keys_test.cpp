// The edit control driven by keys and typed text through the window system: one row per action
// with the text, selection and clipboard before and after. Texts are GBK; typed and clipboard
// texts are UTF-8 as the desktop hands them over.
#include <optional>

#include "desktop/controls/edit_control.h"

#include "controls_fixture.h"

namespace controls_test {
namespace {

// GBK: 中 文, and 丄 and 乤 whose second bytes are the letters 'A' and 'a'; UTF-8 of the same.
#define ZH "\xD6\xD0"
#define WEN "\xCE\xC4"
#define K81 "\x81\x41"
#define K81A "\x81\x61"
#define U_ZH "\xE4\xB8\xAD"
#define U_WEN "\xE6\x96\x87"
#define U_K81 "\xE4\xB8\x84"
#define U_K81A "\xE4\xB9\xA4"

struct Input {
  int vk = 0;  // 0: typed text
  Modifiers mods;
  std::string text;
};
Input K(int vk, Modifiers mods = {}) { return {vk, mods, {}}; }
Input T(std::string utf8) { return {0, {}, std::move(utf8)}; }
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kCtrl{.ctrl = true};
constexpr Modifiers kCtrlShift{.ctrl = true, .shift = true};

struct EditCase {
  const char* name;
  std::uint32_t style;
  std::string text;
  long anchor;
  long caret;
  size_t limit;           // 0: the largest
  std::string clipboard;  // UTF-8, before
  std::vector<Input> inputs;
  std::string want_text;
  size_t want_anchor;
  size_t want_caret;
  std::optional<std::string> want_clipboard = std::nullopt;  // UTF-8; not checked when absent
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class EditKeys : public ControlsTest, public testing::WithParamInterface<EditCase> {};

TEST_P(EditKeys, TextSelectionAndClipboard) {
  const EditCase& c = GetParam();
  EditControl* edit = Make<EditControl>(c.style, Rect::FromSize(10, 10, 200, 20), c.text);
  edit->SendMessage(EM_LIMITTEXT, c.limit);
  edit->SendMessage(EM_SETSEL, static_cast<std::uintptr_t>(c.anchor), c.caret);
  backend_->SetClipboardText(c.clipboard);
  edit->SetFocus();
  for (const Input& in : c.inputs) {
    if (in.vk != 0)
      backend_->PressKey(in.vk, in.mods);
    else
      backend_->TypeText(in.text);
  }
  Pump();
  EXPECT_EQ(edit->Text(), c.want_text);
  EXPECT_EQ(edit->Model().Anchor(), c.want_anchor);
  EXPECT_EQ(edit->Caret(), c.want_caret);
  if (c.want_clipboard) {
    EXPECT_EQ(backend_->ClipboardText(), *c.want_clipboard);
  }
}

const EditCase kEditCases[] = {
    // typing
    {"TypeAscii", 0, "", 0, 0, 0, "", {T("ab")}, "ab", 2, 2},
    {"TypeChinese", 0, "a", 1, 1, 0, "", {T(U_ZH)}, "a" ZH, 3, 3},
    {"TypeReplacesSelection", 0, "abcd", 1, 3, 0, "", {T("x")}, "axd", 2, 2},
    {"TypedControlCharactersDropped", 0, "", 0, 0, 0, "", {T("a\tb\x7f")}, "ab", 2, 2},
    {"UnknownToGbkBecomesQuestionMark", 0, "", 0, 0, 0, "", {T("\xF0\x9F\x98\x80")}, "?", 1, 1},
    // caret and selection
    {"LeftOverDoubleByte", 0, "a" ZH "b", 3, 3, 0, "", {K(VK_LEFT)}, "a" ZH "b", 1, 1},
    {"RightOverDoubleByte", 0, "a" ZH "b", 1, 1, 0, "", {K(VK_RIGHT)}, "a" ZH "b", 3, 3},
    {"LeftOverLetterTrailByte", 0, "x" K81, 3, 3, 0, "", {K(VK_LEFT)}, "x" K81, 1, 1},
    {"ShiftLeftSelectsDoubleByte", 0, "a" ZH, 3, 3, 0, "", {K(VK_LEFT, kShift)}, "a" ZH, 3, 1},
    {"LeftWithSelectionStepsFromCaret", 0, "abcd", 0, 3, 0, "", {K(VK_LEFT)}, "abcd", 2, 2},
    {"EndThenHome", 0, "abc", 1, 1, 0, "", {K(VK_END), K(VK_HOME)}, "abc", 0, 0},
    {"ShiftHomeSelectsToStart", 0, "abc", 2, 2, 0, "", {K(VK_HOME, kShift)}, "abc", 2, 0},
    {"ShiftEndSelectsToEnd", 0, "a" ZH, 1, 1, 0, "", {K(VK_END, kShift)}, "a" ZH, 1, 3},
    {"CtrlRightToNextWord", 0, "ab cd", 0, 0, 0, "", {K(VK_RIGHT, kCtrl)}, "ab cd", 3, 3},
    {"CtrlLeftToWordStart", 0, "ab cd", 5, 5, 0, "", {K(VK_LEFT, kCtrl)}, "ab cd", 3, 3},
    {"CtrlShiftRightSelectsWord", 0, "ab cd", 0, 0, 0, "", {K(VK_RIGHT, kCtrlShift)}, "ab cd", 0, 3},
    {"CtrlRightOverChineseRun", 0, ZH WEN " ab", 0, 0, 0, "", {K(VK_RIGHT, kCtrl)}, ZH WEN " ab", 5, 5},
    {"DownAndUpStepOnOneLine", 0, "a" ZH "b", 1, 1, 0, "", {K(VK_DOWN), K(VK_DOWN), K(VK_UP)}, "a" ZH "b", 3, 3},
    {"CtrlASelectsAll", 0, "a" ZH, 1, 1, 0, "", {K('A', kCtrl)}, "a" ZH, 0, 3},
    // deleting
    {"BackspaceRemovesDoubleByte", 0, "a" ZH "b", 3, 3, 0, "", {K(VK_BACK)}, "ab", 1, 1},
    {"DeleteRemovesDoubleByte", 0, "a" ZH "b", 1, 1, 0, "", {K(VK_DELETE)}, "ab", 1, 1},
    {"BackspaceTakesSelection", 0, "abcd", 1, 3, 0, "", {K(VK_BACK)}, "ad", 1, 1},
    {"BackspaceOverMalformedLeadByte", 0, "a\x81", 2, 2, 0, "", {K(VK_BACK)}, "a", 1, 1},
    // clipboard
    {"CtrlCCopiesUtf8", 0, "a" ZH "b", 0, 3, 0, "old", {K('C', kCtrl)}, "a" ZH "b", 0, 3, "a" U_ZH},
    {"CtrlXCuts", 0, "a" ZH "b", 1, 3, 0, "old", {K('X', kCtrl)}, "ab", 1, 1, U_ZH},
    {"CtrlVPastesAsGbk", 0, "ab", 1, 1, 0, "x" U_ZH, {K('V', kCtrl)}, "ax" ZH "b", 4, 4, "x" U_ZH},
    {"PasteTakesFirstLineOnly", 0, "", 0, 0, 0, "one\r\ntwo", {K('V', kCtrl)}, "one", 3, 3},
    {"PasteReplacesSelection", 0, "abcd", 1, 3, 0, "x", {K('V', kCtrl)}, "axd", 2, 2},
    {"ShiftInsertPastes", 0, "", 0, 0, 0, "xy", {K(VK_INSERT, kShift)}, "xy", 2, 2},
    {"CtrlInsertCopies", 0, "abc", 0, 2, 0, "", {K(VK_INSERT, kCtrl)}, "abc", 0, 2, "ab"},
    {"ShiftDeleteCuts", 0, "abc", 0, 2, 0, "", {K(VK_DELETE, kShift)}, "c", 0, 0, "ab"},
    {"CopyWithoutSelectionKeepsClipboard", 0, "abc", 1, 1, 0, "old", {K('C', kCtrl)}, "abc", 1, 1, "old"},
    // undo
    {"CtrlZUndoesTyping", 0, "", 0, 0, 0, "", {T("a"), T("b"), K('Z', kCtrl)}, "", 0, 0},
    {"CtrlZTwiceRedoes", 0, "", 0, 0, 0, "", {T("ab"), K('Z', kCtrl), K('Z', kCtrl)}, "ab", 2, 2},
    {"CtrlZUndoesPaste", 0, "ab", 2, 2, 0, "xyz", {K('V', kCtrl), K('Z', kCtrl)}, "ab", 2, 2},
    {"CtrlZUndoesCut", 0, "abc", 0, 2, 0, "", {K('X', kCtrl), K('Z', kCtrl)}, "abc", 0, 2},
    // the typing limit
    {"TypingBeyondLimitRefused", 0, "ab", 2, 2, 3, "", {T(U_ZH)}, "ab", 2, 2},
    {"TypingUpToLimit", 0, "ab", 2, 2, 4, "", {T(U_ZH), T("x")}, "ab" ZH, 4, 4},
    {"PasteCutAtCharacterBoundary", 0, "ab", 2, 2, 4, "x" U_ZH "y", {K('V', kCtrl)}, "abx", 3, 3},
    {"ComposedTextCutAtLimit", 0, "", 0, 0, 4, "", {T(U_ZH U_WEN "x")}, ZH WEN, 4, 4},
    {"SelectionMakesRoom", 0, "abcd", 0, 2, 4, "", {T(U_ZH)}, ZH "cd", 2, 2},
    // styles
    {"UppercaseLeavesLetterTrailByte", ES_UPPERCASE, "", 0, 0, 0, "", {T("aB" U_K81A)}, "AB" K81A, 4, 4},
    {"LowercaseLeavesLetterTrailByte", ES_LOWERCASE, "", 0, 0, 0, "", {T("Ab" U_K81)}, "ab" K81, 4, 4},
    {"UppercaseAppliesToPaste", ES_UPPERCASE, "", 0, 0, 0, "ab", {K('V', kCtrl)}, "AB", 2, 2},
    {"ReadOnlyRefusesEditing", ES_READONLY, "abc", 3, 3, 0, "x",
     {T("z"), K(VK_BACK), K('V', kCtrl), K('X', kCtrl), K(VK_DELETE)}, "abc", 3, 3, "x"},
    {"ReadOnlyStillCopies", ES_READONLY, "abc", 0, 3, 0, "", {K('C', kCtrl)}, "abc", 0, 3, "abc"},
    {"ReadOnlyCaretMoves", ES_READONLY, "abc", 0, 0, 0, "", {K(VK_END)}, "abc", 3, 3},
    {"PasswordRefusesCopyAndCut", ES_PASSWORD, "secret", 0, 6, 0, "old", {K('C', kCtrl), K('X', kCtrl)}, "secret", 0,
     6, "old"},
    {"PasswordTypes", ES_PASSWORD, "", 0, 0, 0, "", {T("pw")}, "pw", 2, 2},
    {"EnterIsNotOneLineBoxes", 0, "ab", 2, 2, 0, "", {K(VK_RETURN)}, "ab", 2, 2},
    // multi-line
    {"MultiLineEnterBreaksLine", ES_MULTILINE, "ab", 1, 1, 0, "", {K(VK_RETURN)}, "a\r\nb", 3, 3},
    {"MultiLineDownKeepsColumn", ES_MULTILINE, "ab\r\ncd", 1, 1, 0, "", {K(VK_DOWN)}, "ab\r\ncd", 5, 5},
    {"MultiLineDownOverShortLineKeepsGoal", ES_MULTILINE, "abcd\r\nx\r\nabcd", 3, 3, 0, "",
     {K(VK_DOWN), K(VK_DOWN)}, "abcd\r\nx\r\nabcd", 12, 12},
    {"MultiLineHomeEndOfLine", ES_MULTILINE, "ab\r\ncd", 5, 5, 0, "", {K(VK_HOME), K(VK_END, kShift)}, "ab\r\ncd", 4,
     6},
    {"MultiLineCtrlEndGoesToTextEnd", ES_MULTILINE, "ab\r\ncd", 0, 0, 0, "", {K(VK_END, kCtrl)}, "ab\r\ncd", 6, 6},
    {"MultiLineBackspaceJoinsLines", ES_MULTILINE, "ab\r\ncd", 4, 4, 0, "", {K(VK_BACK)}, "abcd", 2, 2},
    {"MultiLinePasteKeepsLineBreaks", ES_MULTILINE, "", 0, 0, 0, "a\nb", {K('V', kCtrl)}, "a\r\nb", 4, 4},
};

INSTANTIATE_TEST_SUITE_P(Table, EditKeys, testing::ValuesIn(kEditCases),
                         [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace controls_test
