#pragma once
// Looking at our own child processes: zombies in /proc, and waiting for a file a child writes.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/child_processes.h"

namespace testing_support {

// Children of this process that have ended and were not reaped.
inline int ZombieChildren() {
  int zombies = 0;
  const std::string self = std::to_string(getpid());
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    std::string state;
    std::string parent;
    rest >> state >> parent;
    if (parent == self && state == "Z") ++zombies;
  }
  return zombies;
}

// Polls until `condition` holds or `limit` has passed; whether it holds.
template <typename Condition>
bool Eventually(Condition condition, std::chrono::seconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// Reaps until no remembered child is left; whether that happened.
inline bool AllChildrenReaped() {
  return Eventually([] {
    platform::ReapFinishedChildren();
    return platform::UnreapedChildCount() == 0;
  });
}

// Arguments a stand-in program wrote with printf '%s\0' "$@".
inline std::vector<std::string> ReadZeroSeparated(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> words;
  std::string word;
  while (std::getline(in, word, '\0')) words.push_back(word);
  return words;
}

}  // namespace testing_support
