#pragma once
// Platform operations that answer from a script and record every call: the headless driver's
// desktop (shell ok or fail, registry values given on its command line) and the tests' stand-in.
#include <map>
#include <string>
#include <vector>

#include "platform/platform_operations.h"

namespace platform {

class ScriptedPlatformOperations : public PlatformOperations {
 public:
  enum class CallKind { kFindOwnerWindow, kShellOpen, kQueryClassDefault, kStartCommandLine };

  struct Call {
    CallKind kind;
    std::string text;  // the title, file, key path or command line, byte for byte
    std::string verb;  // shell open only
    WindowHandle owner = nullptr;
    int show = 0;
  };

  // Answers.
  WindowHandle owner_window = nullptr;
  int shell_result = kHandedOver;
  int start_result = kHandedOver;
  // Default values by key path (key case ignored, as the registry does).
  void SetClassDefault(const std::string& key_path, const std::string& value);

  // What was asked, in order.
  std::vector<Call> calls;
  std::vector<std::string> ShellOpenedFiles() const;
  std::size_t CountCalls(CallKind kind) const;

  WindowHandle FindOwnerWindow(const char* title) override;
  int ShellOpen(WindowHandle owner, const char* verb, const char* file, int show) override;
  bool QueryClassDefault(const char* key_path, std::string* value) override;
  int StartCommandLine(const char* command_line, int show) override;

 private:
  std::map<std::string, std::string> class_defaults_;  // keys folded to lower case
};

}  // namespace platform
