#include "xvfb.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace test_support {

XvfbServer StartXvfb() {
  XvfbServer server;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return server;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> args{"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  if (posix_spawnp(&server.pid, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) server.pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  while (server.pid > 0 && number.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0) {
    char c[16];
    const ssize_t n = read(fds[0], c, sizeof c);
    if (n <= 0) break;
    number.append(c, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  const std::size_t end = number.find('\n');
  if (end == std::string::npos || end == 0) {
    StopXvfb(server);
    return server;
  }
  server.display = ":" + number.substr(0, end);
  return server;
}

void StopXvfb(XvfbServer& server) {
  if (server.pid > 0) {
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);
  }
  server.pid = -1;
  server.display.clear();
}

}  // namespace test_support
