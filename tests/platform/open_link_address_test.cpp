#include <gtest/gtest.h>

#include <string>

#include "platform/command_line_cutting.h"
#include "platform/open_address.h"
#include "scripted_operations_fixture.h"

namespace {

using platform::HandOver;
using platform::LinkDescription;
using platform::OpenLinkAddress;
using testing_support::ObservedHandOvers;

constexpr char kCommandKey[] = "web.desktop\\shell\\open\\command";

class OpenLinkAddressTest : public testing_support::ScriptedOperationsTest {
 protected:
  // The shell refuses; the registry names web.desktop and this command for it.
  void RefuseAndRegister(const std::string& command) {
    operations_.shell_result = 31;
    operations_.SetClassDefault(".htm", "web.desktop");
    operations_.SetClassDefault(kCommandKey, command);
  }
  std::vector<std::string> StartedCommandLines() const {
    std::vector<std::string> lines;
    for (const auto& call : operations_.calls) {
      if (call.kind == CallKind::kStartCommandLine) lines.push_back(call.text);
    }
    return lines;
  }
  static LinkDescription Web(const char* address) { return {1, nullptr, address}; }
};

// Choosing the address.

struct ChoiceCase {
  const char* name;
  LinkDescription link;
  const char* expected;  // null: nothing is opened and the result is 0
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class AddressChoiceTest : public OpenLinkAddressTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(AddressChoiceTest, OpensTheChosenAddress) {
  const ChoiceCase& c = GetParam();
  const int result = OpenLinkAddress(c.link, platform::kShow);
  if (c.expected == nullptr) {
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(operations_.calls.empty());
    EXPECT_TRUE(ObservedHandOvers().empty());
  } else {
    EXPECT_EQ(result, 1);
    EXPECT_EQ(operations_.ShellOpenedFiles(), std::vector<std::string>{c.expected});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressChoiceTest,
    testing::Values(
        ChoiceCase{"WebKind", {1, "x@y.cn", "http://a.cn/"}, "http://a.cn/"},
        ChoiceCase{"AnyNonZeroKindIsWeb", {7, "x@y.cn", "http://a.cn/"}, "http://a.cn/"},
        ChoiceCase{"NegativeKindIsWeb", {-1, nullptr, "http://a.cn/"}, "http://a.cn/"},
        ChoiceCase{"WebKindEmptyAddress", {1, "x@y.cn", ""}, nullptr},
        ChoiceCase{"WebKindNullAddress", {1, "x@y.cn", nullptr}, nullptr},
        ChoiceCase{"MailKind", {0, "x@y.cn", "http://a.cn/"}, "mailto:x@y.cn"},
        ChoiceCase{"MailKindEmptyAddress", {0, "", "http://a.cn/"}, nullptr},
        ChoiceCase{"MailKindNullAddress", {0, nullptr, "http://a.cn/"}, nullptr}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

TEST_F(OpenLinkAddressTest, ShellOpenHasNoOwnerAndTheGivenShowCommand) {
  OpenLinkAddress(Web("http://a.cn/"), 5);
  ASSERT_EQ(operations_.calls.size(), 1u);
  EXPECT_EQ(operations_.calls[0].kind, CallKind::kShellOpen);
  EXPECT_EQ(operations_.calls[0].owner, nullptr);
  EXPECT_EQ(operations_.calls[0].verb, "open");
  EXPECT_EQ(operations_.calls[0].show, 5);
}

TEST_F(OpenLinkAddressTest, ShellSuccessNeverReadsTheRegistry) {
  operations_.SetClassDefault(".htm", "web.desktop");
  operations_.SetClassDefault(kCommandKey, "browser \"%1\"");
  for (int code : {33, 42, 1000}) {
    operations_.calls.clear();
    operations_.shell_result = code;
    EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 1) << code;
    EXPECT_EQ(operations_.calls.size(), 1u) << code;
  }
}

TEST_F(OpenLinkAddressTest, ShellCodeOf32IsARefusal) {
  RefuseAndRegister("browser \"%1\"");
  operations_.shell_result = 32;
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 1);
  EXPECT_EQ(StartedCommandLines().size(), 1u);
}

// The fallback: each registry step that fails ends it with the shell's refusal.

struct RegistryCase {
  const char* name;
  const char* class_name;  // null: ".htm" is missing
  const char* command;     // null: the command key is missing
};

void PrintTo(const RegistryCase& c, std::ostream* os) { *os << c.name; }

class RegistryFailureTest : public OpenLinkAddressTest, public testing::WithParamInterface<RegistryCase> {};

TEST_P(RegistryFailureTest, StartsNothingAndReturnsZero) {
  operations_.shell_result = 2;
  if (GetParam().class_name != nullptr) operations_.SetClassDefault(".htm", GetParam().class_name);
  if (GetParam().command != nullptr) operations_.SetClassDefault(kCommandKey, GetParam().command);
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 0);
  EXPECT_TRUE(StartedCommandLines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryFailureTest,
    testing::Values(RegistryCase{"NoWebPageClass", nullptr, "browser \"%1\""},
                    RegistryCase{"NoOpenCommand", "web.desktop", nullptr},
                    RegistryCase{"ClassWithoutCommand", "other.desktop", nullptr},
                    RegistryCase{"EmptyCommand", "web.desktop", ""}),
    [](const testing::TestParamInfo<RegistryCase>& info) { return std::string(info.param.name); });

TEST_F(OpenLinkAddressTest, FallbackReadsWebPageClassThenItsOpenCommand) {
  RefuseAndRegister("browser \"%1\"");
  OpenLinkAddress(Web("http://a.cn/"), 5);
  std::vector<std::string> keys;
  for (const auto& call : operations_.calls) {
    if (call.kind == CallKind::kQueryClassDefault) keys.push_back(call.text);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{".htm", kCommandKey}));
}

// Cutting the command at its placeholder.

struct CutCase {
  const char* name;
  std::string command;
  std::string expected;  // the command line for address A
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class CuttingTest : public OpenLinkAddressTest, public testing::WithParamInterface<CutCase> {};

TEST_P(CuttingTest, StartsTheCutCommandWithTheAddress) {
  RefuseAndRegister(GetParam().command);
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/x?y=1"), 5), 1);
  ASSERT_EQ(StartedCommandLines(), std::vector<std::string>{GetParam().expected});
  EXPECT_EQ(operations_.calls.back().show, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CuttingTest,
    testing::Values(
        CutCase{"QuotedPlaceholderAfterSpaceGivesTwoSpaces", "browser \"%1\"", "browser  http://a.cn/x?y=1"},
        CutCase{"QuotedProgramAndQuotedPlaceholder", "\"C:\\Program Files\\b.exe\" -nohome \"%1\"",
                "\"C:\\Program Files\\b.exe\" -nohome  http://a.cn/x?y=1"},
        CutCase{"ArgumentsAfterQuotedPlaceholderAreDropped", "browser \"%1\" --new-tab --private",
                "browser  http://a.cn/x?y=1"},
        CutCase{"BarePlaceholder", "browser %1", "browser  http://a.cn/x?y=1"},
        CutCase{"BarePlaceholderInsideAWord", "browser -url=%1 -x", "browser -url= http://a.cn/x?y=1"},
        CutCase{"ArgumentsAfterBarePlaceholderAreDropped", "browser %1 -x", "browser  http://a.cn/x?y=1"},
        CutCase{"NoPlaceholderAppendsOneSpaceAndTheAddress", "browser -new", "browser -new http://a.cn/x?y=1"},
        CutCase{"QuotedPlaceholderWinsOverAnEarlierBareOne", "b %1 \"%1\"", "b %1  http://a.cn/x?y=1"},
        CutCase{"PlaceholderAtTheStartLeavesOnlyTheAddress", "\"%1\" b", " http://a.cn/x?y=1"},
        CutCase{"OtherPercentCodesStay", "b %2 \"%1\"", "b %2  http://a.cn/x?y=1"},
        // A quote that is the second byte of a double-byte character does not open a placeholder.
        CutCase{"QuoteInsideADoubleByteCharacter", "b\x81\"%1\"", "b\x81\" http://a.cn/x?y=1"},
        CutCase{"QuoteAfterACompleteDoubleByteCharacter", "b\x81\x81\"%1\"", "b\x81\x81 http://a.cn/x?y=1"}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST_F(OpenLinkAddressTest, RefusedMailAddressGoesToTheWebPageCommand) {
  RefuseAndRegister("browser \"%1\"");
  EXPECT_EQ(OpenLinkAddress({0, "x@y.cn", nullptr}, 5), 1);
  EXPECT_EQ(StartedCommandLines(), std::vector<std::string>{"browser  mailto:x@y.cn"});
}

TEST_F(OpenLinkAddressTest, ResultFollowsTheStartedCommand) {
  RefuseAndRegister("browser \"%1\"");
  for (const auto& [code, expected] : std::vector<std::pair<int, int>>{{33, 1}, {42, 1}, {32, 0}, {2, 0}, {0, 0}}) {
    operations_.start_result = code;
    EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), expected) << code;
  }
}

// Buffer limits.

TEST_F(OpenLinkAddressTest, RegistryValueOf259BytesFitsAnd260DoesNot) {
  const std::string command_259 = "b" + std::string(258, 'x');
  RefuseAndRegister(command_259);
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 1);
  EXPECT_EQ(StartedCommandLines(), std::vector<std::string>{command_259 + " http://a.cn/"});

  operations_.calls.clear();
  operations_.SetClassDefault(kCommandKey, command_259 + "x");
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 0);
  EXPECT_TRUE(StartedCommandLines().empty());
}

TEST_F(OpenLinkAddressTest, ClassNameOf259BytesFitsAnd260DoesNot) {
  operations_.shell_result = 2;
  const std::string class_259(259, 'c');
  operations_.SetClassDefault(".htm", class_259);
  operations_.SetClassDefault(class_259 + "\\shell\\open\\command", "b");
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 1);

  const std::string class_260(260, 'c');
  operations_.SetClassDefault(".htm", class_260);
  operations_.SetClassDefault(class_260 + "\\shell\\open\\command", "b");
  operations_.calls.clear();
  EXPECT_EQ(OpenLinkAddress(Web("http://a.cn/"), 5), 0);
  EXPECT_TRUE(StartedCommandLines().empty());
}

TEST_F(OpenLinkAddressTest, CommandLineOf519BytesStartsAnd520DoesNot) {
  RefuseAndRegister("browser \"%1\"");  // cut: "browser " (8 bytes), then one more space
  const std::string address_510 = "http://a/" + std::string(501, 'p');
  EXPECT_EQ(OpenLinkAddress(Web(address_510.c_str()), 5), 1);
  ASSERT_EQ(StartedCommandLines().size(), 1u);
  EXPECT_EQ(StartedCommandLines()[0].size(), platform::kMaxCommandLine);

  operations_.calls.clear();
  const std::string address_511 = address_510 + "p";
  EXPECT_EQ(OpenLinkAddress(Web(address_511.c_str()), 5), 0);
  EXPECT_TRUE(StartedCommandLines().empty());
}

TEST_F(OpenLinkAddressTest, ObserverSeesTheOpenAndTheStartedCommandLine) {
  RefuseAndRegister("browser \"%1\"");
  OpenLinkAddress(Web("http://a.cn/ x"), 5);
  ASSERT_EQ(ObservedHandOvers().size(), 2u);
  EXPECT_EQ(ObservedHandOvers()[0], std::make_pair(HandOver::kOpenLink, std::string("http://a.cn/%20x")));
  EXPECT_EQ(ObservedHandOvers()[1], std::make_pair(HandOver::kExec, std::string("browser  http://a.cn/ x")));
}

}  // namespace
