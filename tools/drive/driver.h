#pragma once
// The driver's commands, one line at a time, run against the program on the headless backend.
// The backend asks for the next line whenever the program waits for input, so the program's own
// start-up and event loop run unchanged underneath.
#include <cstdio>
#include <istream>
#include <string>
#include <string_view>

#include "desktop/backends/headless/headless_backend.h"

namespace ui {
class MainWindow;
class TabControlWindow;
struct Control;
}  // namespace ui

namespace drive {

class Driver {
 public:
  // `base_directory` resolves relative file names (the program moves to its own folder).
  Driver(desktop::HeadlessBackend& backend, std::istream& in, std::string base_directory);

  // The backend's feeder: runs the next command. False once the input has ended and the window
  // was already asked to close.
  bool Feed();

  // Runs one command line.
  void Execute(std::string_view line);

 private:
  ui::MainWindow* Window() const;
  ui::TabControlWindow* TabControl() const;
  ui::Control* ControlNamed(std::string_view name_utf8) const;
  std::string NameOf(const ui::Control& control) const;
  std::string PathOf(std::string_view file) const;

  void Click(std::string_view name, bool release);
  void Header(std::string_view number);
  void PointerAt(std::string_view coordinates, bool click);
  void Key(std::string_view keys);
  void Read(std::string_view name);
  void Focus();
  void Page();
  void Wait(std::string_view ms);
  void Hint();
  void Shot(std::string_view file);
  void Close();

  desktop::HeadlessBackend& backend_;
  std::istream& in_;
  std::string base_directory_;
  bool end_of_input_ = false;
};

// Standard output, one line at a time and at once: whoever reads it may be waiting for it.
void PrintLine(const std::string& line);
// Diagnostics for the person at the keyboard, never on standard output.
void Complain(const std::string& line);

}  // namespace drive
