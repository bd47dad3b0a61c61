#pragma once
// The whole program in this process (test_support::InProcessProgram) for the main window's
// tests, with their input helpers.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "in_process_program.h"
#include "ui/tab_control.h"

namespace mainwindow_test {

using test_support::FatalShown;

// GBK bytes of a UTF-8 literal.
std::string Gbk(std::string_view utf8);
std::string Utf8(std::string_view gbk);

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program on a screen of this size (SetUp uses 1024 x 768), with the built-in
  // description or the one given.
  void Start(desktop::Size screen, std::vector<std::uint8_t> description = {});

  ui::MainWindow& Window() const { return *window_; }
  ui::TabControlWindow& Tab() const;
  ui::Control& Named(std::string_view name_utf8) const;
  desktop::Window& WindowOf(std::string_view name_utf8) const { return *Named(name_utf8).window; }
  // The name (UTF-8) of the control with the focus, "none" for none.
  std::string FocusName() const;
  // Names of the shown controls, in record order.
  std::vector<std::string> ShownNames() const;

  // Input, dispatched at once.
  void Pump();
  void Press(int vk, desktop::Modifiers mods = {});
  void Type(std::string_view utf8);
  void ClickControl(std::string_view name_utf8);
  // A press and release on a point of the tab header (tab client coordinates).
  void ClickTab(desktop::Point client);
  void ClickHeader(int page);  // 1 to 3, at a point of the header no control covers
  // A point of the header (tab client coordinates) where the tab control itself is hit.
  desktop::Point UncoveredPointOf(int page) const;
  void MovePointerTo(desktop::Window& window, desktop::Point client);
  void Advance(int ms) { backend_->AdvanceClock(ms); }
  std::uint64_t Now() const { return backend_->NowMs(); }

  // Every address the program handed to the desktop.
  std::vector<std::string> HandOvers() const { return program_.HandOvers(); }

  test_support::InProcessProgram program_;
  desktop::HeadlessBackend* backend_ = nullptr;
  platform::ScriptedPlatformOperations& operations_ = program_.operations;
  ui::MainWindow* window_ = nullptr;
};

}  // namespace mainwindow_test
