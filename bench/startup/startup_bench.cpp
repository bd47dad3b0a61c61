// Process start to the first full frame: shopassist against the least SDL2 program that shows
// one frame, measured the same way in the same run, alternating, on an X display (Xvfb is started
// when none is set). A frame counts as shown when probe pixels of the program's window, read back
// from the X server, have their final colours.
//
//   startup_bench [ROUNDS]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "xvfb.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Probe {
  int x;
  int y;  // in the window's drawn surface
  unsigned long rgb;
};

struct Program {
  const char* name;
  const char* path;
  std::vector<Probe> probes;
};

// shopassist's surface is the 2-pixel client edge and the 630 x 421 client area inside it. The
// probes: the page area, the second header's gradient top, the keyword box, the third header's
// outline.
const Program kShopassist{"shopassist",
                          SHOPASSIST_PROGRAM,
                          {{2 + 620, 2 + 415, 0xFCFCFE}, {2 + 300, 2 + 3, 0xFFFFF6}, {2 + 200, 2 + 95, 0xFFFFFF},
                           {2 + 627, 2 + 20, 0x91A7B4}}};
const Program kReference{"reference", REFERENCE_PROGRAM, {{0, 0, 0xFCFCFE}, {633, 424, 0xFCFCFE}, {316, 212, 0xFCFCFE}}};

pid_t Spawn(const char* path, const std::vector<std::string>& args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> argv_strings{path};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argv_strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, path, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

std::optional<long> PidOf(Display* display, Window window) {
  static const Atom net_wm_pid = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) != Success || data == nullptr)
    return std::nullopt;
  std::optional<long> pid;
  if (format == 32 && count == 1) pid = *reinterpret_cast<long*>(data);
  XFree(data);
  return pid;
}

// The shown top-level window of the process, if it has one yet.
std::optional<Window> WindowOf(Display* display, pid_t pid) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return std::nullopt;
  std::optional<Window> found;
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    if (PidOf(display, children[i]) == pid) found = children[i];
  }
  if (children != nullptr) XFree(children);
  return found;
}

bool ProbesShown(Display* display, Window window, const std::vector<Probe>& probes) {
  for (const Probe& p : probes) {
    XImage* image = XGetImage(display, window, p.x, p.y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    if (pixel != p.rgb) return false;
  }
  return true;
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

// Milliseconds from the spawn to the first full frame; nothing when it never came.
std::optional<double> TimeToFirstFrame(Display* display, const Program& program) {
  const Clock::time_point start = Clock::now();
  const pid_t pid = Spawn(program.path, {});
  if (pid < 0) return std::nullopt;
  std::optional<double> elapsed;
  while (Clock::now() - start < std::chrono::seconds(20)) {
    if (std::optional<Window> window = WindowOf(display, pid); window && ProbesShown(display, *window, program.probes)) {
      elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return std::nullopt;  // ended without a frame
    std::this_thread::sleep_for(std::chrono::microseconds(250));
  }
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  return elapsed;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  // A display of our own when none is set. Our connection stays open: a server whose last
  // client leaves resets itself, and refuses new connections while it does.
  test_support::XvfbServer xvfb;
  if (std::getenv("DISPLAY") == nullptr) {
    xvfb = test_support::StartXvfb();
    if (xvfb.display.empty()) {
      std::fprintf(stderr, "startup_bench: no display and Xvfb could not be started\n");
      return 1;
    }
    setenv("DISPLAY", xvfb.display.c_str(), 1);
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_bench: cannot open the display\n");
    test_support::StopXvfb(xvfb);
    return 1;
  }
  XSetErrorHandler(IgnoreXErrors);  // a window may go between listing it and reading it

  // One warm-up run each, so that both start from the same file cache.
  TimeToFirstFrame(display, kReference);
  TimeToFirstFrame(display, kShopassist);
  std::vector<double> reference;
  std::vector<double> shopassist;
  for (int i = 0; i < rounds; ++i) {
    if (auto t = TimeToFirstFrame(display, kReference)) reference.push_back(*t);
    if (auto t = TimeToFirstFrame(display, kShopassist)) shopassist.push_back(*t);
  }
  XCloseDisplay(display);
  test_support::StopXvfb(xvfb);
  if (reference.empty() || shopassist.empty()) {
    std::fprintf(stderr, "startup_bench: a program showed no frame (reference %zu, shopassist %zu of %d)\n",
                 reference.size(), shopassist.size(), rounds);
    return 1;
  }
  const double r = Median(reference);
  const double s = Median(shopassist);
  std::printf("process start to first full frame, median of %d runs each\n", rounds);
  std::printf("  least SDL2 program: %8.1f ms\n", r);
  std::printf("  shopassist:         %8.1f ms\n", s);
  std::printf("  ratio:              %8.2f\n", s / r);
  return 0;
}
