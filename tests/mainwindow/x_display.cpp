#include "x_display.h"

#include "xvfb.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace mainwindow_test {

namespace {

Display* AsDisplay(void* d) { return static_cast<Display*>(d); }

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

pid_t Spawn(const std::vector<std::string>& args, const std::string& display, const std::string& error_file,
            bool quiet, const std::vector<std::string>& extra = {}) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (!error_file.empty()) posix_spawn_file_actions_addopen(&actions, 2, error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  else if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> env_strings;
  auto replaced = [&](const std::string& entry) {
    if (entry.rfind("DISPLAY=", 0) == 0) return true;
    for (const std::string& e : extra)
      if (entry.substr(0, entry.find('=') + 1) == e.substr(0, e.find('=') + 1)) return true;
    return false;
  };
  for (char** e = environ; *e != nullptr; ++e)
    if (!replaced(*e)) env_strings.push_back(*e);
  if (!display.empty()) env_strings.push_back("DISPLAY=" + display);
  env_strings.insert(env_strings.end(), extra.begin(), extra.end());
  std::vector<char*> envp;
  for (auto& s : env_strings) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::vector<std::string> argv_strings = args;
  std::vector<char*> argv;
  for (auto& s : argv_strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

}  // namespace

bool XDisplay::Start() {
  server_ = test_support::StartXvfb();
  if (server_.display.empty()) return false;
  name_ = server_.display;
  display_ = XOpenDisplay(name_.c_str());
  if (display_ == nullptr) {
    Stop();
    return false;
  }
  XSetErrorHandler(IgnoreXErrors);
  return true;
}

void XDisplay::Stop() {
  if (display_ != nullptr) XCloseDisplay(AsDisplay(display_));
  display_ = nullptr;
  test_support::StopXvfb(server_);
}

std::vector<unsigned long> XDisplay::WindowsOf(pid_t pid) {
  std::vector<unsigned long> found;
  Display* d = AsDisplay(display_);
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (d == nullptr || !XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return found;
  const Atom net_wm_pid = XInternAtom(d, "_NET_WM_PID", False);
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(d, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    Atom type = None;
    int format = 0;
    unsigned long n = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, children[i], net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &data) ==
            Success &&
        data != nullptr) {
      if (format == 32 && n == 1 && *reinterpret_cast<long*>(data) == pid) found.push_back(children[i]);
      XFree(data);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

std::string XDisplay::Title(unsigned long window) {
  Display* d = AsDisplay(display_);
  const Atom net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long n = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(d, window, net_wm_name, 0, 1024, False, utf8, &type, &format, &n, &after, &data) == Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<char*>(data), n);
    XFree(data);
  }
  return title;
}

XDisplay::Geometry XDisplay::GeometryOf(unsigned long window) {
  Display* d = AsDisplay(display_);
  Geometry g;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(d, window, &attributes)) return g;
  Window child = 0;
  XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, &g.x, &g.y, &child);
  g.width = attributes.width;
  g.height = attributes.height;
  return g;
}

std::optional<unsigned long> XDisplay::Pixel(unsigned long window, int x, int y) {
  XImage* image = XGetImage(AsDisplay(display_), window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return std::nullopt;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

pid_t StartProgram(const std::vector<std::string>& argv, const std::string& display, const std::string& error_file,
                   const std::vector<std::string>& environment) {
  return Spawn(argv, display, error_file, error_file.empty(), environment);
}

int WaitForExit(pid_t pid, int seconds) {
  int status = 0;
  for (int i = 0; i < seconds * 50; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    usleep(20 * 1000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return -1;
}

int Xdotool(const std::vector<std::string>& args, const std::string& display) {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  const pid_t pid = Spawn(argv, display, "", true);
  if (pid < 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace mainwindow_test
