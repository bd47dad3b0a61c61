#include "platform/scripted_platform_operations.h"

#include <algorithm>

namespace platform {
namespace {

std::string Folded(std::string key) {
  std::transform(key.begin(), key.end(), key.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
  return key;
}

std::string TextOf(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

void ScriptedPlatformOperations::SetClassDefault(const std::string& key_path, const std::string& value) {
  class_defaults_[Folded(key_path)] = value;
}

std::vector<std::string> ScriptedPlatformOperations::ShellOpenedFiles() const {
  std::vector<std::string> files;
  for (const Call& call : calls) {
    if (call.kind == CallKind::kShellOpen) files.push_back(call.text);
  }
  return files;
}

std::size_t ScriptedPlatformOperations::CountCalls(CallKind kind) const {
  return static_cast<std::size_t>(
      std::count_if(calls.begin(), calls.end(), [kind](const Call& call) { return call.kind == kind; }));
}

WindowHandle ScriptedPlatformOperations::FindOwnerWindow(const char* title) {
  calls.push_back({CallKind::kFindOwnerWindow, TextOf(title)});
  return owner_window;
}

int ScriptedPlatformOperations::ShellOpen(WindowHandle owner, const char* verb, const char* file, int show) {
  calls.push_back({CallKind::kShellOpen, TextOf(file), TextOf(verb), owner, show});
  return shell_result;
}

bool ScriptedPlatformOperations::QueryClassDefault(const char* key_path, std::string* value) {
  calls.push_back({CallKind::kQueryClassDefault, TextOf(key_path)});
  const auto found = class_defaults_.find(Folded(TextOf(key_path)));
  if (found == class_defaults_.end()) return false;
  *value = found->second;
  return true;
}

int ScriptedPlatformOperations::StartCommandLine(const char* command_line, int show) {
  calls.push_back({CallKind::kStartCommandLine, TextOf(command_line), {}, nullptr, show});
  return start_result;
}

}  // namespace platform
