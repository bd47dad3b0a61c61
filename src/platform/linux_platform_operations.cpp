#include "platform/linux_platform_operations.h"

#include "platform/child_processes.h"
#include "platform/hand_over_escape.h"
#include "platform/windows_command_line.h"
#include "platform/xdg_class_registry.h"

namespace platform {

WindowHandle LinuxPlatformOperations::FindOwnerWindow(const char*) { return nullptr; }

int LinuxPlatformOperations::ShellOpen(WindowHandle, const char*, const char* file, int) {
  const std::vector<std::string> argv = {"xdg-open", EscapeForHandOver(file != nullptr ? file : "")};
  switch (SpawnAndWait(argv, wait_)) {
    case ChildOutcome::kNotStarted:
      return kFileNotFound;
    case ChildOutcome::kFailed:
      return kNoAssociation;
    case ChildOutcome::kExitedZero:
    case ChildOutcome::kStillRunning:
      break;
  }
  return kHandedOver;
}

bool LinuxPlatformOperations::QueryClassDefault(const char* key_path, std::string* value) {
  return key_path != nullptr && ReadXdgClassDefault(key_path, value);
}

int LinuxPlatformOperations::StartCommandLine(const char* command_line, int) {
  const std::vector<std::string> argv = SplitWindowsCommandLine(command_line != nullptr ? command_line : "");
  // Started is all that counts; the browser runs on and is reaped later.
  if (SpawnAndWait(argv, std::chrono::milliseconds(0)) == ChildOutcome::kNotStarted) return kFileNotFound;
  return kHandedOver;
}

}  // namespace platform
