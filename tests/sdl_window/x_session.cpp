#include "x_session.h"

#include <fcntl.h>
#include <png.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace sdl_test {

namespace {

std::vector<char*> Argv(const std::vector<std::string>& args) {
  std::vector<char*> out;
  for (const std::string& a : args) out.push_back(const_cast<char*>(a.c_str()));
  out.push_back(nullptr);
  return out;
}

pid_t Spawn(const std::vector<std::string>& args, posix_spawn_file_actions_t* actions) {
  std::vector<char*> argv = Argv(args);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

}  // namespace

bool XSession::Start() {
  server_ = test_support::StartXvfb();
  if (server_.display.empty()) return false;
  setenv("DISPLAY", server_.display.c_str(), 1);
  return true;
}

void XSession::Stop() { test_support::StopXvfb(server_); }

int Run(const std::vector<std::string>& argv) {
  const pid_t pid = Spawn(argv, nullptr);
  if (pid <= 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

pid_t Start(const std::vector<std::string>& argv) { return Spawn(argv, nullptr); }

pid_t StartWithFiles(const std::vector<std::string>& argv, const std::string& in, const std::string& out) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!in.empty()) posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  if (!out.empty()) posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const pid_t pid = Spawn(argv, &actions);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

bool Ended(pid_t pid, int* status) {
  int raw = 0;
  if (waitpid(pid, &raw, WNOHANG) != pid) return false;
  *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return true;
}

std::string Output(const std::vector<std::string>& argv) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  const pid_t pid = Spawn(argv, &actions);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string out;
  char buf[256];
  ssize_t n = 0;
  while ((n = read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
  close(fds[0]);
  if (pid > 0) waitpid(pid, nullptr, 0);
  return out;
}

desktop::Bitmap Screenshot() {
  desktop::Bitmap out;
  const std::string path =
      (std::filesystem::temp_directory_path() / ("sdl_window_shot_" + std::to_string(getpid()) + ".png")).string();
  if (Run({"import", "-window", "root", "png24:" + path}) != 0) return out;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str())) {
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> data(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, data.data(), 0, nullptr)) {
      out.width = static_cast<int>(image.width);
      out.height = static_cast<int>(image.height);
      for (size_t i = 0; i + 2 < data.size(); i += 3)
        out.pixels.push_back(0xFF000000u | (data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
    }
  }
  std::filesystem::remove(path);
  return out;
}

}  // namespace sdl_test

