#include "platform/child_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

extern char** environ;

namespace platform {
namespace {

std::vector<pid_t>& Unreaped() {
  static std::vector<pid_t> pids;
  return pids;
}

// Waits without blocking; true when `pid` is gone (reaped now, or by someone else before).
bool Collect(pid_t pid, int* status) {
  while (true) {
    const pid_t result = waitpid(pid, status, WNOHANG);
    if (result == pid) return true;
    if (result == 0) return false;
    if (errno == EINTR) continue;
    *status = 0;  // not our child to wait for any more (ECHILD)
    return true;
  }
}

bool Spawn(const std::vector<std::string>& argv, pid_t* pid) {
  if (argv.empty() || argv[0].empty()) return false;
  std::vector<char*> arguments;
  arguments.reserve(argv.size() + 1);
  for (const std::string& word : argv) arguments.push_back(const_cast<char*>(word.c_str()));
  arguments.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);

  // The child starts with ordinary signal handling whatever ours is.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int signal_number : {SIGPIPE, SIGCHLD, SIGINT, SIGQUIT, SIGTERM, SIGHUP}) {
    sigaddset(&defaults, signal_number);
  }
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  const int error = posix_spawnp(pid, arguments[0], &actions, &attributes, arguments.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0;
}

}  // namespace

void ReapFinishedChildren() {
  std::erase_if(Unreaped(), [](pid_t pid) {
    int status = 0;
    return Collect(pid, &status);
  });
}

std::size_t UnreapedChildCount() { return Unreaped().size(); }

ChildOutcome SpawnAndWait(const std::vector<std::string>& argv, std::chrono::milliseconds wait) {
  ReapFinishedChildren();
  pid_t pid = 0;
  if (!Spawn(argv, &pid)) return ChildOutcome::kNotStarted;

  const auto deadline = std::chrono::steady_clock::now() + wait;
  int status = 0;
  while (!Collect(pid, &status)) {
    if (std::chrono::steady_clock::now() >= deadline) {
      Unreaped().push_back(pid);
      return ChildOutcome::kStillRunning;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return ChildOutcome::kExitedZero;
  return ChildOutcome::kFailed;
}

}  // namespace platform
