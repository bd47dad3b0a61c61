#include "drive_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace mainwindow_test {

DriveResult RunDrive(const std::vector<std::string>& args, const std::string& script) {
  DriveResult result;
  int in_pipe[2];
  int out_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0) return result;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_pipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  std::vector<std::string> argv_strings{SHOPASSIST_DRIVE};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argv_strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, SHOPASSIST_DRIVE, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(in_pipe[0]);
  close(out_pipe[1]);
  if (spawned != 0) {
    close(in_pipe[1]);
    close(out_pipe[0]);
    return result;
  }
  // The script is small: the pipe holds it whole, so writing before reading cannot block; a
  // program that ends early leaves the rest unread.
  signal(SIGPIPE, SIG_IGN);
  for (std::size_t done = 0; done < script.size();) {
    const ssize_t written = write(in_pipe[1], script.data() + done, script.size() - done);
    if (written <= 0) break;
    done += static_cast<std::size_t>(written);
  }
  close(in_pipe[1]);
  std::string output;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = read(out_pipe[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<std::size_t>(n));
  close(out_pipe[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  std::size_t start = 0;
  while (start < output.size()) {
    const std::size_t end = output.find('\n', start);
    result.lines.push_back(output.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return result;
}

std::string TemporaryPath(const std::string& name) {
  const char* base = std::getenv("TEST_TMPDIR");
  std::filesystem::path folder = base != nullptr ? base : std::filesystem::temp_directory_path();
  folder /= "shopassist-mainwindow-" + std::to_string(getpid());
  std::filesystem::create_directories(folder);
  return (folder / name).string();
}

}  // namespace mainwindow_test
