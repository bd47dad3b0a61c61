#pragma once
// The desktop services that opening an address relies on, behind one interface so that the
// choice of address, the command-line cutting and the fallback can run against a stand-in.
#include <string>

namespace platform {

using WindowHandle = void*;

// Show-window codes handed through to the shell or the started program.
inline constexpr int kShowNormal = 1;  // what OpenAddress always passes
inline constexpr int kShow = 5;        // what a hyperlink box passes

// Result codes follow the shell's rule: above 32 is success, 32 or less an error code.
inline constexpr int kHandedOver = 42;
inline constexpr int kFileNotFound = 2;
inline constexpr int kNoAssociation = 31;

inline bool Succeeded(int code) { return code > 32; }

class PlatformOperations {
 public:
  virtual ~PlatformOperations() = default;

  // The first top-level window whose whole title is `title` (case ignored), or none.
  virtual WindowHandle FindOwnerWindow(const char* title) = 0;
  // Opens `file` with the program the desktop registered for it.
  virtual int ShellOpen(WindowHandle owner, const char* verb, const char* file, int show) = 0;
  // The default value of `key_path` under the classes root, whole and of any length; false when
  // the key or its value cannot be read.
  virtual bool QueryClassDefault(const char* key_path, std::string* value) = 0;
  // Starts a command line (program and arguments); above 32 when it was started.
  virtual int StartCommandLine(const char* command_line, int show) = 0;
};

// The operations used by OpenAddress and OpenLinkAddress. Null installs the real operations of
// this platform, which are also used before any call.
void SetPlatformOperations(PlatformOperations* operations);
PlatformOperations& CurrentPlatformOperations();

}  // namespace platform
