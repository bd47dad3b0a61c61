// The life of the process in this process: ProgramStart through the event loop to the exit step.
#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "app/fatal_error.h"
#include "app/program_start.h"
#include "app/shell_state.h"
#include "desktop/backends/headless/headless_backend.h"
#include "desktop/window/win_defs.h"
#include "desktop/window/window_system.h"
#include "links/program_texts.h"
#include "ui/loaded_windows.h"

namespace mainwindow_test {
namespace {

using namespace desktop;

int framework_releases = 0;
void CountRelease() { ++framework_releases; }

class ProgramRun : public testing::Test {
 protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    app::ResetShellStateForTesting();
    app::ResetEventLoopForTesting();
    links::ResetProgramTextsForTesting();
    app::SetChangeWorkingDirectory(false);
    app::UseBuiltInDescription();
    framework_releases = 0;
    app::SetFrameworkRelease(CountRelease);
    backend_ = &InstallHeadlessBackend();
  }
  void TearDown() override {
    WindowSystem::Get().Reset();
    app::ResetShellStateForTesting();
    app::ResetEventLoopForTesting();
  }
  HeadlessBackend* backend_ = nullptr;
};

// Input arrives only once the loop waits for it: the key goes to the window the program built.
TEST_F(ProgramRun, EscEndsTheLoopWithExitCodeZeroAndRunsTheExitStep) {
  int asked = 0;
  backend_->SetFeeder([&] {
    ++asked;
    if (asked == 1) backend_->PressKey(VK_ESCAPE);
    return asked == 1;
  });
  EXPECT_EQ(app::RunProgram(), 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(app::EventLoopEntered());
  EXPECT_TRUE(app::EndHasBegun());
  EXPECT_EQ(framework_releases, 1);
  EXPECT_EQ(ui::LoadedWindowCount(), 0u);
}

TEST_F(ProgramRun, TheCloseButtonEndsItTheSameWay) {
  backend_->SetFeeder([&] {
    for (desktop::Window* top : WindowSystem::Get().TopLevels()) backend_->CloseWindow(top);
    return true;
  });
  EXPECT_EQ(app::RunProgram(), 0);
  EXPECT_EQ(framework_releases, 1);
}

TEST_F(ProgramRun, LoopReturnsAtOnceWithoutAWindow) {
  app::RunEventLoop();
  EXPECT_TRUE(app::EventLoopEntered());
  EXPECT_FALSE(WindowSystem::Get().QuitPosted());
}

}  // namespace
}  // namespace mainwindow_test
