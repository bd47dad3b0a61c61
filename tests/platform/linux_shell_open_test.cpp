// The real Linux operations against stand-in programs: an xdg-open first on PATH and a browser
// named by a desktop entry, each writing the arguments it received.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "child_watch.h"
#include "platform/hand_over_escape.h"
#include "platform/hand_over_observer.h"
#include "platform/linux_platform_operations.h"
#include "platform/open_address.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::AllChildrenReaped;
using testing_support::Eventually;
using testing_support::ReadZeroSeparated;
using testing_support::ZombieChildren;

// Long enough that a stand-in that ends at once is always seen ending.
constexpr std::chrono::milliseconds kPatientWait{10000};

class LinuxShellOpenTest : public testing::Test {
 protected:
  void SetUp() override {
    bin_ = folder_.path() / "bin";
    fs::create_directories(bin_);
    environment_.Set("PATH", bin_.string());
  }
  void TearDown() override {
    EXPECT_TRUE(AllChildrenReaped());
    EXPECT_EQ(ZombieChildren(), 0);
    platform::SetPlatformOperations(nullptr);
  }

  // A script that records its arguments in the file `record` (written whole, then renamed) and
  // then runs `then`.
  std::string RecordingScript(const std::string& record, const std::string& then = "") const {
    return "#!/bin/sh\n"
           "PATH=/usr/bin:/bin\n"
           "printf '%s\\0' \"$@\" > '" + Path(record + ".part") + "'\n"
           "mv '" + Path(record + ".part") + "' '" + Path(record) + "'\n" + then + "\n";
  }
  void InstallXdgOpen(const std::string& then) {
    folder_.Write("bin/xdg-open", RecordingScript("args", then), /*executable=*/true);
  }
  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
  bool Exists(const std::string& name) const { return fs::exists(folder_.path() / name); }
  std::vector<std::string> RecordedArguments(const std::string& record = "args") {
    EXPECT_TRUE(Eventually([this, record] { return Exists(record); })) << "the stand-in never ran";
    return ReadZeroSeparated(folder_.path() / record);
  }

  testing_support::TempFolder folder_;
  testing_support::ScopedEnvironment environment_;
  fs::path bin_;
};

TEST_F(LinuxShellOpenTest, SuccessWhenXdgOpenExitsZero) {
  InstallXdgOpen("exit 0");
  platform::LinuxPlatformOperations operations(kPatientWait);
  EXPECT_GT(operations.ShellOpen(nullptr, "open", "http://a.cn/x?y=1&z=2", 1), 32);
  EXPECT_EQ(RecordedArguments(), std::vector<std::string>{"http://a.cn/x?y=1&z=2"});
}

TEST_F(LinuxShellOpenTest, RefusalWhenXdgOpenExitsNonZero) {
  for (const char* how : {"exit 1", "exit 3", "exit 4", "kill -9 $$"}) {
    InstallXdgOpen(how);
    platform::LinuxPlatformOperations operations(kPatientWait);
    EXPECT_LE(operations.ShellOpen(nullptr, "open", "http://a.cn/", 1), 32) << how;
  }
}

TEST_F(LinuxShellOpenTest, RefusalWhenXdgOpenIsMissing) {
  platform::LinuxPlatformOperations operations;
  EXPECT_LE(operations.ShellOpen(nullptr, "open", "http://a.cn/", 1), 32);
}

TEST_F(LinuxShellOpenTest, StillRunningAfterTheWaitCountsAsHandedOverAndIsReapedLater) {
  InstallXdgOpen("sleep 2\ntouch '" + Path("finished") + "'");
  platform::LinuxPlatformOperations operations;  // the short wait
  EXPECT_GT(operations.ShellOpen(nullptr, "open", "http://a.cn/", 1), 32);
  EXPECT_FALSE(Exists("finished")) << "the caller waited for the opener to end";
  EXPECT_EQ(platform::UnreapedChildCount(), 1u);

  ASSERT_TRUE(Eventually([this] { return Exists("finished"); }));
  // The next hand-over reaps the one that has ended since.
  InstallXdgOpen("exit 0");
  platform::LinuxPlatformOperations patient(kPatientWait);
  ASSERT_TRUE(Eventually([] { return ZombieChildren() == 1; })) << "the ended opener waits to be reaped";
  patient.ShellOpen(nullptr, "open", "http://a.cn/2", 1);
  EXPECT_EQ(platform::UnreapedChildCount(), 0u);
  EXPECT_EQ(ZombieChildren(), 0);
}

TEST_F(LinuxShellOpenTest, AddressIsEscapedForTheHandOver) {
  InstallXdgOpen("exit 0");
  platform::LinuxPlatformOperations operations(kPatientWait);
  operations.ShellOpen(nullptr, "open", "http://s/?q= a\xd6\xd0\tb ", 1);
  EXPECT_EQ(RecordedArguments(), std::vector<std::string>{"http://s/?q=%20a%D6%D0%09b%20"});
}

// Keywords meant to make a shell run something else.
class HostileKeywordsTest : public LinuxShellOpenTest, public testing::WithParamInterface<std::string> {};

TEST_P(HostileKeywordsTest, ReachXdgOpenAsOneArgumentAndStartNothingElse) {
  InstallXdgOpen("exit 0");
  platform::LinuxPlatformOperations operations(kPatientWait);
  platform::SetPlatformOperations(&operations);
  std::string keywords = GetParam();
  const std::string marker = Path("pwned");
  for (std::size_t at = keywords.find("MARK"); at != std::string::npos; at = keywords.find("MARK")) {
    keywords.replace(at, 4, marker);
  }
  const std::string address = "http://s8.taobao.com/search?q=" + keywords;

  platform::OpenAddress(address.c_str());

  const std::vector<std::string> arguments = RecordedArguments();
  ASSERT_EQ(arguments.size(), 1u);
  EXPECT_EQ(arguments[0], platform::EscapeForHandOver(address));
  for (unsigned char c : arguments[0]) EXPECT_GT(c, 0x20) << "a separating byte reached xdg-open";
  EXPECT_FALSE(Exists("pwned"));
}

INSTANTIATE_TEST_SUITE_P(Keywords, HostileKeywordsTest,
                         testing::Values("$(touch MARK)", "`touch MARK`", "a; touch MARK", "a | touch MARK",
                                         "a && touch MARK", "a' ; touch 'MARK", "a\" ; touch \"MARK",
                                         "a\ntouch MARK", "*", "a > MARK", "$HOME ${PATH}",
                                         "-x --version", "\xd6\xd0\xce\xc4 & # %"));

TEST_F(LinuxShellOpenTest, HostileKeywordsArriveInTheirEscapedForm) {
  InstallXdgOpen("exit 0");
  platform::LinuxPlatformOperations operations(kPatientWait);
  operations.ShellOpen(nullptr, "open", "q=$(id);`id`|a&&b'\"\n*", 1);
  EXPECT_EQ(RecordedArguments(), std::vector<std::string>{"q=$(id);`id`|a&&b'\"%0A*"});
}

// Starting a command line.

class LinuxStartCommandLineTest : public LinuxShellOpenTest {
 protected:
  // A browser in a folder whose name holds a space.
  std::string InstallBrowser() {
    return folder_.Write("my apps/browser", RecordingScript("browser-args"), /*executable=*/true).string();
  }
};

TEST_F(LinuxStartCommandLineTest, StartsTheProgramWithWindowsStyleArguments) {
  const std::string browser = InstallBrowser();
  platform::LinuxPlatformOperations operations;
  const std::string line = "\"" + browser + "\" --new \"two words\" a\\\"b  http://a.cn/x?y=1&z";
  EXPECT_GT(operations.StartCommandLine(line.c_str(), 5), 32);
  EXPECT_EQ(RecordedArguments("browser-args"),
            (std::vector<std::string>{"--new", "two words", "a\"b", "http://a.cn/x?y=1&z"}));
}

TEST_F(LinuxStartCommandLineTest, ProgramIsLookedUpOnPath) {
  folder_.Write("bin/webbrowser", "#!/bin/sh\n/usr/bin/touch '" + Path("args") + "'\n", /*executable=*/true);
  platform::LinuxPlatformOperations operations;
  EXPECT_GT(operations.StartCommandLine("webbrowser http://a.cn/", 5), 32);
  EXPECT_TRUE(Eventually([this] { return Exists("args"); }));
}

TEST_F(LinuxStartCommandLineTest, NothingToStartIsAFailure) {
  platform::LinuxPlatformOperations operations;
  for (const char* line : {"", "   ", "no-such-browser http://a.cn/", "\"/no/such/dir/b\" x"}) {
    EXPECT_LE(operations.StartCommandLine(line, 5), 32) << line;
  }
}

TEST_F(LinuxStartCommandLineTest, ShellCharactersInTheCommandLineAreNotInterpreted) {
  const std::string browser = InstallBrowser();
  platform::LinuxPlatformOperations operations;
  const std::string line = "\"" + browser + "\" ;touch " + Path("pwned") + " $(touch " + Path("pwned") + ")";
  EXPECT_GT(operations.StartCommandLine(line.c_str(), 5), 32);
  EXPECT_EQ(RecordedArguments("browser-args").front(), ";touch");
  EXPECT_FALSE(Exists("pwned"));
}

// The whole fallback on the real operations: the shell refuses, the desktop's default browser is
// started with the address.
TEST_F(LinuxStartCommandLineTest, RefusedLinkOpensInTheDefaultBrowser) {
  InstallXdgOpen("exit 4");
  const std::string browser = InstallBrowser();
  environment_.Set("XDG_CONFIG_HOME", Path("config"));
  environment_.Set("XDG_CONFIG_DIRS", Path("sysconfig"));
  environment_.Set("XDG_DATA_HOME", Path("data"));
  environment_.Set("XDG_DATA_DIRS", Path("sysdata"));
  environment_.Unset("XDG_CURRENT_DESKTOP");
  folder_.Write("config/mimeapps.list", "[Default Applications]\ntext/html=stand-in.desktop\n");
  folder_.Write("data/applications/stand-in.desktop",
                "[Desktop Entry]\nType=Application\nExec=\"" + browser + "\" --new-window %U\n");
  platform::LinuxPlatformOperations operations(kPatientWait);
  platform::SetPlatformOperations(&operations);

  const platform::LinkDescription link{1, nullptr, "http://union.dangdang.com/t.aspx?from=P-1&backurl=http://a"};
  EXPECT_EQ(platform::OpenLinkAddress(link, 5), 1);
  EXPECT_EQ(RecordedArguments("args"), std::vector<std::string>{link.web_address}) << "the shell was asked first";
  EXPECT_EQ(RecordedArguments("browser-args"), (std::vector<std::string>{"--new-window", link.web_address}));
}

}  // namespace
