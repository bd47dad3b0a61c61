#pragma once
// Installs scripted platform operations for the length of a test and records what the hand-over
// observer saw.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/hand_over_observer.h"
#include "platform/platform_operations.h"
#include "platform/scripted_platform_operations.h"

namespace testing_support {

inline std::vector<std::pair<platform::HandOver, std::string>>& ObservedHandOvers() {
  static std::vector<std::pair<platform::HandOver, std::string>> seen;
  return seen;
}

inline void RecordHandOver(platform::HandOver what, const std::string& text) {
  ObservedHandOvers().emplace_back(what, text);
}

class ScriptedOperationsTest : public testing::Test {
 protected:
  using CallKind = platform::ScriptedPlatformOperations::CallKind;

  void SetUp() override {
    platform::SetPlatformOperations(&operations_);
    ObservedHandOvers().clear();
    platform::SetHandOverObserver(RecordHandOver);
  }
  void TearDown() override {
    platform::SetHandOverObserver(nullptr);
    platform::SetPlatformOperations(nullptr);
  }

  platform::ScriptedPlatformOperations operations_;
};

}  // namespace testing_support
