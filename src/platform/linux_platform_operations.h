#pragma once
// The platform operations on a Linux desktop: xdg-open for the shell, the XDG MIME associations
// and desktop entries for the registry, and programs started without a shell.
#include <chrono>

#include "platform/child_processes.h"
#include "platform/platform_operations.h"

namespace platform {

class LinuxPlatformOperations : public PlatformOperations {
 public:
  // `wait`: how long xdg-open is given to report before it counts as handed over.
  explicit LinuxPlatformOperations(std::chrono::milliseconds wait = kHandOverWait) : wait_(wait) {}

  // No program owns another's dialogs on this desktop.
  WindowHandle FindOwnerWindow(const char* title) override;
  // xdg-open with the address escaped for the hand-over as its one argument. Above 32 when it
  // exits 0, or is still running after the short wait; otherwise 32 or less.
  int ShellOpen(WindowHandle owner, const char* verb, const char* file, int show) override;
  bool QueryClassDefault(const char* key_path, std::string* value) override;
  // Split as Windows splits a command line; above 32 when the program was started.
  int StartCommandLine(const char* command_line, int show) override;

 private:
  std::chrono::milliseconds wait_;
};

}  // namespace platform
