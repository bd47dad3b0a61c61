#include "platform/windows_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::QuoteWindowsArgument;
using platform::SplitWindowsCommandLine;
using Words = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string line;
  Words expected;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitWindowsCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitWindowsCommandLineTest, Splits) {
  EXPECT_EQ(SplitWindowsCommandLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitWindowsCommandLineTest,
    testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"OnlyBlanks", " \t ", {}},
        SplitCase{"ProgramAlone", "browser", {"browser"}},
        SplitCase{"BlanksAroundWords", "  browser \t -a   b  ", {"browser", "-a", "b"}},
        SplitCase{"QuotedProgramWithSpaces", "\"/opt/my browser/run\" http://a/", {"/opt/my browser/run", "http://a/"}},
        SplitCase{"ProgramBackslashesArePlain", "C:\\a\\\"b c\" d", {"C:\\a\\b c", "d"}},
        SplitCase{"QuotesGroup", "p \"a b\" c", {"p", "a b", "c"}},
        SplitCase{"QuotedPartInsideAWord", "p a\"b c\"d", {"p", "ab cd"}},
        SplitCase{"BackslashesNotBeforeAQuoteAreLiteral", "p a\\\\\\b d\"e f\"g h", {"p", "a\\\\\\b", "de fg", "h"}},
        SplitCase{"OddBackslashesBeforeQuoteGiveALiteralQuote", "p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
        SplitCase{"EvenBackslashesBeforeQuoteGroup", "p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
        SplitCase{"TwoQuotesInsideAGroupGiveOneQuote", "p a\"b\"\" c d", {"p", "ab\" c d"}},
        SplitCase{"EmptyQuotedArgument", "p \"\" x", {"p", "", "x"}},
        SplitCase{"UnclosedQuoteRunsToTheEnd", "p \"a b", {"p", "a b"}},
        SplitCase{"TrailingBackslash", "p a\\", {"p", "a\\"}},
        SplitCase{"ShellCharactersAreOrdinary", "p $(x) `y` ; | && *", {"p", "$(x)", "`y`", ";", "|", "&&", "*"}},
        SplitCase{"HighBytesKept", "p \xd6\xd0\xce\xc4", {"p", "\xd6\xd0\xce\xc4"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

class QuoteWindowsArgumentTest : public testing::TestWithParam<std::string> {};

TEST_P(QuoteWindowsArgumentTest, SplitsBackToTheSameArgument) {
  for (bool always : {false, true}) {
    const std::string line = "p " + QuoteWindowsArgument(GetParam(), always) + " end";
    EXPECT_EQ(SplitWindowsCommandLine(line), (Words{"p", GetParam(), "end"})) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Arguments, QuoteWindowsArgumentTest,
                         testing::Values("plain", "", "a b", "tab\there", "a\"b", "\"", "a\\", "a\\\"", "\\\\",
                                         "a\\\\b c\\", "\\\"\\\"", "x\\y\\ z"));

TEST(QuoteWindowsArgument, LeavesPlainArgumentsUnquoted) {
  EXPECT_EQ(QuoteWindowsArgument("--new-window"), "--new-window");
  EXPECT_EQ(QuoteWindowsArgument("C:\\a\\b"), "C:\\a\\b");
  EXPECT_EQ(QuoteWindowsArgument("a b"), "\"a b\"");
}

}  // namespace
