#pragma once
// The whole program started in the test's own process on the headless backend: the built-in
// description (or one given) loaded, the main window built, scripted desktop operations recording
// every hand-over, and a fatal error turned into an exception the test can catch.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/backends/headless/headless_backend.h"
#include "desktop/window/window_system.h"
#include "platform/scripted_platform_operations.h"
#include "ui/kinds.h"
#include "ui/main_window.h"

namespace test_support {

// What a fatal error showed, thrown by the test presenter.
struct FatalShown {
  std::string text_gbk;
};

class InProcessProgram {
 public:
  // Starts the program on a screen of this size, with the built-in description when `description`
  // is empty. Answers the main window; a fatal error throws FatalShown instead.
  ui::MainWindow* Start(desktop::Size screen, std::span<const std::uint8_t> description = {});
  // Ends it: every window gone, the shell's state and the test hooks back as they were.
  void Stop();

  ui::MainWindow* Window() const { return window_; }
  desktop::HeadlessBackend* Backend() const { return backend_; }

  // The control of this name (UTF-8); a test failure when there is none.
  ui::Control& Named(std::string_view name_utf8) const;
  // The name (UTF-8) of the control with the focus, "none" for none.
  std::string FocusName() const;

  // Input, dispatched at once.
  void Pump();
  void Press(int vk, desktop::Modifiers mods = {});
  void Type(std::string_view utf8);
  void ClickCentre(desktop::Window& window);
  // A point of a page's tab header (1 to 3; tab client coordinates) where the tab control itself
  // is hit, not the logo over it; a test failure when the header is covered everywhere.
  desktop::Point UncoveredHeaderPoint(int page) const;

  // Every address handed to the desktop so far, as "open ADDRESS", "openlink ADDRESS" or
  // "exec COMMAND".
  std::vector<std::string> HandOvers() const;
  void ClearHandOvers();

  platform::ScriptedPlatformOperations operations;

 private:
  desktop::HeadlessBackend* backend_ = nullptr;
  ui::MainWindow* window_ = nullptr;
  std::vector<std::uint8_t> description_;
};

}  // namespace test_support
