#pragma once
// A private X server for one test program, and the desktop tools that act on it (xdotool,
// ImageMagick's import, xclip), each started without a shell.
#include <sys/types.h>

#include <string>
#include <vector>

#include "desktop/bitmap.h"
#include "xvfb.h"

struct SDL_Window;

namespace sdl_test {

class XSession {
 public:
  // Starts Xvfb on a free display (1024 x 768, 24 bits) and points DISPLAY at it; false when the
  // server cannot be started here.
  bool Start();
  void Stop();
  ~XSession() { Stop(); }

 private:
  test_support::XvfbServer server_;
};

// Runs a program to its end; its exit status, or -1 when it could not be started.
int Run(const std::vector<std::string>& argv);
// Starts a program and returns at once (its process id, or -1).
pid_t Start(const std::vector<std::string>& argv);
// Whether the program has ended; its exit status in `status`.
bool Ended(pid_t pid, int* status);
// Starts a program with its standard input and output on files ("" leaves them as they are).
pid_t StartWithFiles(const std::vector<std::string>& argv, const std::string& in, const std::string& out);
// Runs a program and answers what it wrote on standard output.
std::string Output(const std::vector<std::string>& argv);
// The X window behind an SDL window (0 when there is none).
unsigned long X11WindowOf(SDL_Window* window);
// A picture of the whole screen, through ImageMagick's import; empty when that fails.
desktop::Bitmap Screenshot();

}  // namespace sdl_test
