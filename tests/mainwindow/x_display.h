#pragma once
// A private X server for the tests of the real program, what they read back from it (windows of a
// process, their titles, places and pixels), and xdotool to act on it.
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "xvfb.h"

namespace mainwindow_test {

class XDisplay {
 public:
  // Starts Xvfb (1024 x 768, 24 bits) on a free display; false when it cannot run here.
  bool Start();
  void Stop();
  ~XDisplay() { Stop(); }
  const std::string& Name() const { return name_; }

  // The viewable top-level windows of a process, topmost last.
  std::vector<unsigned long> WindowsOf(pid_t pid);
  std::string Title(unsigned long window);
  // Place on the screen and size.
  struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };
  Geometry GeometryOf(unsigned long window);
  // 0xRRGGBB of a pixel of the window; nothing when it cannot be read.
  std::optional<unsigned long> Pixel(unsigned long window, int x, int y);

 private:
  test_support::XvfbServer server_;
  void* display_ = nullptr;  // Display*: the connection stays open so that the server never resets
  std::string name_;
};

// Starts a program on the display with its standard error on `error_file` ("" drops it) and
// these variables added to its environment ("NAME=value"; a PATH given here replaces the
// inherited one).
pid_t StartProgram(const std::vector<std::string>& argv, const std::string& display, const std::string& error_file,
                   const std::vector<std::string>& environment = {});
// Waits for a program's end at most `seconds`; its exit status, or -1 (then it is killed).
int WaitForExit(pid_t pid, int seconds);
// Runs xdotool with these arguments on the display; its exit status.
int Xdotool(const std::vector<std::string>& args, const std::string& display);
// Polls `condition` every 20 ms for at most `seconds`.
template <class F>
bool WaitUntil(F condition, double seconds);

}  // namespace mainwindow_test

#include <chrono>
#include <thread>

template <class F>
bool mainwindow_test::WaitUntil(F condition, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return condition();
}
