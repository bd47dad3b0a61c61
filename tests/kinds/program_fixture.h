#pragma once
// The whole program in this process on the headless backend: the built-in description loaded,
// the main window built, a scripted desktop recording every address handed over, and a fatal error
// turned into an exception the test can catch.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "desktop/backends/headless/headless_backend.h"
#include "desktop/window/window_system.h"
#include "platform/scripted_platform_operations.h"
#include "ui/kinds.h"
#include "ui/main_window.h"

namespace kinds_test {

struct FatalShown {
  std::string text_gbk;
};

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ui::MainWindow& Main() const { return *window_; }
  ui::Control& Named(std::string_view name_utf8) const;
  desktop::Window& WindowOf(std::string_view name_utf8) const { return *Named(name_utf8).window; }
  std::string FocusName() const;  // UTF-8, "none" for none

  void Pump() { desktop::WindowSystem::Get().PumpPending(); }
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
  std::vector<std::string> HandOvers() const;
  void ClearHandOvers();

  desktop::HeadlessBackend* backend_ = nullptr;
  platform::ScriptedPlatformOperations operations_;
  ui::MainWindow* window_ = nullptr;
};

}  // namespace kinds_test
