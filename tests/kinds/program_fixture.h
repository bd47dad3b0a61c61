#pragma once
// The whole program in this process (test_support::InProcessProgram) for the kinds' tests, with
// their input helpers and reads through ReadControlProperty.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "in_process_program.h"

namespace kinds_test {

using test_support::FatalShown;

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ui::MainWindow& Main() const { return *window_; }
  ui::Control& Named(std::string_view name_utf8) const;
  desktop::Window& WindowOf(std::string_view name_utf8) const { return *Named(name_utf8).window; }
  std::string FocusName() const;  // UTF-8, "none" for none

  void Pump() { program_.Pump(); }
  void Press(int vk, desktop::Modifiers mods = {});
  void Type(std::string_view utf8);
  void Click(std::string_view name_utf8);
  void Focus(std::string_view name_utf8);
  void ShowPage(int page);  // 1 to 3, by a press on its header

  // Through ReadControlProperty, as the search handlers read.
  int Checked(std::string_view name_utf8);
  // The text read (GBK), released at once; "<none>" when none came back.
  std::string TextOf(std::string_view name_utf8);
  // Every address handed to the desktop, as "open ADDRESS" or "openlink ADDRESS".
  std::vector<std::string> HandOvers() const { return program_.HandOvers(); }
  void ClearHandOvers() { program_.ClearHandOvers(); }

  test_support::InProcessProgram program_;
  desktop::HeadlessBackend* backend_ = nullptr;
  platform::ScriptedPlatformOperations& operations_ = program_.operations;
  ui::MainWindow* window_ = nullptr;
};

}  // namespace kinds_test
