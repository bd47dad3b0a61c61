#include "platform/open_address.h"

#include <gtest/gtest.h>

#include "scripted_operations_fixture.h"

namespace {

using platform::HandOver;
using testing_support::ObservedHandOvers;

class OpenAddressTest : public testing_support::ScriptedOperationsTest {};

TEST_F(OpenAddressTest, AsksTheShellToOpenOnceWithShowNormal) {
  platform::OpenAddress("http://example.com/a?b=1");
  ASSERT_EQ(operations_.CountCalls(CallKind::kShellOpen), 1u);
  const auto& open = operations_.calls.back();
  EXPECT_EQ(open.kind, CallKind::kShellOpen);
  EXPECT_EQ(open.text, "http://example.com/a?b=1");
  EXPECT_EQ(open.verb, "open");
  EXPECT_EQ(open.show, platform::kShowNormal);
}

TEST_F(OpenAddressTest, OwnerIsTheWindowTitledMicrosoftInternetExplorerWhenThereIsOne) {
  int fake_window = 0;
  for (platform::WindowHandle owner : {static_cast<platform::WindowHandle>(nullptr),
                                       static_cast<platform::WindowHandle>(&fake_window)}) {
    operations_.calls.clear();
    operations_.owner_window = owner;
    platform::OpenAddress("http://example.com/");
    ASSERT_EQ(operations_.calls.size(), 2u);
    EXPECT_EQ(operations_.calls[0].kind, CallKind::kFindOwnerWindow);
    EXPECT_EQ(operations_.calls[0].text, "Microsoft Internet Explorer");
    EXPECT_EQ(operations_.calls[1].owner, owner);
    EXPECT_EQ(operations_.calls[1].text, "http://example.com/") << "the address does not depend on the owner";
  }
}

TEST_F(OpenAddressTest, WithoutAnAddressOpensTheEmptyText) {
  platform::OpenAddress();
  ASSERT_EQ(operations_.ShellOpenedFiles(), std::vector<std::string>{""});
}

TEST_F(OpenAddressTest, ARefusalIsIgnoredAndNothingElseIsTried) {
  operations_.shell_result = 2;
  operations_.SetClassDefault(".htm", "web.desktop");
  operations_.SetClassDefault("web.desktop\\shell\\open\\command", "browser \"%1\"");
  platform::OpenAddress("http://example.com/");
  EXPECT_EQ(operations_.CountCalls(CallKind::kShellOpen), 1u);
  EXPECT_EQ(operations_.CountCalls(CallKind::kQueryClassDefault), 0u);
  EXPECT_EQ(operations_.CountCalls(CallKind::kStartCommandLine), 0u);
}

TEST_F(OpenAddressTest, AddressReachesTheShellByteForByte) {
  const std::string address = "http://s/?q=a b&c#d\xd6\xd0\xce\xc4";
  platform::OpenAddress(address.c_str());
  EXPECT_EQ(operations_.ShellOpenedFiles(), std::vector<std::string>{address});
}

TEST_F(OpenAddressTest, ObserverSeesTheAddressAsTheDesktopReceivesIt) {
  platform::OpenAddress("http://s/?q=a b\xd6\xd0");
  ASSERT_EQ(ObservedHandOvers().size(), 1u);
  EXPECT_EQ(ObservedHandOvers()[0].first, HandOver::kOpen);
  EXPECT_EQ(ObservedHandOvers()[0].second, "http://s/?q=a%20b%D6%D0");
}

}  // namespace
