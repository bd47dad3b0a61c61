#include "app/shell_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string& Log() {
  static std::string log;
  return log;
}
void FirstCallback() { Log() += "first;"; }
void SecondCallback() { Log() += "second;"; }
void FrameworkRelease() { Log() += "framework;"; }

class ShellStateTest : public testing::Test {
 protected:
  void SetUp() override {
    app::ResetShellStateForTesting();
    Log().clear();
  }
  void TearDown() override { app::ResetShellStateForTesting(); }
};

TEST_F(ShellStateTest, ExitStepMarksTheEndRunsTheCallbackThenReleasesTheFramework) {
  app::SetExitCallback(FirstCallback);
  app::SetFrameworkRelease(FrameworkRelease);
  EXPECT_FALSE(app::EndHasBegun());
  app::RunExitStep();
  EXPECT_TRUE(app::EndHasBegun());
  EXPECT_EQ(Log(), "first;framework;");
}

TEST_F(ShellStateTest, CallbackRunsOnceAndIsForgotten) {
  app::SetExitCallback(FirstCallback);
  app::RunExitStep();
  app::RunExitStep();
  EXPECT_EQ(Log(), "first;");
}

TEST_F(ShellStateTest, ALaterCallbackReplacesTheEarlier) {
  app::SetExitCallback(FirstCallback);
  app::SetExitCallback(SecondCallback);
  app::RunExitStep();
  EXPECT_EQ(Log(), "second;");
}

TEST_F(ShellStateTest, DroppedCallbackNeverRuns) {
  app::SetExitCallback(FirstCallback);
  app::DropExitCallback();
  app::RunExitStep();
  EXPECT_EQ(Log(), "");
}

TEST_F(ShellStateTest, ExitStepWithoutCallbackOrFramework) {
  app::RunExitStep();
  EXPECT_TRUE(app::EndHasBegun());
  EXPECT_EQ(Log(), "");
}

TEST_F(ShellStateTest, MarkingTheEndLeavesTheCallbackInPlace) {
  app::SetExitCallback(FirstCallback);
  app::MarkEndBegun();
  EXPECT_TRUE(app::EndHasBegun());
  app::RunExitStep();
  EXPECT_EQ(Log(), "first;");
}

}  // namespace
