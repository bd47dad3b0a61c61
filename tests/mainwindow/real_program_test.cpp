// The real program under a private X server: its window, the first frame, a hint and a page
// change by the mouse, a search by the keyboard that reaches xdg-open, and the exit code of Esc.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "drive_process.h"
#include "x_display.h"

namespace mainwindow_test {
namespace {

constexpr unsigned long kPageFill = 0xFCFCFE;
constexpr unsigned long kFrame = 0x91A7B4;
constexpr unsigned long kAccentTop = 0xCF7225;
// The window's drawn surface: the 2-pixel client edge, then the client area.
constexpr int kEdge = 2;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class RealProgram : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = new XDisplay;
    started_ = display_->Start();
  }
  static void TearDownTestSuite() {
    delete display_;
    display_ = nullptr;
  }
  void SetUp() override {
    if (!started_) GTEST_SKIP() << "Xvfb cannot be started here";
  }
  void TearDown() override {
    if (pid_ > 0) WaitForExit(pid_, 0);  // kills a program a failed test left running
  }

  // Starts the program and waits for its first full frame; answers its window.
  unsigned long Launch(const std::vector<std::string>& environment = {}) {
    pid_ = StartProgram({SHOPASSIST_PROGRAM}, display_->Name(), ErrorsPath(), environment);
    EXPECT_GT(pid_, 0);
    unsigned long window = 0;
    const bool shown = WaitUntil(
        [&] {
          for (unsigned long w : display_->WindowsOf(pid_))
            if (display_->Title(w) == "禾朗购物小助手v1.0") window = w;
          return window != 0 && ClientPixel(window, 620, 415) == kPageFill;
        },
        10);
    EXPECT_TRUE(shown) << "no window";
    return window;
  }
  std::optional<unsigned long> ClientPixel(unsigned long window, int x, int y) {
    return display_->Pixel(window, kEdge + x, kEdge + y);
  }
  // A client point of the window on the screen.
  std::pair<int, int> OnScreen(unsigned long window, int x, int y) {
    const XDisplay::Geometry g = display_->GeometryOf(window);
    return {g.x + kEdge + x, g.y + kEdge + y};
  }
  void Key(unsigned long window, const std::string& key) {
    Xdotool({"windowfocus", "--sync", std::to_string(window)}, display_->Name());
    Xdotool({"key", key}, display_->Name());
  }
  int ExitStatus() {
    const int status = WaitForExit(pid_, 10);
    pid_ = -1;
    if (status != 0) ADD_FAILURE() << "the program said on standard error:\n" << ReadAll(ErrorsPath());
    return status;
  }
  static std::string ErrorsPath() { return TemporaryPath("program_errors.txt"); }

  static XDisplay* display_;
  static bool started_;
  pid_t pid_ = -1;
};

XDisplay* RealProgram::display_ = nullptr;
bool RealProgram::started_ = false;

TEST_F(RealProgram, ShowsPageOneCentredAndEscEndsItWithZero) {
  const unsigned long window = Launch();
  ASSERT_NE(window, 0u);
  const XDisplay::Geometry g = display_->GeometryOf(window);
  // 640 x 450 centred on 1024 x 768; the window manager's frame and title bar (3 and 19 pixels)
  // are not drawn by the program.
  EXPECT_EQ(g.width, 634);
  EXPECT_EQ(g.height, 425);
  EXPECT_EQ(g.x, 192 + 3);
  EXPECT_EQ(g.y, 159 + 22);
  EXPECT_EQ(ClientPixel(window, 20, 2), kAccentTop);
  EXPECT_EQ(ClientPixel(window, 300, 47), kFrame);
  Key(window, "Escape");
  EXPECT_EQ(ExitStatus(), 0);
}

TEST_F(RealProgram, HintThenPageChangeByTheMouse) {
  const unsigned long window = Launch();
  ASSERT_NE(window, 0u);
  const auto [x, y] = OnScreen(window, 300, 20);
  Xdotool({"mousemove", std::to_string(x), std::to_string(y)}, display_->Name());
  unsigned long hint = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (unsigned long w : display_->WindowsOf(pid_))
          if (w != window) hint = w;
        return hint != 0;
      },
      5));
  const XDisplay::Geometry h = display_->GeometryOf(hint);
  EXPECT_EQ(h.x, x);
  EXPECT_EQ(h.y, y + 21);

  Xdotool({"click", "1"}, display_->Name());
  EXPECT_TRUE(WaitUntil([&] { return ClientPixel(window, 212, 47) == kPageFill; }, 5));
  EXPECT_EQ(ClientPixel(window, 20, 47), kFrame);
  Key(window, "Escape");
  EXPECT_EQ(ExitStatus(), 0);
}

// xdg-open is a stand-in first on PATH that writes down its arguments.
TEST_F(RealProgram, EnterTwiceHandsTheSearchToTheDesktop) {
  const std::string folder = TemporaryPath("bin");
  mkdir(folder.c_str(), 0700);
  const std::string record = folder + "/opened.txt";
  std::remove(record.c_str());
  {
    std::ofstream script(folder + "/xdg-open");
    script << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << record << "'\n";
  }
  chmod((folder + "/xdg-open").c_str(), 0700);
  const char* path = std::getenv("PATH");
  const unsigned long window = Launch({"PATH=" + folder + ":" + (path != nullptr ? path : "/usr/bin:/bin")});
  ASSERT_NE(window, 0u);
  Xdotool({"windowfocus", "--sync", std::to_string(window)}, display_->Name());
  Xdotool({"type", "mp3"}, display_->Name());
  Xdotool({"key", "Return", "Return"}, display_->Name());
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(record).find("&q=mp3") != std::string::npos; }, 5)) << ReadAll(record);
  EXPECT_EQ(ReadAll(record).rfind("http", 0), 0u) << ReadAll(record);
  Key(window, "Escape");
  EXPECT_EQ(ExitStatus(), 0);
}

}  // namespace
}  // namespace mainwindow_test
